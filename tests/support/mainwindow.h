#pragma once

#include "editor/frmsize.h"
#include "shell/commondialogy.h"
#include "shell/frmmain.h"
#include "support/testsupport.h"
#include "toolkit/vbevents.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

// A started main window, shown offscreen so real mouse events reach its
// controls, with scripted answers for its message boxes and file dialogs and
// a folder of its own for set files.
struct MainWindowFixture
{
    ScriptedUser user;
    QTemporaryDir tmp;
    std::unique_ptr<frmMain> w;

    explicit MainWindowFixture(QSize size = {1280, 800})
    {
        CommonDialogy::InitDir.clear(); // no folder remembered from an earlier test
        w = std::make_unique<frmMain>();
        w->resize(size);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }
    ~MainWindowFixture()
    {
        if (w)
            w->Changed = false; // leave without questions
        Vb::setPopupAnswerer({});
    }

    // Start-up opens the template set; tests that bind their own chambers close it.
    bool closeStartupSet()
    {
        w->Changed = false;
        return w->CloseCollection();
    }
    QString path(const QString &name) const { return tmp.filePath(name); }
    // Opens the set file name in the fixture's folder through the menu.
    void openSet(const QString &name)
    {
        user.messageAnswers.clear();
        user.dialogAnswers << path(name);
        w->mnuOpen_Click();
        QCOMPARE(w->FileName, path(name));
    }

    // Runs answer with the size dialog once it has come up: it is modal, so
    // the test's own code waits until the dialog is hidden again.
    void whenSizeDialogShows(std::function<void(frmSize *)> answer)
    {
        auto *poll = new QTimer(w.get());
        QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
            auto *dialog = qobject_cast<frmSize *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            // Keys reach it once it is the active window, as a window manager makes it.
            if (QApplication::activeWindow() != dialog) {
                if (QGuiApplication::focusWindow() == dialog->windowHandle())
                    QApplication::setActiveWindow(dialog);
                else
                    dialog->activateWindow();
                return;
            }
            poll->stop();
            poll->deleteLater();
            answer(dialog);
        });
        poll->start(0);
    }

    template <class T = QWidget>
    T *control(const QString &name) const
    {
        T *c = w->findChild<T *>(name);
        if (!c)
            qWarning("no control %s", qPrintable(name));
        return c;
    }
    ImageBox *image(const QString &name) const { return control<ImageBox>(name); }
    PictureBox *box(const QString &name) const { return control<PictureBox>(name); }
    ImageBox *entry(int n) const { return w->imgS[n]; }
};

// The one way a window test holds its main window: a test class derives from QObject and
// FreshWindow<its area's fixture>, and its init() and cleanup() slots call start() and reset(), so
// every test function starts with a fresh main window.
template <class Fixture = MainWindowFixture>
struct FreshWindow
{
    std::unique_ptr<Fixture> f;
    frmMain *w = nullptr;
    ScriptedUser *user = nullptr;

    void start()
    {
        f = std::make_unique<Fixture>();
        w = f->w.get();
        user = &f->user;
    }
    void reset()
    {
        f.reset();
        w = nullptr;
        user = nullptr;
    }
};

#include "toolkit/vbform.h"

// A child window that hides instead of closing, as the program's windows do, and records why it was
// asked to close; only its frame's closing closes it.
class HidingForm : public VbForm
{
public:
    using VbForm::VbForm;
    QList<int> origins;

protected:
    void Form_QueryUnload(int &Cancel, int UnloadMode) override
    {
        origins.append(UnloadMode);
        if (UnloadMode != Vb::CloseFromFrame) {
            Cancel = 1;
            hide();
        }
    }
};

// A QtTest row, each text cell written as a UTF-8 literal and added as a QString.
inline QString rowCell(const char *text)
{
    return QString::fromUtf8(text);
}
template <class T>
const T &rowCell(const T &value)
{
    return value;
}
template <class... Cells>
void addRow(const char *tag, const Cells &...cells)
{
    QTestData &r = QTest::newRow(tag);
    ((r << rowCell(cells)), ...);
}
