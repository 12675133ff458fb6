#include "toolkit/vbshape.h"

#include <QPainter>

VbShape::VbShape(QWidget *parent, Kind kind) : VbControl(parent), m_kind(kind)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void VbShape::setBorderColor(QColor c)
{
    m_border = c;
    update();
}

void VbShape::setBorderWidth(int w)
{
    m_borderWidth = w;
    update();
}

void VbShape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QPen pen(m_border);
    pen.setWidth(m_borderWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    // The outline lies inside the control's rectangle.
    const qreal half = m_borderWidth / 2.0;
    const QRectF r = QRectF(rect()).adjusted(half, half, -half, -half);
    if (m_kind == Circle) {
        p.setRenderHint(QPainter::Antialiasing);
        p.drawEllipse(r);
    } else {
        p.drawRect(r);
    }
}
