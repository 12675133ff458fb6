#include "toolkit/boxintake.h"

#include "common/czechcount.h"
#include "common/text8.h"

#include <QApplication>
#include <QMimeData>
#include <QTextDocument>
#include <QToolTip>
#include <QWidget>

namespace {

const QString Markdown = QStringLiteral("text/markdown");
constexpr int ListedChars = 12; // a long foreign paste is named by its first few characters

// Each character left out once, in the order it came; one without a face by its code.
QString listed(QStringView unheld)
{
    QList<char32_t> seen;
    QString out;
    for (const char32_t c : unheld.toUcs4()) {
        if (seen.contains(c))
            continue;
        if (seen.size() == ListedChars) {
            out += QStringLiteral(" …");
            break;
        }
        seen.append(c);
        if (!out.isEmpty())
            out += u' ';
        out += QChar::isPrint(c) ? QString::fromUcs4(&c, 1)
                                 : QStringLiteral("U+%1").arg(uint(c), 4, 16, QChar(u'0')).toUpper();
    }
    return out;
}

void tell(QWidget *box, const QString &unheld, int cut)
{
    QStringList said;
    if (!unheld.isEmpty())
        said << QStringLiteral("Znaky, které soubor sady neumí uložit, byly vynechány: ") + listed(unheld);
    if (cut > 0)
        said << QStringLiteral("Text je delší, než pole pojme (nejvýše %1); co se nevešlo, bylo vynecháno.")
                    .arg(CzechCount(cut, QStringLiteral("bajt"), QStringLiteral("bajty"),
                                    QStringLiteral("bajtů")));
    QApplication::beep();
    QToolTip::showText(box->mapToGlobal(QPoint(0, box->height() - 14)), said.join(u'\n'), box);
}

} // namespace

namespace BoxIntake {

QString admit(const Box &box, QStringView text)
{
    QString unheld;
    QString held;
    held.reserve(text.size());
    for (const QChar c : text) {
        if (box.lines ? Text8::boxCanHold(c) : Text8::canHold(c))
            held += c;
        else
            unheld += c;
    }
    const qsizetype room = std::max<qsizetype>(0, box.room);
    qsizetype fitting = held.size();
    if (box.cap > 0)
        fitting = box.fit ? box.fit(held, room) : std::min(held.size(), room);
    const bool cut = fitting < held.size();
    held.truncate(fitting);
    if (box.widget && (cut || !unheld.isEmpty()))
        tell(box.widget, unheld, cut ? box.cap : 0);
    return held;
}

QString plainText(const QMimeData *source)
{
    if (!source)
        return {};
    if (source->hasText())
        return source->text();
    QTextDocument doc;
    if (source->hasFormat(Markdown))
        doc.setMarkdown(QString::fromUtf8(source->data(Markdown)));
    else if (source->hasHtml())
        doc.setHtml(source->html());
    else
        return {};
    return doc.toPlainText();
}

bool offersText(const QMimeData *source)
{
    return source && (source->hasText() || source->hasFormat(Markdown) || source->hasHtml());
}

} // namespace BoxIntake
