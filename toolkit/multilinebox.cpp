#include "toolkit/multilinebox.h"

#include "common/text8.h"
#include "toolkit/boxintake.h"
#include "toolkit/inputcommit.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextBoundaryFinder>

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

// A run of this many characters without a place to break a line is more than two lines of the
// widest box; no word of prose comes near it.
constexpr qsizetype LongRun = 100;

// Whether text holds a run longer than LongRun where a line may not break, found as the
// layout finds its break points.
bool hasLongRun(const QString &text)
{
    if (text.size() <= LongRun)
        return false;
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    qsizetype last = 0;
    for (qsizetype at = breaks.toNextBoundary(); at >= 0; at = breaks.toNextBoundary()) {
        if (at - last > LongRun)
            return true;
        last = at;
    }
    return false;
}

QTextOption::WrapMode wrapFor(bool longRun)
{
    return longRun ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
}

} // namespace

MultiLineBox::MultiLineBox(QWidget *parent) : QPlainTextEdit(parent)
{
    // Runs before the document lays the change out, so the layout already has the wrap it needs.
    connect(document(), &QTextDocument::contentsChange, this, &MultiLineBox::fitWrap);
}

void MultiLineBox::fitWrap(int from, int, int charsAdded)
{
    // An empty box keeps its wrap: new text replacing the old empties the box first, and
    // SetText has already chosen the wrap the new text needs. Only the changed paragraphs can
    // bring a long run; only the whole text can show the last one has gone.
    if (document()->isEmpty())
        return;
    const bool anywhere = wordWrapMode() == QTextOption::WrapAnywhere;
    QTextBlock block = anywhere ? document()->firstBlock() : document()->findBlock(from);
    const QTextBlock last = anywhere ? document()->lastBlock() : document()->findBlock(from + charsAdded);
    bool longRun = false;
    for (; block.isValid() && !longRun; block = block.next()) {
        longRun = hasLongRun(block.text());
        if (block == last)
            break;
    }
    if (longRun != anywhere)
        setWordWrapMode(wrapFor(longRun));
}

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
    if (fitted == Text()) {
        document()->clearUndoRedoStacks();
        return;
    }
    const QTextOption::WrapMode wrap = wrapFor(hasLongRun(fitted));
    if (wrap != wordWrapMode()) {
        // Changed over the old text, the wrap would lay that out once more, by a rule that may
        // be slow for it; over an empty box it costs nothing. The box's text changes once.
        const QSignalBlocker quiet(this);
        clear();
        setWordWrapMode(wrap);
    }
    setPlainText(fitted);
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
