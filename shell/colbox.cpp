#include "shell/colbox.h"

#include "toolkit/vbevents.h"

#include <QMouseEvent>

ColBox::ColBox(QColor back, QWidget *parent) : QWidget(parent)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, back);
    setPalette(p);
    setAutoFillBackground(true);
}

void ColBox::mousePressEvent(QMouseEvent *e)
{
    emit mouseDown(Vb::button(e->button()), Vb::shift(e->modifiers()), e->position());
}

void ColBox::mouseMoveEvent(QMouseEvent *e)
{
    emit mouseMove(Vb::buttons(e->buttons()), Vb::shift(e->modifiers()), e->position());
}

void ColBox::mouseDoubleClickEvent(QMouseEvent *e) { mousePressEvent(e); }
