#pragma once

#include <QLineEdit>

// A single-line text box that takes in only what code page 1250 can hold.
// Typed, pasted, dropped and input-method text loses the characters the file
// cannot store where it goes in; any other way in (a paste from the selection
// or the menu) is refused whole when it holds such a character.
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
