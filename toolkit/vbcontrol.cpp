#include "toolkit/vbcontrol.h"

#include "toolkit/vbevents.h"

#include <QMouseEvent>

#include <cmath>
#include <utility>

namespace {

int pixel(float v)
{
    return static_cast<int>(std::floor(static_cast<double>(v) + 0.5));
}

// The part of w that shows on the screen: its rectangle cut by every container
// it lies in. A strip of frames moved up to look pressed, or a picture larger
// than its frame, shows only through its container.
QRect shownOnScreen(const QWidget *w)
{
    QRect r(w->mapToGlobal(QPoint(0, 0)), w->size());
    for (const QWidget *c = w; !c->isWindow() && c->parentWidget(); c = c->parentWidget()) {
        const QWidget *p = c->parentWidget();
        r &= QRect(p->mapToGlobal(QPoint(0, 0)), p->size());
    }
    return r;
}

} // namespace

QFont Vb::Arial(qreal points, bool bold)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

VbControl::VbControl(QWidget *parent) : QWidget(parent)
{
    m_shown = geometry();
    m_width = static_cast<float>(m_shown.width());
    m_height = static_cast<float>(m_shown.height());
}

void VbControl::sync() const
{
    const QRect g = geometry();
    if (g == m_shown)
        return;
    // Someone placed the widget directly: its pixels are the truth now.
    if (g.x() != m_shown.x())
        m_left = static_cast<float>(g.x());
    if (g.y() != m_shown.y())
        m_top = static_cast<float>(g.y());
    if (g.width() != m_shown.width())
        m_width = static_cast<float>(g.width());
    if (g.height() != m_shown.height())
        m_height = static_cast<float>(g.height());
    m_shown = g;
}

void VbControl::apply()
{
    const int l = pixel(m_left);
    const int t = pixel(m_top);
    const int w = std::max(0, pixel(m_left + m_width) - l);
    const int h = std::max(0, pixel(m_top + m_height) - t);
    m_shown = QRect(l, t, w, h);
    setGeometry(m_shown);
    // A widget may refuse a size (minimum sizes); keep what it shows.
    m_shown = geometry();
}

float VbControl::Left() const
{
    sync();
    return m_left;
}

float VbControl::Top() const
{
    sync();
    return m_top;
}

float VbControl::Width() const
{
    sync();
    return m_width;
}

float VbControl::Height() const
{
    sync();
    return m_height;
}

void VbControl::setLeft(float left)
{
    sync();
    m_left = left;
    apply();
}

void VbControl::setTop(float top)
{
    sync();
    m_top = top;
    apply();
}

void VbControl::setWidth(float width)
{
    sync();
    m_width = width;
    apply();
}

void VbControl::setHeight(float height)
{
    sync();
    m_height = height;
    apply();
}

void VbControl::Move(float left, float top)
{
    sync();
    m_left = left;
    m_top = top;
    apply();
}

void VbControl::Move(float left, float top, float width, float height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    apply();
}

void VbControl::mousePressEvent(QMouseEvent *e)
{
    emit mouseDown(Vb::button(e->button()), Vb::shift(e->modifiers()), e->position());
}

void VbControl::mouseMoveEvent(QMouseEvent *e)
{
    emit mouseMove(Vb::buttons(e->buttons()), Vb::shift(e->modifiers()), e->position());
}

void VbControl::mouseReleaseEvent(QMouseEvent *e)
{
    emit mouseUp(Vb::button(e->button()), Vb::shift(e->modifiers()), e->position());
    // The release that ends a double click is no second click.
    const bool afterDouble = std::exchange(m_doublePressed, false);
    // Judged where the user sees the button, whichever of its parts took the press and wherever
    // the press moved that part.
    const QWidget *area = m_clickArea ? m_clickArea : this;
    QRect shown = shownOnScreen(area);
    if (m_clickPart.isValid())
        shown &= QRect(area->mapToGlobal(m_clickPart.topLeft()), m_clickPart.size());
    const bool over = shown.contains(e->globalPosition().toPoint());
    if (e->button() == Qt::LeftButton && !afterDouble && over)
        emit clicked();
}

void VbControl::mouseDoubleClickEvent(QMouseEvent *e)
{
    // The second press of a double click arrives as this event alone.
    emit mouseDown(Vb::button(e->button()), Vb::shift(e->modifiers()), e->position());
    if (e->button() == Qt::LeftButton) {
        m_doublePressed = true;
        emit doubleClicked();
    }
}
