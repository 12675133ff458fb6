#include "toolkit/multilinebox.h"

#include "common/text8.h"
#include "toolkit/inputcommit.h"

#include <QKeyEvent>
#include <QMimeData>

namespace {

bool isBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

// How many leading characters of text fit into room file bytes, counted as the
// document will hold them: CR LF, CR, LF and the separators each become one
// break of two bytes; a surrogate pair is one byte and is never split. One
// pass, stopping at the limit, so a huge paste costs no more than the room.
qsizetype fittingPrefix(QStringView text, qsizetype room, qsizetype *used = nullptr)
{
    qsizetype i = 0;
    qsizetype bytes = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        qsizetype step = 1;
        const int cost = isBreak(c) ? 2 : 1;
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            step = 2;
        else if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            step = 2;
        if (bytes + cost > room)
            break;
        bytes += cost;
        i += step;
    }
    if (used)
        *used = bytes;
    return i;
}

qsizetype storedBytes(QStringView text)
{
    qsizetype bytes = 0;
    fittingPrefix(text, text.size() * 2, &bytes);
    return bytes;
}

} // namespace

MultiLineBox::MultiLineBox(QWidget *parent) : QPlainTextEdit(parent) {}

QString MultiLineBox::Text() const
{
    QString text = document()->toRawText();
    for (QChar &c : text)
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u'\n';
    return text;
}

QByteArray MultiLineBox::Bytes() const
{
    return Text8::fromBoxText(Text());
}

void MultiLineBox::SetText(const QString &text)
{
    const QString fitted = m_maxBytes > 0 ? text.left(fittingPrefix(text, m_maxBytes)) : text;
    if (fitted != Text())
        setPlainText(fitted);
}

qsizetype MultiLineBox::room() const
{
    return m_maxBytes - storedBytes(document()->toRawText()) + storedBytes(textCursor().selectedText());
}

QString MultiLineBox::admitted(const QString &text) const
{
    const QString held = Text8::boxHeldOnly(text);
    return m_maxBytes > 0 ? held.left(fittingPrefix(held, room())) : held;
}

void MultiLineBox::keyPressEvent(QKeyEvent *e)
{
    if (!isReadOnly()) {
        QString typed;
        const QString text = e->text();
        if (e == QKeySequence::InsertParagraphSeparator || e == QKeySequence::InsertLineSeparator)
            typed = QStringLiteral("\n");
        else if (!text.isEmpty() && (text.at(0).isPrint() || text.at(0) == u'\t'))
            typed = text;
        if (!typed.isEmpty() && admitted(typed) != typed) {
            e->accept(); // refused: the file cannot hold it, or the box is full
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(e);
}

void MultiLineBox::inputMethodEvent(QInputMethodEvent *e)
{
    passCommit(e, admitted(e->commitString()),
               [this](QInputMethodEvent *x) { QPlainTextEdit::inputMethodEvent(x); });
}

void MultiLineBox::insertFromMimeData(const QMimeData *source)
{
    if (!source || !source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    QMimeData cut;
    cut.setText(admitted(source->text()));
    QPlainTextEdit::insertFromMimeData(&cut);
}
