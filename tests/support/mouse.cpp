#include "support/mouse.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

void Mouse::send(QEvent::Type type, Qt::MouseButton b, QPoint p)
{
    if (type == QEvent::MouseButtonPress)
        held |= b;
    else if (type == QEvent::MouseButtonRelease)
        held &= ~Qt::MouseButtons(b);
    QMouseEvent e(type, QPointF(p), target->mapToGlobal(QPointF(p)), b, held, Qt::NoModifier);
    QApplication::sendEvent(target, &e);
}
