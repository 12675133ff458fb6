#include "common/text8.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <bitset>

namespace {

constexpr char16_t LoneCR = 0xE00D;
constexpr char16_t LoneLF = 0xE00A;

// The characters the 256 codes stand for, each one coming back as its code.
const std::bitset<0x10000> &heldTable()
{
    static const std::bitset<0x10000> table = [] {
        std::bitset<0x10000> t;
        for (int b = 0; b < 256; ++b) {
            const QByteArray code(1, char(b));
            const QString c = Text8::toUnicode(code);
            if (c.size() == 1 && Text8::fromUnicode(c) == code)
                t.set(c.at(0).unicode());
        }
        return t;
    }();
    return table;
}

bool isBoxBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator ||
           c == QChar(LoneCR) || c == QChar(LoneLF);
}

template <typename Keep>
QString keepOnly(QStringView text, Keep keep)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        if (keep(c))
            out += c;
    return out;
}

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

bool canHold(QChar c)
{
    return heldTable().test(c.unicode());
}

QString heldOnly(QStringView text)
{
    return keepOnly(text, canHold);
}

bool boxCanHold(QChar c)
{
    return isBoxBreak(c) || canHold(c);
}

QString boxHeldOnly(QStringView text)
{
    return keepOnly(text, boxCanHold);
}

} // namespace Text8
