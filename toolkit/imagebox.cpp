#include "toolkit/imagebox.h"

#include "toolkit/vbevents.h"

#include <QMouseEvent>
#include <QPainter>

ImageBox::ImageBox(QWidget *parent) : QWidget(parent)
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
    p.drawPixmap(0, 0, m_picture.pixmap(size()));
}

void ImageBox::mousePressEvent(QMouseEvent *e)
{
    emit mouseDown(Vb::button(e->button()), Vb::shift(e->modifiers()), e->position());
}

void ImageBox::mouseMoveEvent(QMouseEvent *e)
{
    emit mouseMove(Vb::buttons(e->buttons()), Vb::shift(e->modifiers()), e->position());
}

void ImageBox::mouseReleaseEvent(QMouseEvent *e)
{
    emit mouseUp(Vb::button(e->button()), Vb::shift(e->modifiers()), e->position());
    if (rect().contains(e->position().toPoint()))
        emit clicked();
}

void ImageBox::mouseDoubleClickEvent(QMouseEvent *e)
{
    emit mouseDown(Vb::button(e->button()), Vb::shift(e->modifiers()), e->position());
    emit doubleClicked();
}
