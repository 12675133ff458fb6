#pragma once

#include <QInputMethodEvent>
#include <QString>

// Hands a text box's own handler the input method's event with its commit
// string cut to kept, the part of it the box takes in.
template <class Handle>
void passCommit(QInputMethodEvent *e, const QString &kept, Handle handle)
{
    if (kept == e->commitString()) {
        handle(e);
        return;
    }
    QInputMethodEvent cut(e->preeditString(), e->attributes());
    cut.setCommitString(kept, e->replacementStart(), e->replacementLength());
    handle(&cut);
    e->accept();
}
