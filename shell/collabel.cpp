#include "shell/collabel.h"

#include "toolkit/vbevents.h"

#include <QMouseEvent>

ColLabel::ColLabel(QWidget *parent) : QLabel(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
}

void ColLabel::mousePressEvent(QMouseEvent *e)
{
    emit mouseDown(Vb::button(e->button()), Vb::shift(e->modifiers()), e->position());
}

void ColLabel::mouseMoveEvent(QMouseEvent *e)
{
    emit mouseMove(Vb::buttons(e->buttons()), Vb::shift(e->modifiers()), e->position());
}

void ColLabel::mouseReleaseEvent(QMouseEvent *e)
{
    emit mouseUp(Vb::button(e->button()), Vb::shift(e->modifiers()), e->position());
    if (rect().contains(e->position().toPoint()))
        emit clicked();
}

// The second press of a double click is a double click only, not a new press.
void ColLabel::mouseDoubleClickEvent(QMouseEvent *) { emit doubleClicked(); }
