#pragma once

#include <QString>
#include <QStringView>

class QMimeData;
class QWidget;

// What a text box takes in of the text the user types, pastes, drops or composes: the characters
// code page 1250 can hold and, of those, as much as the box still has room for. Whatever it
// leaves out, the box says at once where the user looks: the platform's beep and a tooltip at
// the box naming what was left out and why.
namespace BoxIntake {

// How many leading characters of text fit into room file bytes.
using Fit = qsizetype (*)(QStringView text, qsizetype room);

struct Box
{
    QWidget *widget = nullptr;
    bool lines = false; // keeps line breaks
    int cap = 0;        // what the box holds in file bytes; 0: no limit
    qsizetype room = 0; // bytes still free where the text goes in
    Fit fit = nullptr;  // null: one byte a character
};

QString admit(const Box &box, QStringView text);

// The plain text of whatever a clipboard or a drag offers: plain text as it is, Markdown and
// HTML as the text they show. Null when it offers no text at all.
QString plainText(const QMimeData *source);
bool offersText(const QMimeData *source);

} // namespace BoxIntake
