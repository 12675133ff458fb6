#include "common/text8.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr char16_t LoneCR = 0xE00D;
constexpr char16_t LoneLF = 0xE00A;

} // namespace

namespace Text8 {

QString toUnicode(const QByteArray &bytes)
{
    QStringDecoder decoder("windows-1250");
    return decoder.decode(bytes);
}

QByteArray fromUnicode(const QString &text)
{
    QStringEncoder encoder("windows-1250");
    return encoder.encode(text);
}

QString toBoxText(const QByteArray &bytes)
{
    const QString text = toUnicode(bytes);
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') {
            out += u'\n';
            ++i;
        } else if (c == u'\r') {
            out += QChar(LoneCR);
        } else if (c == u'\n') {
            out += QChar(LoneLF);
        } else {
            out += c;
        }
    }
    return out;
}

QByteArray fromBoxText(const QString &text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (c == u'\n' || c == QChar(0x2029))
            out += u"\r\n";
        else if (c == QChar(LoneCR))
            out += u'\r';
        else if (c == QChar(LoneLF))
            out += u'\n';
        else
            out += c;
    }
    return fromUnicode(out);
}

} // namespace Text8
