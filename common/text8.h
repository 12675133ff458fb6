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

} // namespace Text8
