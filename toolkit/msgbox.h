#pragma once

#include <QString>
#include <QWidget>

#include <functional>

// Every message of the program passes through MsgBox, so tests can answer it.
namespace Vb {

enum MsgButtons { MsgOkOnly = 0, MsgYesNoCancel = 3 };
enum MsgIcon { MsgNoIcon = 0, MsgQuestion = 32, MsgInformation = 64 };
enum MsgResult { MsgOk = 1, MsgCancel = 2, MsgYes = 6, MsgNo = 7 };

struct MessageRequest
{
    QString text;  // line breaks as CR LF, as the windows write them
    QString title; // empty: the program's name
    MsgButtons buttons = MsgOkOnly;
    MsgIcon icon = MsgNoIcon;
};

// Closing the box counts as Cancel (OK for a box with OK only).
MsgResult MsgBox(const QString &text, MsgButtons buttons = MsgOkOnly, MsgIcon icon = MsgNoIcon,
                 const QString &title = QString(), QWidget *parent = nullptr);

using MessageAnswerer = std::function<MsgResult(const MessageRequest &)>;
void setMessageAnswerer(MessageAnswerer answerer);

} // namespace Vb
