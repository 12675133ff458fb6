#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

// A picture of the program's own resources (an SVG under ":/pic/"). It is a
// cheap value: copying shares the source, and every rendering at a size is
// made once and cached, so painting many cells never rescales.
class Picture
{
public:
    Picture() = default;
    explicit Picture(const QString &name); // "obj01" or ":/pic/obj01.svg"

    bool isNull() const { return m_path.isEmpty(); }
    const QString &path() const { return m_path; }
    QSize naturalSize() const;
    // The picture stretched to size (logical pixels), rendered once per size
    // and device pixel ratio with that many device pixels, so that it stays
    // sharp on a high-density screen.
    const QPixmap &pixmap(QSize size, qreal dpr = 1) const;
    const QPixmap &pixmap(int w, int h, qreal dpr = 1) const { return pixmap(QSize(w, h), dpr); }
    // The same as an image in ARGB32 premultiplied, ready to copy.
    const QImage &tile(QSize size, qreal dpr = 1) const;
    QImage image(QSize size) const;

    bool operator==(const Picture &other) const { return m_path == other.m_path; }

    static int cachedRenderings();

private:
    QString m_path;
};
