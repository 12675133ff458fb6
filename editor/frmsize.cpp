#include "editor/frmsize.h"

#include "toolkit/application.h"
#include "toolkit/vbevents.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>

frmSize::frmSize(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    // A fixed tool window: a title and a close box, never minimised or maximised.
    Vb::offerNoMinimise(this);
    setWindowTitle(QStringLiteral("Rozměry komnaty"));
    setFixedSize(228, 43);
    setModal(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x4a, 0x2a, 0x10));
    setPalette(pal);

    spin = new SpinBoxes(2, this);
    // The width comes first in the tab order.
    spin->create(WidthBox, this, {QStringLiteral("Šířka :"), QStringLiteral("0550"), 2, 10, 10, 88});
    spin->create(HeightBox, this, {QStringLiteral("Výška :"), QStringLiteral("0530"), 2, 123, 10, 94});
    for (int i = 0; i < 2; ++i)
        connect(txtUD(i), &QLineEdit::textChanged, this, [this, i] { txtUD_Change(i); });
    setTabOrder(txtUD(WidthBox), txtUD(HeightBox));
    for (QWidget *w : findChildren<QWidget *>())
        w->installEventFilter(this);
    if (QScreen *s = QApplication::primaryScreen())
        move(s->geometry().center() - rect().center());
    Form_Initialize();
}

void frmSize::Form_Initialize()
{
    for (int i = 0; i < 2; ++i)
        SetNumOnly(txtUD(i), true);
}

void frmSize::Form_KeyDown(int KeyCode, int)
{
    if (KeyCode == Vb::KeyReturn)
        accept();
}

void frmSize::Form_QueryUnload(int &Cancel, int UnloadMode)
{
    if (UnloadMode < Vb::CloseFromTaskManager)
        Cancel = 1;
    accept();
}

// Hiding is accepting: what the user typed is brought into range first.
void frmSize::accept()
{
    spin->letGo();
    for (int i = 0; i < 2; ++i)
        spin->EndEdit(i);
    hide();
}

void frmSize::txtUD_Change(int Index)
{
    spin->checkText(Index);
}

void frmSize::closeEvent(QCloseEvent *e)
{
    int cancel = 0;
    Form_QueryUnload(cancel, Vb::CloseFromControlBox);
    e->ignore();
}

// Each showing starts in the width box, first in the tab order, its whole text
// selected so typing replaces it; the focus the dialog had when it last went does not matter.
void frmSize::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    txtUD(WidthBox)->setFocus(Qt::TabFocusReason);
    txtUD(WidthBox)->selectAll();
}

// The dialog sees every key before its boxes; Enter goes no further.
bool frmSize::eventFilter(QObject *obj, QEvent *e)
{
    if (e->type() == QEvent::KeyPress && obj != this && obj->isWidgetType()) {
        auto *k = static_cast<QKeyEvent *>(e);
        Form_KeyDown(Vb::keyCode(k->key()), Vb::shift(k->modifiers()));
        if (Vb::keyCode(k->key()) == Vb::KeyReturn)
            return true;
    }
    return QDialog::eventFilter(obj, e);
}

void frmSize::keyPressEvent(QKeyEvent *e)
{
    // Keys the boxes pass on arrive here too; only Enter means anything, and it stopped above.
    if (Vb::keyCode(e->key()) == Vb::KeyReturn)
        Form_KeyDown(Vb::KeyReturn, Vb::shift(e->modifiers()));
}
