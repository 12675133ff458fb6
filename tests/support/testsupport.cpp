#include "support/testsupport.h"

#include <QFile>

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

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
