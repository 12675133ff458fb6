#pragma once

#include "editor/spinbox.h"

#include <QDialog>
#include <QLineEdit>

// The size dialog "Rozměry komnaty": one instance, shown modally, hidden
// instead of closed. It has no cancel: closing it accepts its values.
// Callers set txtUD(HeightBox) and txtUD(WidthBox), exec() it and read them.
class frmSize : public QDialog
{
    Q_OBJECT
public:
    explicit frmSize(QWidget *parent = nullptr);

    static constexpr int HeightBox = 0, WidthBox = 1;
    QLineEdit *txtUD(int i) const { return spin->txtUD[static_cast<size_t>(i)]; }
    SpinBoxes *spin = nullptr; // imgUD(0..1), tmrUD, SpinStep

    void Form_Initialize();
    void Form_KeyDown(int KeyCode, int Shift);
    void Form_QueryUnload(int &Cancel, int UnloadMode);
    void txtUD_Change(int Index);

    // Escape does nothing here.
    void reject() override {}
    void accept() override;

protected:
    void closeEvent(QCloseEvent *e) override;
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *obj, QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
};
