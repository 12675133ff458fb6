#pragma once

#include <QLineEdit>

// A single-line text box that takes in only what code page 1250 can hold.
// Text coming in by any way loses the characters the file cannot store where
// it goes in; typed, pasted, dropped and input-method text is cut before it
// reaches the box, so the box's undo takes it back as one step.
class LineBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit LineBox(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void inputMethodEvent(QInputMethodEvent *e) override;
    void dropEvent(QDropEvent *e) override;
};
