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
QString boxHeldOnly(QStringView text);

// The byte at i as its code 0..255, as the format's length and value characters are read.
inline int code(const QByteArray &bytes, qsizetype i)
{
    return static_cast<unsigned char>(bytes.at(i));
}

} // namespace Text8
