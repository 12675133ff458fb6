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
    // The picture stretched to size, rendered once per size.
    const QPixmap &pixmap(QSize size) const;
    const QPixmap &pixmap(int w, int h) const { return pixmap(QSize(w, h)); }
    QImage image(QSize size) const;

    bool operator==(const Picture &other) const { return m_path == other.m_path; }

    static int cachedRenderings();

private:
    QString m_path;
};
