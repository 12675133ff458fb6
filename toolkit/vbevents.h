#pragma once

#include "toolkit/seam.h"

#include <QAction>
#include <QMenu>
#include <QPoint>

// The event conventions the windows are written against.
namespace Vb {

// Mouse buttons; a move reports the sum of those held.
constexpr int NoButton = 0;
constexpr int LeftButton = 1;
constexpr int RightButton = 2;
constexpr int MiddleButton = 4;
int button(Qt::MouseButton b);
int buttons(Qt::MouseButtons b);
// Shift state: the sum of the keys held.
constexpr int ShiftMask = 1;
constexpr int CtrlMask = 2;
constexpr int AltMask = 4;
int shift(Qt::KeyboardModifiers m);

// Key codes: letters and digits as their upper-case characters, the others
// as named here; F1 to F12 follow one another from KeyF1.
constexpr int KeyBack = 8;
constexpr int KeyTab = 9;
constexpr int KeyReturn = 13;
constexpr int KeyShift = 16;
constexpr int KeyControl = 17;
constexpr int KeyAlt = 18;
constexpr int KeyEscape = 27;
constexpr int KeyPageUp = 33;
constexpr int KeyPageDown = 34;
constexpr int KeyEnd = 35;
constexpr int KeyHome = 36;
constexpr int KeyLeft = 37;
constexpr int KeyUp = 38;
constexpr int KeyRight = 39;
constexpr int KeyDown = 40;
constexpr int KeyInsert = 45;
constexpr int KeyDelete = 46;
constexpr int KeyF1 = 112;
constexpr int KeyF4 = 115;
int keyCode(int qtKey);

// Where a close request comes from.
enum CloseOrigin : int {
    CloseFromControlBox = 0,
    CloseFromProgram = 1,
    CloseFromShutdown = 2,
    CloseFromTaskManager = 3,
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
inline void setPopupAnswerer(PopupAnswerer answerer)
{
    PopupSeam::set(std::move(answerer));
}

} // namespace Vb
