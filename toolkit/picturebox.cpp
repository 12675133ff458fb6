#include "toolkit/picturebox.h"

#include <QPainter>

PictureBox::PictureBox(QWidget *parent) : VbControl(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setBackColor(QColor c)
{
    m_back = c;
    update();
}

void PictureBox::setPicture(const Picture &picture)
{
    m_picture = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_back);
    if (!m_picture.isNull())
        p.drawPixmap(0, 0, m_picture.pixmap(size(), devicePixelRatioF()));
}
