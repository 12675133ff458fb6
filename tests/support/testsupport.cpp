#include "support/testsupport.h"

ScriptedUser::ScriptedUser()
{
    Vb::setMessageAnswerer([this](const Vb::MessageRequest &r) {
        messages.append(r);
        if (messageAnswers.isEmpty())
            return r.buttons == Vb::MsgOkOnly ? Vb::MsgOk : Vb::MsgCancel;
        return messageAnswers.takeFirst();
    });
    Vb::setFileDialogAnswerer([this](const Vb::FileDialogRequest &r) {
        dialogs.append(r);
        return dialogAnswers.isEmpty() ? QString() : dialogAnswers.takeFirst();
    });
}

ScriptedUser::~ScriptedUser()
{
    Vb::setMessageAnswerer({});
    Vb::setFileDialogAnswerer({});
}
