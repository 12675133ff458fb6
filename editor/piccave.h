#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QLineF>
#include <QPixmap>
#include <QPointF>
#include <QRectF>
#include <QWidget>

#include "toolkit/picture.h"

#include <cstdint>

class PicCave;

// A shape drawn over the surface (the clone markers, the previews): it has a
// position and size in surface pixels, fractions allowed, and a visibility.
class CaveShape
{
public:
    enum Kind { Circle, Rectangle, Line };
    CaveShape(PicCave *owner, Kind kind, QColor color, int lineWidth);

    bool Visible() const { return m_visible; }
    void setVisible(bool v);
    double Left() const { return m_rect.left(); }
    double Top() const { return m_rect.top(); }
    double Width() const { return m_rect.width(); }
    double Height() const { return m_rect.height(); }
    void move(double left, double top);
    void resize(double w, double h);
    void setColor(QColor c);
    QColor color() const { return m_color; }
    // A line runs from (X1, Y1) to (X2, Y2).
    QLineF line() const { return m_line; }
    void setLine(const QLineF &l);

    void paint(class QPainter &p) const;
    QRect area() const;

private:
    PicCave *m_owner;
    Kind m_kind;
    QColor m_color;
    int m_width;
    bool m_visible = false;
    QRectF m_rect;
    QLineF m_line;
};

// The drawing surface of a chamber window: it owns a persistent image of what
// was painted on it and shows it when uncovered. The image is made when
// something is first drawn at the current size; making it may fail for want
// of memory, and drawing then reports that.
class PicCave : public QWidget
{
    Q_OBJECT
public:
    explicit PicCave(QWidget *parent = nullptr);

    // Width and height in pixels; the part that remains keeps its pixels.
    void setSurfaceSize(int w, int h);
    // Blanks the image (black).
    void Cls();
    // Draws a picture stretched into a rectangle, rendered for the screen's
    // device pixel ratio; false when the image cannot be made.
    bool drawPicture(const QRect &r, const Picture &pic);
    // The part of the parent where the surface can be seen (empty: all of
    // it). Repaints after drawing stay inside it, so the scroll bars over
    // the surface's edges are not repainted with every cell.
    void setView(const QRect &inParent) { m_view = inParent; }
    // Schedules a repaint of that part of the surface that can be seen.
    void updateSurface(const QRect &r);
    bool hasImage() const { return !m_image.isNull(); }
    const QImage &image() const { return m_image; }

    CaveShape shpClone;
    CaveShape shpClone2;
    CaveShape shpRect;
    CaveShape LineLine;

    // Tests make image allocation fail above this many pixels (0: no limit).
    static inline int64_t MaxPixels = 0;

signals:
    void mouseDown(int button, int shift, double x, double y);
    void mouseMove(int button, int shift, double x, double y);
    void mouseUp(int button, int shift, double x, double y);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    bool ensureImage();
    bool opaque(const QImage &tile);
    QImage allocate(int w, int h) const;

    QImage m_image; // in device pixels
    QHash<qint64, bool> m_opaque;
    Picture m_lastPicture;
    QImage m_lastTile;
    QRect m_pending;
    QRect m_view;
};
