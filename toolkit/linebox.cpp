#include "toolkit/linebox.h"

#include "common/text8.h"
#include "toolkit/boxintake.h"
#include "toolkit/inputcommit.h"

#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QValidator>

namespace {

// Whatever way in the box does not cut itself loses the characters the file cannot hold here,
// the caret staying after what was kept. The box takes a changed text whole, so that way in
// starts the box's undo anew.
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

QString LineBox::admitted(const QString &text, qsizetype room)
{
    return BoxIntake::admit({this, false, maxLength(), room, nullptr}, text);
}

// A paste the box takes whole is left to the line edit: one undo step of its own. A cut one
// goes in here as cut, before the line edit would cut it without a word.
bool LineBox::pasteCut(QClipboard::Mode mode)
{
    const QString clip = QGuiApplication::clipboard()->text(mode);
    const QString kept = admitted(clip, room());
    if (kept == clip)
        return false;
    if (!kept.isEmpty()) // nothing to put in leaves the selection as it is
        insert(kept);
    return true;
}

void LineBox::paste()
{
    if (!isReadOnly() && !pasteCut(QClipboard::Clipboard))
        QLineEdit::paste();
}

void LineBox::keyPressEvent(QKeyEvent *e)
{
    if (e == QKeySequence::Paste && !isReadOnly()) {
        paste();
        e->accept();
        return;
    }
    const QString text = e->text();
    if (!isReadOnly() && !text.isEmpty() && text.at(0).isPrint()) {
        const QString kept = admitted(text, room());
        if (kept != text) {
            if (!kept.isEmpty())
                insert(kept);
            e->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(e);
}

void LineBox::inputMethodEvent(QInputMethodEvent *e)
{
    const QString commit = e->commitString();
    // The commit string replaces the part of the text being composed.
    passCommit(e, commit.isEmpty() ? commit : admitted(commit, room()),
               [this](QInputMethodEvent *x) { QLineEdit::inputMethodEvent(x); });
}

void LineBox::dropEvent(QDropEvent *e)
{
    if (!e->mimeData() || !e->mimeData()->hasText() || isReadOnly()) {
        QLineEdit::dropEvent(e);
        return;
    }
    const QString text = e->mimeData()->text();
    // A drop goes in beside the selection; text moved within the box leaves its place.
    const bool moved = e->source() == this && e->dropAction() == Qt::MoveAction;
    QMimeData kept;
    kept.setText(admitted(text, maxLength() - this->text().size() + (moved ? selectedText().size() : 0)));
    if (kept.text() == text) {
        QLineEdit::dropEvent(e);
        return;
    }
    QDropEvent cut(e->position(), e->possibleActions(), &kept, e->buttons(), e->modifiers(), e->type());
    cut.setDropAction(e->dropAction());
    QLineEdit::dropEvent(&cut);
    e->setDropAction(cut.dropAction());
    e->setAccepted(cut.isAccepted());
}

// The selection's paste with the middle button.
void LineBox::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::MiddleButton && !isReadOnly() &&
        QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        if (pasteCut(QClipboard::Selection)) {
            e->accept();
            return;
        }
    }
    QLineEdit::mouseReleaseEvent(e);
}

void LineBox::contextMenuEvent(QContextMenuEvent *e)
{
    // The menu's paste, whichever way the line edit ties it, is this box's.
    QMenu *menu = createStandardContextMenu();
    for (QAction *item : menu->actions())
        if (disconnect(item, &QAction::triggered, this, &QLineEdit::paste))
            connect(item, &QAction::triggered, this, &LineBox::paste);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(e->globalPos());
}
