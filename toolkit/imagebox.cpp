#include "toolkit/imagebox.h"

#include <QPainter>

ImageBox::ImageBox(QWidget *parent) : VbControl(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
}

void ImageBox::setPicture(const Picture &picture)
{
    if (m_picture == picture)
        return;
    m_picture = picture;
    update();
}

void ImageBox::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter p(this);
    p.drawPixmap(0, 0, m_picture.pixmap(size(), devicePixelRatioF()));
}
