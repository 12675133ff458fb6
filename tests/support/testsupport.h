#pragma once

#include "support/builders.h"
#include "toolkit/filedialogseam.h"
#include "toolkit/msgbox.h"

#include <QList>
#include <QString>

// Scripted answers for message boxes and file dialogs, recording what the
// program asked.
class ScriptedUser
{
public:
    ScriptedUser();
    ~ScriptedUser();

    QList<Vb::MessageRequest> messages;
    QList<Vb::MsgResult> messageAnswers;       // taken in order; Cancel when run out
    QList<Vb::FileDialogRequest> dialogs;
    QList<QString> dialogAnswers;              // taken in order; "" when run out
};
