#include "editor/piccave.h"

#include "toolkit/vbevents.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cstring>

CaveShape::CaveShape(PicCave *owner, Kind kind, QColor color, int lineWidth)
    : m_owner(owner), m_kind(kind), m_color(color), m_width(lineWidth)
{
}

// What the shape covers on the surface, its pen included.
QRect CaveShape::area() const
{
    const QRectF bounds = m_kind == Line ? QRectF(m_line.p1(), m_line.p2()).normalized() : m_rect;
    const int margin = m_width + 2;
    return bounds.toAlignedRect().adjusted(-margin, -margin, margin, margin);
}

void CaveShape::setVisible(bool v)
{
    if (m_visible == v)
        return;
    m_visible = v;
    m_owner->updateSurface(area());
}

void CaveShape::move(double left, double top)
{
    const QRect before = area();
    m_rect.moveTo(left, top);
    if (m_visible)
        m_owner->updateSurface(before | area());
}

void CaveShape::resize(double w, double h)
{
    const QRect before = area();
    m_rect.setSize(QSizeF(w, h));
    if (m_visible)
        m_owner->updateSurface(before | area());
}

void CaveShape::setColor(QColor c)
{
    m_color = c;
    if (m_visible)
        m_owner->updateSurface(area());
}

void CaveShape::setLine(const QLineF &l)
{
    const QRect before = area();
    m_line = l;
    if (m_visible)
        m_owner->updateSurface(before | area());
}

void CaveShape::paint(QPainter &p) const
{
    if (!m_visible)
        return;
    p.setPen(QPen(m_color, m_width));
    p.setBrush(Qt::NoBrush);
    switch (m_kind) {
    case Circle: p.drawEllipse(m_rect); break;
    case Rectangle: p.drawRect(m_rect); break;
    case Line: p.drawLine(m_line); break;
    }
}

PicCave::PicCave(QWidget *parent)
    : QWidget(parent), shpClone(this, CaveShape::Circle, QColor(255, 255, 255), 2),
      shpClone2(this, CaveShape::Circle, QColor(255, 0, 0), 2),
      shpRect(this, CaveShape::Rectangle, QColor(255, 255, 127), 3),
      LineLine(this, CaveShape::Line, QColor(255, 255, 127), 3)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The auto-scroll follows the pointer with no button held too.
    setMouseTracking(true);
    resize(1, 1);
}

// The image has the surface's size in device pixels, so that pictures drawn
// into it stay sharp on a high-density screen.
QImage PicCave::allocate(int w, int h) const
{
    const qreal dpr = devicePixelRatioF();
    const int dw = qRound(w * dpr), dh = qRound(h * dpr);
    if (MaxPixels > 0 && int64_t(dw) * dh > MaxPixels)
        return {};
    QImage img(dw, dh, QImage::Format_RGB32);
    if (!img.isNull()) {
        img.setDevicePixelRatio(dpr);
        img.fill(Qt::black);
    }
    return img;
}

void PicCave::setSurfaceSize(int w, int h)
{
    w = std::max(w, 1);
    h = std::max(h, 1);
    if (w == width() && h == height())
        return;
    if (!m_image.isNull()) {
        QImage next = allocate(w, h);
        if (!next.isNull()) {
            QPainter p(&next);
            p.drawImage(0, 0, m_image);
        }
        m_image = next;
    }
    resize(w, h);
}

void PicCave::Cls()
{
    if (!m_image.isNull())
        m_image.fill(Qt::black);
    update();
}

bool PicCave::ensureImage()
{
    const qreal dpr = devicePixelRatioF();
    if (m_image.isNull() || m_image.deviceIndependentSize().toSize() != size() ||
        m_image.devicePixelRatio() != dpr) {
        // On a screen of another density the picture so far is kept, rescaled.
        QImage next = allocate(width(), height());
        if (!next.isNull() && !m_image.isNull() && m_image.devicePixelRatio() != dpr) {
            QPainter p(&next);
            p.drawImage(QRectF(QPointF(0, 0), m_image.deviceIndependentSize()), m_image);
        }
        m_image = next;
    }
    return !m_image.isNull();
}

// Opaque tiles are copied row by row, which a fill of 1500 cells needs to stay quick.
bool PicCave::opaque(const QImage &tile)
{
    auto it = m_opaque.find(tile.cacheKey());
    if (it == m_opaque.end()) {
        bool all = tile.format() == QImage::Format_ARGB32_Premultiplied;
        for (int y = 0; all && y < tile.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(tile.constScanLine(y));
            for (int x = 0; x < tile.width(); ++x)
                if (qAlpha(line[x]) != 255) {
                    all = false;
                    break;
                }
        }
        it = m_opaque.insert(tile.cacheKey(), all);
    }
    return *it;
}

bool PicCave::drawPicture(const QRect &r, const Picture &pic)
{
    if (!ensureImage())
        return false;
    const qreal dpr = m_image.devicePixelRatio();
    // A fill or a refresh draws the same few pictures over and over.
    if (!(m_lastPicture == pic) || m_lastTile.deviceIndependentSize().toSize() != r.size() ||
        m_lastTile.devicePixelRatio() != dpr) {
        m_lastPicture = pic;
        m_lastTile = pic.tile(r.size(), dpr);
    }
    const QImage &tile = m_lastTile;
    if (!tile.isNull()) {
        const QRect device(qRound(r.x() * dpr), qRound(r.y() * dpr), tile.width(), tile.height());
        if (m_image.rect().contains(device) && opaque(tile)) {
            uchar *bits = m_image.bits();
            const qsizetype stride = m_image.bytesPerLine();
            for (int y = 0; y < device.height(); ++y)
                std::memcpy(bits + (device.top() + y) * stride + device.left() * 4, tile.constScanLine(y),
                            static_cast<size_t>(device.width()) * 4);
        } else {
            QPainter p(&m_image);
            p.drawImage(QRectF(r), tile);
        }
    }
    // One growing rectangle keeps the pending repaint a single rectangle;
    // a region of 1500 cells costs more to merge than the cells to draw.
    if (!m_pending.contains(r)) {
        m_pending |= r;
        updateSurface(m_pending);
    }
    return true;
}

void PicCave::updateSurface(const QRect &r)
{
    update(m_view.isEmpty() ? r : r & m_view.translated(-pos()));
}

void PicCave::paintEvent(QPaintEvent *e)
{
    m_pending = QRect();
    QPainter p(this);
    const QRect r = e->rect();
    if (m_image.isNull()) {
        p.fillRect(r, Qt::black);
    } else {
        const qreal dpr = m_image.devicePixelRatio();
        p.drawImage(QRectF(r), m_image, QRectF(r.x() * dpr, r.y() * dpr, r.width() * dpr, r.height() * dpr));
    }
    p.setRenderHint(QPainter::Antialiasing);
    shpClone.paint(p);
    shpClone2.paint(p);
    shpRect.paint(p);
    LineLine.paint(p);
}

void PicCave::mousePressEvent(QMouseEvent *e)
{
    emit mouseDown(Vb::button(e->button()), Vb::shift(e->modifiers()), e->position().x(), e->position().y());
}

void PicCave::mouseMoveEvent(QMouseEvent *e)
{
    emit mouseMove(Vb::buttons(e->buttons()), Vb::shift(e->modifiers()), e->position().x(),
                   e->position().y());
}

void PicCave::mouseReleaseEvent(QMouseEvent *e)
{
    emit mouseUp(Vb::button(e->button()), Vb::shift(e->modifiers()), e->position().x(), e->position().y());
}
