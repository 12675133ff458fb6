#pragma once

#include "support/builders.h"
#include "toolkit/filedialogseam.h"
#include "toolkit/msgbox.h"

#include <QList>
#include <QString>
#include <QStringList>

class frmMain;

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

// The names the set window shows in rows 1..NumCaves.
QStringList rowNames(frmMain &m);
