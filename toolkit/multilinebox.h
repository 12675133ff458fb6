#pragma once

#include <QByteArray>
#include <QPlainTextEdit>
#include <QString>

// A multi-line text box. Its text is read from the document's raw text, since
// toPlainText() turns no-break spaces into blanks, and it can hold a maximum
// length counted in file bytes (a line break is CR LF, two bytes).
//
// Lines wrap at word boundaries, and anywhere in a word wider than the box.
// Laid out so, a long run without a place to break costs time by the square of
// its length (each line looks for a word boundary up to the run's end before
// it breaks the word), so while the text holds such a run the box wraps
// anywhere, in time by the length; text without one wraps as before.
class MultiLineBox : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit MultiLineBox(QWidget *parent = nullptr);

    // Every line break as "\n"; what Text8::fromBoxText turns into file bytes.
    QString Text() const;
    QByteArray Bytes() const;
    // Writes only a text that differs, so the same text raises no change; either
    // way the box's undo starts anew. A text over the maximum length is cut at its end.
    void SetText(const QString &text);

    // 0 means no limit. Typing, pasting, dropping and input-method text that
    // would pass it are refused or cut where they go in, as are characters
    // code page 1250 cannot hold; the box says what it left out.
    void setMaxBytes(int maxBytes) { m_maxBytes = maxBytes; }
    int maxBytes() const { return m_maxBytes; }

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void inputMethodEvent(QInputMethodEvent *e) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    void fitWrap(int from, int charsRemoved, int charsAdded);

    // Bytes still free once the selection is replaced.
    qsizetype room() const;
    // What of a text goes in at the caret: what the file can hold, as much as fits.
    QString admitted(const QString &text);

    int m_maxBytes = 0;
};
