#pragma once

#include "support/builders.h"
#include "toolkit/filedialogseam.h"
#include "toolkit/msgbox.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QStyle>

class frmMain;
class QMdiSubWindow;
class QMenu;
class QMenuBar;
class QWidget;

// Scripted answers for message boxes and file dialogs, recording what the
// program asked.
class ScriptedUser
{
public:
    ScriptedUser();

    QList<Vb::MessageRequest> messages;
    QList<Vb::MsgResult> messageAnswers; // taken in order; Cancel when run out
    QList<Vb::FileDialogRequest> dialogs;
    QList<QString> dialogAnswers; // taken in order; "" when run out

private:
    Vb::MessageSeam::Scoped m_messageSeam;
    Vb::FileDialogSeam::Scoped m_dialogSeam;
};

namespace Vb {
// Message boxes compare whole: text, title, buttons and icon, so one QCOMPARE of
// ScriptedUser::messages checks every box the program showed.
inline bool operator==(const MessageRequest &a, const MessageRequest &b)
{
    return a.text == b.text && a.title == b.title && a.buttons == b.buttons && a.icon == b.icon;
}
char *toString(const MessageRequest &m); // as QtTest prints one that differs
} // namespace Vb

// The names the set window shows in rows 1..NumCaves.
QStringList rowNames(frmMain &m);

// The centre of a button on a child window's title bar, in the child window.
QPoint titleButton(QMdiSubWindow *sub, QStyle::SubControl button);
// The entry text of menu, chosen with the pointer: its title on the bar, then the entry.
bool chooseFromMenu(QMenuBar *bar, QMenu *menu, const QString &text);
