#include "toolkit/linebox.h"

#include "common/text8.h"
#include "toolkit/inputcommit.h"

#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QValidator>

namespace {

// Every other way in (a paste from the menu or the selection) loses the characters the file
// cannot hold here, the caret staying after what was kept. The box takes a changed text whole,
// so that way in starts the box's undo anew.
class HeldValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override
    {
        qsizetype before = 0;
        for (qsizetype i = 0; i < pos && i < input.size(); ++i)
            before += Text8::canHold(input[i]) ? 1 : 0;
        input = Text8::heldOnly(input);
        pos = int(before);
        return Acceptable;
    }
};

} // namespace

LineBox::LineBox(QWidget *parent) : QLineEdit(parent)
{
    setValidator(new HeldValidator(this));
}

void LineBox::keyPressEvent(QKeyEvent *e)
{
    // A typed key or a paste is cut here, before the box sees it: left to the validator, a cut
    // would mark the text changed and drop the box's undo.
    const bool paste = e == QKeySequence::Paste;
    const QString text = e->text();
    const bool typed = !text.isEmpty() && text.at(0).isPrint();
    if (!isReadOnly() && (paste || typed)) {
        const QString in = paste ? QGuiApplication::clipboard()->text() : text;
        const QString held = Text8::heldOnly(in);
        if (held != in) {
            if (!held.isEmpty()) // nothing to put in leaves the selection as it is
                insert(held);
            e->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(e);
}

void LineBox::inputMethodEvent(QInputMethodEvent *e)
{
    passCommit(e, Text8::heldOnly(e->commitString()),
               [this](QInputMethodEvent *x) { QLineEdit::inputMethodEvent(x); });
}

void LineBox::dropEvent(QDropEvent *e)
{
    if (!e->mimeData() || !e->mimeData()->hasText()) {
        QLineEdit::dropEvent(e);
        return;
    }
    const QString text = e->mimeData()->text();
    QMimeData held;
    held.setText(Text8::heldOnly(text));
    if (held.text().size() == text.size()) {
        QLineEdit::dropEvent(e);
        return;
    }
    QDropEvent cut(e->position(), e->possibleActions(), &held, e->buttons(), e->modifiers(), e->type());
    cut.setDropAction(e->dropAction());
    QLineEdit::dropEvent(&cut);
    e->setDropAction(cut.dropAction());
    e->setAccepted(cut.isAccepted());
}
