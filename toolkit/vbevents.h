#pragma once

#include "toolkit/seam.h"

#include <QAction>
#include <QMenu>
#include <QPoint>

// The event conventions the windows are written against.
namespace Vb {

// Mouse buttons: 1 left, 2 right, 4 middle; a move reports the sum held.
int button(Qt::MouseButton b);
int buttons(Qt::MouseButtons b);
// Shift state: 1 Shift, 2 Ctrl, 4 Alt.
int shift(Qt::KeyboardModifiers m);

// Key codes: letters and digits as their upper-case characters, Return 13,
// Escape 27, Delete 46, F1 112 .. F12 123, arrows 37 to 40 and so on.
int keyCode(int qtKey);

// Where a close request comes from.
enum CloseOrigin : int {
    CloseFromControlBox = 0,
    CloseFromProgram = 1,
    CloseFromShutdown = 2,
    CloseFromFrame = 4,
};

// Lets pending events run.
void DoEvents();

// Shows menu as a pop-up with its top left corner at globalPos; the chosen
// item's handler runs before this returns. Returns the chosen item or null.
QAction *PopupMenu(QMenu *menu, QPoint globalPos, QAction *defaultItem = nullptr);

// Where the last pop-up menu opened, in global coordinates.
QPoint lastPopupPosition();

// Tests answer pop-up menus here instead of a user: given the menu, return
// the item to choose (null dismisses it).
using PopupSeam = Seam<QMenu *, QAction *>;
using PopupAnswerer = PopupSeam::Answerer;
inline void setPopupAnswerer(PopupAnswerer answerer) { PopupSeam::set(std::move(answerer)); }

} // namespace Vb
