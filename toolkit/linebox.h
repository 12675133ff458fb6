#pragma once

#include <QClipboard>
#include <QLineEdit>

// A single-line text box that takes in only what code page 1250 can hold, within its maximum
// length. Typed, pasted, dropped and input-method text is cut before it reaches the box, so the
// box's undo takes it back as one step; the box says what it left out.
class LineBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit LineBox(QWidget *parent = nullptr);

public slots:
    // Stands in for the line edit's own paste, here and in the context menu.
    void paste();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void inputMethodEvent(QInputMethodEvent *e) override;
    void dropEvent(QDropEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void contextMenuEvent(QContextMenuEvent *e) override;

private:
    // What of text goes in where room characters are free.
    QString admitted(const QString &text, qsizetype room);
    qsizetype room() const { return maxLength() - text().size() + selectedText().size(); }
    // Whether the box pasted the clipboard's text itself, cut.
    bool pasteCut(QClipboard::Mode mode);
};
