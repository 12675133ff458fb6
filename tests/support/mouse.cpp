#include "support/mouse.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include <QtTest>

void Mouse::send(QEvent::Type type, Qt::MouseButton b, QPoint p)
{
    if (type == QEvent::MouseButtonPress)
        held |= b;
    else if (type == QEvent::MouseButtonRelease)
        held &= ~Qt::MouseButtons(b);
    QMouseEvent e(type, QPointF(p), target->mapToGlobal(QPointF(p)), b, held, Qt::NoModifier);
    QApplication::sendEvent(target, &e);
}

void Mouse::drag(Qt::MouseButton b, std::initializer_list<QPoint> path)
{
    press(b, *path.begin());
    for (auto p = path.begin() + 1; p != path.end(); ++p)
        move(*p);
    release(b, *(path.end() - 1));
}

void pointerDrag(QWidget *w, QPoint pressAt, QPoint releaseAt, Qt::MouseButton b)
{
    QWindow *win = w->window()->windowHandle();
    // Moved there first: a title bar knows its buttons by what the pointer hovers.
    QTest::mouseMove(win, win->mapFromGlobal(pressAt));
    QTest::mousePress(win, b, {}, win->mapFromGlobal(pressAt));
    QTest::mouseMove(win, win->mapFromGlobal(releaseAt));
    QTest::mouseRelease(win, b, {}, win->mapFromGlobal(releaseAt));
}

void pointerClick(QWidget *w, QPoint p, Qt::MouseButton b)
{
    const QPoint at = w->mapToGlobal(p);
    pointerDrag(w, at, at, b);
}

void typeKeys(QWidget *w, const QString &keys)
{
    QWindow *win = w->window()->windowHandle();
    for (const QChar c : keys) {
        if (c == u'\t')
            QTest::keyClick(win, Qt::Key_Tab);
        else if (c == u'\n')
            QTest::keyClick(win, Qt::Key_Return);
        else
            QTest::keyClick(win, c.toLatin1());
    }
}
