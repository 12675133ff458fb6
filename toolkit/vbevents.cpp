#include "toolkit/vbevents.h"

#include <QCoreApplication>

namespace {

QPoint g_lastPopup;

} // namespace

namespace Vb {

int button(Qt::MouseButton b)
{
    switch (b) {
    case Qt::LeftButton: return LeftButton;
    case Qt::RightButton: return RightButton;
    case Qt::MiddleButton: return MiddleButton;
    default: return NoButton;
    }
}

int buttons(Qt::MouseButtons b)
{
    return (b & Qt::LeftButton ? LeftButton : 0) | (b & Qt::RightButton ? RightButton : 0) |
           (b & Qt::MiddleButton ? MiddleButton : 0);
}

int shift(Qt::KeyboardModifiers m)
{
    return (m & Qt::ShiftModifier ? ShiftMask : 0) | (m & Qt::ControlModifier ? CtrlMask : 0) |
           (m & Qt::AltModifier ? AltMask : 0);
}

int keyCode(int k)
{
    if ((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9) || k == Qt::Key_Space)
        return k;
    if (k >= Qt::Key_F1 && k <= Qt::Key_F12)
        return KeyF1 + (k - Qt::Key_F1);
    switch (k) {
    case Qt::Key_Backspace: return KeyBack;
    case Qt::Key_Tab: return KeyTab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return KeyReturn;
    case Qt::Key_Shift: return KeyShift;
    case Qt::Key_Control: return KeyControl;
    case Qt::Key_Alt: return KeyAlt;
    case Qt::Key_Escape: return KeyEscape;
    case Qt::Key_PageUp: return KeyPageUp;
    case Qt::Key_PageDown: return KeyPageDown;
    case Qt::Key_End: return KeyEnd;
    case Qt::Key_Home: return KeyHome;
    case Qt::Key_Left: return KeyLeft;
    case Qt::Key_Up: return KeyUp;
    case Qt::Key_Right: return KeyRight;
    case Qt::Key_Down: return KeyDown;
    case Qt::Key_Insert: return KeyInsert;
    case Qt::Key_Delete: return KeyDelete;
    default: return 0;
    }
}

void DoEvents()
{
    QCoreApplication::processEvents();
}

QAction *PopupMenu(QMenu *menu, QPoint globalPos, QAction *defaultItem)
{
    menu->setDefaultAction(defaultItem);
    g_lastPopup = globalPos;
    if (const auto answer = PopupSeam::answer(menu)) {
        QAction *chosen = *answer;
        if (chosen)
            chosen->trigger();
        return chosen;
    }
    return menu->exec(globalPos);
}

QPoint lastPopupPosition()
{
    return g_lastPopup;
}

} // namespace Vb
