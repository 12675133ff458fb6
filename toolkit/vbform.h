#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class QMdiArea;
class QMdiSubWindow;

namespace Vb {
// Closes the frame's child windows as the frame closes (origin 4); false
// when one of them refuses.
bool CloseChildren(QMdiArea *frame);
// The frame's child windows in the order their forms were made, whenever each
// got its MDI frame: the order the window list and tiling show them in.
QList<QMdiSubWindow *> ChildrenInOrder(const QMdiArea *frame);
// Asked for by the user, a minimised child comes back as its restore button brings it.
void RestoreIfMinimised(QMdiSubWindow *w);
// Qt takes "[*]" in a window title for the mark of unsaved changes and hides it; the title of a
// caption shows it as written.
QString TitleOfCaption(const QString &caption);
} // namespace Vb

// A child window of the frame. It is created hidden and appears only when
// shown; its close requests reach Form_QueryUnload with their origin
// (Vb::CloseOrigin) and a cancel flag, so a window can hide instead of
// closing; with KeyPreview it sees each key press before its focused control.
class VbForm : public QWidget
{
    Q_OBJECT
public:
    // With frameOnFirstUse the MDI frame is made when the window is first
    // shown or its frame first asked for: a window that may never be shown
    // then costs little to make and to keep.
    explicit VbForm(QMdiArea *frame, bool frameOnFirstUse = false);

    QMdiSubWindow *subWindow() const;
    bool hasSubWindow() const { return m_sub != nullptr; }

    bool KeyPreview = false;

    void setVisible(bool visible) override;
    QString Caption() const;
    void setCaption(const QString &caption);
    // Brings the window to the front of the frame, back from minimised, and gives it the focus.
    void SetFocus();
    // A close request from the program itself.
    void Unload();
    // Minimised, or on the way back: a restore first passes the window through
    // its minimised size; once it stands at its own size it gets a resize event.
    bool minimizedOrRestoring() const;
    // Passing to or from minimised, the frame hides and shows the window itself:
    // the window stays on view, as a bar, and keeps what it holds.
    bool frameTurning() const { return m_frameTurning; }

protected:
    virtual void Form_QueryUnload(int &Cancel, int UnloadMode);
    virtual void Form_KeyDown(int KeyCode, int Shift);

    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;
    // Called once the MDI frame exists.
    virtual void frameMade(QMdiSubWindow *) {}

private:
    friend class KeyPreviewFilter;
    friend bool Vb::CloseChildren(QMdiArea *frame);
    friend QList<QMdiSubWindow *> Vb::ChildrenInOrder(const QMdiArea *frame);

    void makeFrame();
    void activateNext(QMdiArea *area);
    // Shown, a child window stands wholly in the frame's area where it fits.
    void keepInArea();

    QMdiArea *m_frame = nullptr;
    quint64 m_order = 0;
    QMdiSubWindow *m_sub = nullptr;
    bool m_unloading = false;
    bool m_restoring = false;
    bool m_frameTurning = false;
    QString m_caption; // as written; painting asks for it once a cell
};
