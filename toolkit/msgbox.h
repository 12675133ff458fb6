#pragma once

#include "toolkit/seam.h"

#include <QString>
#include <QWidget>

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

using MessageSeam = Seam<const MessageRequest &, MsgResult>;
using MessageAnswerer = MessageSeam::Answerer;
inline void setMessageAnswerer(MessageAnswerer answerer)
{
    MessageSeam::set(std::move(answerer));
}

} // namespace Vb
