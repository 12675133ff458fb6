#pragma once

#include <QEvent>
#include <QPoint>

class QWidget;

// Mouse input sent straight to a widget: presses, moves with the buttons held
// and releases. QTest::mouseMove cannot hold buttons; a move event can.
struct Mouse
{
    QWidget *target;
    Qt::MouseButtons held;

    void send(QEvent::Type type, Qt::MouseButton b, QPoint p);
    void press(Qt::MouseButton b, QPoint p) { send(QEvent::MouseButtonPress, b, p); }
    void move(QPoint p) { send(QEvent::MouseMove, Qt::NoButton, p); }
    void release(Qt::MouseButton b, QPoint p) { send(QEvent::MouseButtonRelease, b, p); }
};

// The centre of cell (x, y) on a chamber's drawing surface.
inline QPoint centre(int x, int y)
{
    return {x * 26 + 13, y * 26 + 13};
}
