#include "editor/atmospherering.h"

#include <QPainter>

AtmRing::AtmRing(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void AtmRing::paintEvent(QPaintEvent *)
{
    if (ring.isEmpty())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const struct
    {
        QColor c;
        int w;
    } circles[4] = {{QColor(0xFF, 0xFF, 0xFF), 7},
                    {QColor(0xFF, 0xC0, 0x80), 5},
                    {QColor(0xC0, 0x40, 0x00), 3},
                    {QColor(0x55, 0x2B, 0x00), 1}};
    for (const auto &c : circles) {
        p.setPen(QPen(c.c, c.w));
        p.drawEllipse(ring);
    }
}
