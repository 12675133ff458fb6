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

void CaveShape::setVisible(bool v)
{
    if (m_visible == v)
        return;
    m_visible = v;
    m_owner->update();
}

void CaveShape::move(double left, double top)
{
    m_rect.moveTo(left, top);
    if (m_visible)
        m_owner->update();
}

void CaveShape::resize(double w, double h)
{
    m_rect.setSize(QSizeF(w, h));
    if (m_visible)
        m_owner->update();
}

void CaveShape::setColor(QColor c)
{
    m_color = c;
    if (m_visible)
        m_owner->update();
}

void CaveShape::setLine(const QLineF &l)
{
    m_line = l;
    if (m_visible)
        m_owner->update();
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

QImage PicCave::allocate(int w, int h)
{
    if (MaxPixels > 0 && int64_t(w) * h > MaxPixels)
        return {};
    QImage img(w, h, QImage::Format_RGB32);
    if (!img.isNull())
        img.fill(Qt::black);
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
    if (m_image.isNull() || m_image.size() != size())
        m_image = allocate(width(), height());
    return !m_image.isNull();
}

// A cell picture as pixels ready to copy: opaque pictures of the cell's size
// are copied row by row, which a fill of 1500 cells needs to stay quick.
const QImage *PicCave::opaqueImage(const QPixmap &pm)
{
    auto it = m_opaque.find(pm.cacheKey());
    if (it == m_opaque.end()) {
        QImage img = pm.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        bool opaque = !img.isNull();
        for (int y = 0; opaque && y < img.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
            for (int x = 0; x < img.width(); ++x)
                if (qAlpha(line[x]) != 255) {
                    opaque = false;
                    break;
                }
        }
        it = m_opaque.insert(pm.cacheKey(), opaque ? img : QImage());
    }
    return it->isNull() ? nullptr : &*it;
}

bool PicCave::drawPicture(const QRect &r, const QPixmap &pm)
{
    if (!ensureImage())
        return false;
    if (!pm.isNull()) {
        const QImage *src = pm.size() == r.size() ? opaqueImage(pm) : nullptr;
        const QRect clipped = r.intersected(m_image.rect());
        if (src && clipped == r) {
            for (int y = 0; y < r.height(); ++y)
                std::memcpy(m_image.scanLine(r.top() + y) + r.left() * 4, src->constScanLine(y),
                            static_cast<size_t>(r.width()) * 4);
        } else {
            QPainter p(&m_image);
            p.drawPixmap(r, pm);
        }
    }
    // One growing rectangle keeps the pending repaint a single rectangle;
    // a region of 1500 cells costs more to merge than the cells to draw.
    if (!m_pending.contains(r)) {
        m_pending |= r;
        update(m_pending);
    }
    return true;
}

void PicCave::paintEvent(QPaintEvent *e)
{
    m_pending = QRect();
    QPainter p(this);
    if (m_image.isNull())
        p.fillRect(e->rect(), Qt::black);
    else
        p.drawImage(e->rect(), m_image, e->rect());
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
    emit mouseMove(Vb::buttons(e->buttons()), Vb::shift(e->modifiers()), e->position().x(), e->position().y());
}

void PicCave::mouseReleaseEvent(QMouseEvent *e)
{
    emit mouseUp(Vb::button(e->button()), Vb::shift(e->modifiers()), e->position().x(), e->position().y());
}
