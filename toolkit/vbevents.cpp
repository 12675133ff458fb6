#include "toolkit/vbevents.h"

#include <QCoreApplication>

namespace {

Vb::PopupAnswerer &popupAnswerer()
{
    static Vb::PopupAnswerer answerer;
    return answerer;
}

} // namespace

namespace Vb {

int button(Qt::MouseButton b)
{
    switch (b) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

int buttons(Qt::MouseButtons b)
{
    return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) | (b & Qt::MiddleButton ? 4 : 0);
}

int shift(Qt::KeyboardModifiers m)
{
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

void DoEvents()
{
    QCoreApplication::processEvents();
}

QAction *PopupMenu(QMenu *menu, QPoint globalPos, QAction *defaultItem)
{
    menu->setDefaultAction(defaultItem);
    if (popupAnswerer()) {
        QAction *chosen = popupAnswerer()(menu);
        if (chosen)
            chosen->trigger();
        return chosen;
    }
    return menu->exec(globalPos);
}

void setPopupAnswerer(PopupAnswerer answerer)
{
    popupAnswerer() = std::move(answerer);
}

} // namespace Vb
