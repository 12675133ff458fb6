#pragma once

#include <QByteArray>
#include <QString>

// Files and chamber strings hold code page 1250 bytes; widgets hold QString.
// These are the only crossings between the two.
namespace Text8 {

QString toUnicode(const QByteArray &bytes);
QByteArray fromUnicode(const QString &text);

// Multi-line texts: files hold CR LF, the boxes show plain line breaks. A lone
// CR or LF is carried through a private-use character, so that nothing read
// from a file changes on its way back out.
QString toBoxText(const QByteArray &bytes);
QByteArray fromBoxText(const QString &text);

// Whether code page 1250 has the character, so that it reaches the file as shown.
bool canHold(QChar c);
// The text without the characters code page 1250 cannot hold.
QString heldOnly(QStringView text);
// The same for a multi-line box's text, whose line breaks and kept lone CR or
// LF become file bytes too.
bool boxCanHold(QChar c);
QString boxHeldOnly(QStringView text);

} // namespace Text8
