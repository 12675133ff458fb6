#include "toolkit/multilinebox.h"

#include "common/text8.h"
#include "toolkit/boxintake.h"
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
    // A text loaded anew starts the box's undo anew, even where it is the text already shown;
    // that one is not written again, so that it raises no change.
    if (fitted != Text())
        setPlainText(fitted);
    else
        document()->clearUndoRedoStacks();
}

qsizetype MultiLineBox::room() const
{
    return m_maxBytes - storedBytes(document()->toRawText()) + storedBytes(textCursor().selectedText());
}

QString MultiLineBox::admitted(const QString &text)
{
    const auto fit = [](QStringView t, qsizetype bytes) { return fittingPrefix(t, bytes); };
    return BoxIntake::admit({this, true, m_maxBytes, room(), fit}, text);
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
        const QString kept = typed.isEmpty() ? typed : admitted(typed);
        if (kept != typed) {
            if (!kept.isEmpty() && typed != QStringLiteral("\n")) {
                QKeyEvent cut(e->type(), e->key(), e->modifiers(), kept, e->isAutoRepeat(),
                              static_cast<quint16>(e->count()));
                QPlainTextEdit::keyPressEvent(&cut);
            }
            e->accept();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(e);
}

void MultiLineBox::inputMethodEvent(QInputMethodEvent *e)
{
    const QString commit = e->commitString();
    passCommit(e, commit.isEmpty() ? commit : admitted(commit),
               [this](QInputMethodEvent *x) { QPlainTextEdit::inputMethodEvent(x); });
}

bool MultiLineBox::canInsertFromMimeData(const QMimeData *source) const
{
    return BoxIntake::offersText(source);
}

// Every paste and drop comes here: the keys, the menu, the selection's middle click, a drop.
// Rich text comes in as the text it shows.
void MultiLineBox::insertFromMimeData(const QMimeData *source)
{
    const QString text = BoxIntake::plainText(source);
    if (text.isEmpty())
        return;
    QMimeData cut;
    cut.setText(admitted(text));
    QPlainTextEdit::insertFromMimeData(&cut);
}
