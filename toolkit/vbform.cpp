#include "toolkit/vbform.h"

#include "toolkit/vbevents.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>
#include <QWindowStateChangeEvent>

#include <algorithm>

namespace {
bool g_frameClosing = false;
}

// One filter for all forms: a key press goes first to the form with key
// preview that holds the focused control; the control still gets it.
class KeyPreviewFilter : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        // Only the first delivery, to the focused control, not its propagation.
        if (e->type() != QEvent::KeyPress || !watched->isWidgetType() ||
            watched != QApplication::focusWidget())
            return false;
        for (QObject *o = watched; o; o = o->parent()) {
            // The focus may rest on the window's MDI frame itself (its title bar was clicked).
            auto *form = qobject_cast<VbForm *>(o);
            if (auto *sub = qobject_cast<QMdiSubWindow *>(o))
                form = qobject_cast<VbForm *>(sub->widget());
            if (form) {
                if (form->KeyPreview) {
                    auto *k = static_cast<QKeyEvent *>(e);
                    form->Form_KeyDown(Vb::keyCode(k->key()), Vb::shift(k->modifiers()));
                }
                break;
            }
        }
        return false;
    }
};

// Until its frame is made, a window waits hidden in the frame's area, which owns it.
VbForm::VbForm(QMdiArea *frame, bool frameOnFirstUse)
    : QWidget(frameOnFirstUse ? frame : nullptr), m_frame(frame)
{
    static quint64 made = 0;
    m_order = ++made;
    if (frameOnFirstUse)
        QWidget::setVisible(false);
    else
        makeFrame();
    static KeyPreviewFilter *filter = nullptr;
    if (!filter) {
        filter = new KeyPreviewFilter;
        filter->setParent(qApp);
        qApp->installEventFilter(filter);
    }
}

void VbForm::makeFrame()
{
    m_sub = m_frame->addSubWindow(this);
    // Windows are hidden and shown again, never destroyed by closing.
    m_sub->setAttribute(Qt::WA_DeleteOnClose, false);
    m_sub->setWindowTitle(windowTitle());
    QWidget::setVisible(false);
    m_sub->hide();
    m_sub->installEventFilter(this);
    // The frame has minimised or restored itself once it tells its new state.
    connect(m_sub, &QMdiSubWindow::windowStateChanged, this, [this] { m_frameTurning = false; });
    frameMade(m_sub);
}

QMdiSubWindow *VbForm::subWindow() const
{
    if (!m_sub)
        const_cast<VbForm *>(this)->makeFrame();
    return m_sub;
}

void VbForm::setVisible(bool visible)
{
    if (m_frameTurning) {
        QWidget::setVisible(visible);
        return;
    }
    if (visible && !m_sub)
        makeFrame();
    QMdiArea *area = m_sub ? m_sub->mdiArea() : nullptr;
    const bool wasActive = !visible && area && area->activeSubWindow() == m_sub;
    QWidget::setVisible(visible);
    if (m_sub && m_sub->isVisible() != visible)
        m_sub->setVisible(visible);
    if (visible && m_sub)
        keepInArea();
    if (wasActive)
        activateNext(area);
}

// Hidden, the active child gives way as on a desktop frame: the topmost child
// still on view becomes active, or none is.
void VbForm::activateNext(QMdiArea *area)
{
    QMdiSubWindow *next = nullptr;
    const auto stacked = area->subWindowList(QMdiArea::StackingOrder);
    for (auto it = stacked.crbegin(); it != stacked.crend() && !next; ++it)
        if (*it != m_sub && !(*it)->isHidden())
            next = *it;
    area->setActiveSubWindow(next);
}

void VbForm::keepInArea()
{
    // The area places a child made before the frame's first showing at the
    // frame's first size, which a window manager maximises only afterwards:
    // far left of the area. Dragged out, a child is out of reach as well.
    const QMdiArea *area = m_sub->mdiArea();
    if (!area || m_sub->isMinimized() || m_sub->isMaximized())
        return;
    const QSize room = area->viewport()->size();
    const QRect g = m_sub->geometry();
    // Larger than the area, it keeps its top left corner, and so its title, in view.
    m_sub->move(std::max(0, std::min(g.x(), room.width() - g.width())),
                std::max(0, std::min(g.y(), room.height() - g.height())));
}

QString Vb::TitleOfCaption(const QString &caption)
{
    return QString(caption).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

QString VbForm::Caption() const
{
    return m_caption;
}

void VbForm::setCaption(const QString &caption)
{
    m_caption = caption;
    const QString title = Vb::TitleOfCaption(caption);
    setWindowTitle(title);
    if (m_sub)
        m_sub->setWindowTitle(title);
}

void VbForm::SetFocus()
{
    Vb::RestoreIfMinimised(subWindow());
    if (QMdiArea *area = subWindow()->mdiArea())
        area->setActiveSubWindow(m_sub);
    setFocus();
}

void VbForm::Unload()
{
    m_unloading = true;
    subWindow()->close();
    m_unloading = false;
}

bool VbForm::minimizedOrRestoring() const
{
    return m_restoring || (m_sub && m_sub->isMinimized());
}

bool VbForm::eventFilter(QObject *watched, QEvent *e)
{
    if (watched == m_sub && e->type() == QEvent::WindowStateChange) {
        const bool wasMinimised = static_cast<QWindowStateChangeEvent *>(e)->oldState() & Qt::WindowMinimized;
        if (wasMinimised != m_sub->isMinimized()) {
            m_frameTurning = true;
            QTimer::singleShot(0, this, [this] { m_frameTurning = false; });
        }
        // Seen before the subwindow restores itself, so the passing sizes are ignored.
        if (wasMinimised && !m_sub->isMinimized() && !m_restoring) {
            m_restoring = true;
            QTimer::singleShot(0, this, [this] {
                m_restoring = false;
                QResizeEvent resize(size(), size());
                QCoreApplication::sendEvent(this, &resize);
            });
        }
    }
    return QWidget::eventFilter(watched, e);
}

void VbForm::Form_QueryUnload(int &, int) {}

void VbForm::Form_KeyDown(int, int) {}

void VbForm::closeEvent(QCloseEvent *e)
{
    int cancel = 0;
    const int origin = g_frameClosing ? Vb::CloseFromFrame
                       : m_unloading  ? Vb::CloseFromProgram
                                      : Vb::CloseFromControlBox;
    Form_QueryUnload(cancel, origin);
    if (cancel)
        e->ignore();
    else
        e->accept();
}

namespace Vb {

bool CloseChildren(QMdiArea *frame)
{
    g_frameClosing = true;
    bool all = true;
    const auto windows = frame->subWindowList();
    for (QMdiSubWindow *w : windows)
        if (!w->close())
            all = false;
    // Windows never shown have no frame to close: they get the same request.
    const auto unframed = frame->findChildren<VbForm *>(Qt::FindDirectChildrenOnly);
    for (VbForm *f : unframed) {
        if (f->m_sub)
            continue;
        int cancel = 0;
        f->Form_QueryUnload(cancel, CloseFromFrame);
        if (cancel)
            all = false;
    }
    g_frameClosing = false;
    return all;
}

void RestoreIfMinimised(QMdiSubWindow *w)
{
    if (w->isMinimized())
        w->showNormal();
}

QList<QMdiSubWindow *> ChildrenInOrder(const QMdiArea *frame)
{
    auto windows = frame->subWindowList(QMdiArea::CreationOrder);
    auto order = [](const QMdiSubWindow *w) {
        const auto *form = qobject_cast<const VbForm *>(w->widget());
        return form ? form->m_order : 0;
    };
    std::stable_sort(windows.begin(), windows.end(),
                     [&](const QMdiSubWindow *a, const QMdiSubWindow *b) { return order(a) < order(b); });
    return windows;
}

} // namespace Vb
