#pragma once

#include "shell/frmmain.h"

#include <QEvent>
#include <QPoint>
#include <QString>

#include <initializer_list>

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
    void click(Qt::MouseButton b, QPoint p)
    {
        press(b, p);
        release(b, p);
    }
    // Pressed at the first point, moved through the others in turn and released at the last.
    void drag(Qt::MouseButton b, std::initializer_list<QPoint> path);
};

// A pointer on the screen: moved to one global point, pressed there, moved and released at
// another, sent through the top-level window of w as the platform sends them,
// so Qt picks the widget under the press and that widget keeps the pointer.
void pointerDrag(QWidget *w, QPoint pressAt, QPoint releaseAt, Qt::MouseButton b = Qt::LeftButton);
// A click at point p of w: pressed and released at one place on the screen,
// even where the press moves w to look pressed.
void pointerClick(QWidget *w, QPoint p, Qt::MouseButton b = Qt::LeftButton);

// Keys typed on the keyboard: sent through the window of w to whichever of its
// controls has the focus; "\t" is Tab, "\n" Enter.
void typeKeys(QWidget *w, const QString &keys);

// The centre of cell (x, y) on a chamber's drawing surface of tile by tile pixel cells.
inline QPoint centre(int x, int y, int tile = frmMain::DefaultTileSize)
{
    return {x * tile + tile / 2, y * tile + tile / 2};
}
