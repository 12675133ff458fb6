// The editor on a real X server with a window manager (scripts/xcheck.sh runs
// it there): what only a window manager and real pointer events show. Each
// step leaves a screenshot in tests/xcheck/ of the build folder.
#include "editor/frmcave.h"
#include "editor/frmsize.h"
#include "editor/piccave.h"
#include "shell/frmcol.h"
#include "shell/frmmain.h"
#include "support/mouse.h"
#include "support/testsupport.h"
#include "toolkit/application.h"
#include "toolkit/filedialogseam.h"
#include "toolkit/linebox.h"
#include "toolkit/msgbox.h"
#include "toolkit/multilinebox.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

namespace {

constexpr int Patience = 10000; // ms for the window manager and the X server to answer
// Waits as long as the window manager and the X server may take.
#define XTRY_VERIFY(cond) QTRY_VERIFY_WITH_TIMEOUT(cond, Patience)
#define XTRY_COMPARE(actual, expected) QTRY_COMPARE_WITH_TIMEOUT(actual, expected, Patience)

QRect globalRect(const QWidget *w)
{
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

// A helper program run to its end; its output, or nothing when it failed.
std::optional<QByteArray> run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(Patience) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return std::nullopt;
    return p.readAllStandardOutput();
}

// A real click through the X server, as a user's pointer gives it; the server
// takes the move and the click in order.
bool click(const QWidget *w, QPoint at, int times = 1, Qt::MouseButton button = Qt::LeftButton)
{
    const QPoint p = w->mapToGlobal(at);
    const int xButton = button == Qt::MiddleButton ? 2 : button == Qt::RightButton ? 3 : 1;
    return run("xdotool", {"mousemove", QString::number(p.x()), QString::number(p.y()), "click", "--repeat",
                           QString::number(times), QString::number(xButton)})
        .has_value();
}

// Keys typed through the X server, as xdotool names them ("alt+n").
bool typeKeys(const QString &keys)
{
    return run("xdotool", {"key", keys}).has_value();
}

// What the window manager lets the user do with a window (_NET_WM_ALLOWED_ACTIONS).
QString allowedActions(const QWidget *w)
{
    return QString::fromLatin1(
        run("xprop", {"-id", QString::number(w->winId()), "_NET_WM_ALLOWED_ACTIONS"}).value_or(QByteArray()));
}

} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT

    std::optional<ScriptedUser> user{std::in_place};
    std::unique_ptr<frmMain> main;
    QString shots;

    // The whole screen once the frame shows painted: its area's far corner,
    // which no window covers here, in the area's colour.
    void shot(const QString &name)
    {
        const QWidget *area = main->mdiArea()->viewport();
        const QPoint corner = area->mapToGlobal(QPoint(area->width() - 5, area->height() - 5));
        const QColor well = main->mdiArea()->background().color();
        QImage screen;
        XTRY_VERIFY((screen = grabScreen()).pixelColor(corner) == well);
        QVERIFY(screen.save(shots + '/' + name + ".png"));
    }

    QImage grabScreen() const { return main->screen()->grabWindow(0).toImage(); }

    // Minimised, a modal window would take the whole editor with it. Its screenshot follows.
    void offersNoMinimise(const QWidget *w, const QString &picture)
    {
        QString actions;
        XTRY_VERIFY((actions = allowedActions(w)).contains("_NET_WM_ACTION_CLOSE"));
        QVERIFY2(!actions.contains("MINIMIZE") && !actions.contains("MAXIMIZE"), qPrintable(actions));
        shot(picture);
    }

    // The real modal window ask() brings up, with no scripted answers: look() gets it once it is
    // active. The scripted answers come back afterwards.
    template <class Ask>
    void withRealModal(Ask ask, const std::function<void(QWidget *)> &look)
    {
        user.reset();
        QTimer::singleShot(0, this, [look] {
            QWidget *modal = QApplication::activeModalWidget();
            QVERIFY(modal);
            QTimer::singleShot(Patience, modal, [modal] { modal->close(); }); // never left waiting
            XTRY_VERIFY(modal->isActiveWindow());
            look(modal);
        });
        ask();
        user.emplace();
    }

    void minimise(QMdiSubWindow *sub)
    {
        QVERIFY(click(sub, titleButton(sub, QStyle::SC_TitleBarMinButton)));
        XTRY_VERIFY(sub->isMinimized());
    }

    // The set window's sheet keeps its height: no roll starts.
    void sheetStays(int height)
    {
        QTest::qWait(200); // a roll of the sheet would have started by now
        QVERIFY(!main->tmrRoll->Enabled());
        QCOMPARE(main->SetWindow()->Picture2->height(), height);
    }

    // Rows that differ only by their route, named by it.
    static void routes(std::initializer_list<const char *> names)
    {
        QTest::addColumn<QString>("route");
        for (const char *route : names)
            QTest::newRow(route) << QString::fromLatin1(route);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"), "needs a real X server");
        shots = QCoreApplication::applicationDirPath() + "/xcheck";
        QVERIFY(QDir().mkpath(shots));
        // Started as the program starts.
        Vb::prepareApplication();
        main = std::make_unique<frmMain>();
        main->showMaximized();
    }

    void cleanupTestCase() { main.reset(); }

    void frameOpensMaximised()
    {
        XTRY_COMPARE(main->frameGeometry(), main->screen()->availableGeometry());
        QVERIFY(main->isMaximized());
        shot("1-start");
    }

    void setWindowStandsInView()
    {
        QMdiSubWindow *set = main->SetWindow()->subWindow();
        QVERIFY(set->isVisible());
        QVERIFY2(globalRect(main->mdiArea()->viewport()).contains(globalRect(set)),
                 "the set window is not wholly in the client area");
    }

    void chamberBarsScrollTheRightWay()
    {
        QVERIFY(click(main->SetWindow()->lblCName[1], QPoint(20, 7), 2));
        frmCave *cave = nullptr;
        XTRY_VERIFY((cave = main->BoundCave(1)) && cave->Visible());
        cave->subWindow()->resize(360, 300);
        QScrollBar *h = cave->HScroll1, *v = cave->VScroll1;
        XTRY_VERIFY(!h->isHidden() && !v->isHidden());
        QCOMPARE(cave->picCave->pos(), QPoint(0, 0));

        QVERIFY(click(h, QPoint(h->width() - 3, h->height() / 2))); // right arrow
        XTRY_COMPARE(cave->picCave->x(), -h->singleStep());
        QVERIFY(click(h, QPoint(h->width() * 3 / 4, h->height() / 2))); // track right of the thumb
        XTRY_VERIFY(cave->picCave->x() < -h->singleStep());
        QVERIFY(click(v, QPoint(v->width() / 2, v->height() - 3))); // down arrow
        XTRY_COMPARE(cave->picCave->y(), -v->singleStep());
        shot("2-chamber-scrolled");
        QVERIFY(click(v, QPoint(v->width() / 2, 2))); // up arrow
        XTRY_COMPARE(cave->picCave->y(), 0);
        cave->hide();
    }

    void rollButtonExpandsTheSheet()
    {
        frmCol *col = main->SetWindow();
        col->SetFocus();
        QVERIFY(click(col->Image1, QPoint(10, 10))); // the roll button
        XTRY_VERIFY(!main->tmrRoll->Enabled() && col->Picture2->height() == col->height());
        shot("3-sheet-expanded");
    }

    void middleClickPasteSaysWhatItLeftOut_data() { routes({"name", "description"}); }
    // The selection's paste with the middle button, which only a real X server offers: what the
    // file cannot hold stays out, the box says so, and its undo stays whole.
    void middleClickPasteSaysWhatItLeftOut()
    {
        QFETCH(QString, route); // the box
        const bool lines = route == "description";
        frmCol *col = main->SetWindow();
        QWidget *w = lines ? static_cast<QWidget *>(col->txtDesc) : col->txtName;
        const auto text = [&] { return lines ? col->txtDesc->Text() : col->txtName->text(); };
        lines ? col->txtDesc->SetText("ok") : col->txtName->setText("ok");
        const QPoint end(w->width() - 8, 8); // past the text's end
        QVERIFY(click(w, end));
        XTRY_VERIFY(w->hasFocus());
        QVERIFY(typeKeys("x"));
        XTRY_COMPARE(text(), QStringLiteral("okx"));
        QGuiApplication::clipboard()->setText("Crème brûlée", QClipboard::Selection);
        QVERIFY(click(w, end, 1, Qt::MiddleButton));
        XTRY_COMPARE(text(), QStringLiteral("okxCrme brlée"));
        QCOMPARE(QToolTip::text(),
                 QStringLiteral("Znaky, které soubor sady neumí uložit, byly vynechány: è û"));
        QTest::qWait(300); // the box and its tooltip painted on the screen
        shot("middle-click-" + route);
        for (int i = 0; i < 3; ++i)
            QVERIFY(typeKeys("ctrl+z"));
        XTRY_COMPARE(text(), QStringLiteral("ok"));
    }

    // Minimised, the set window comes back by its restore button, its button, its entry in "Okna",
    // or as Nová shows the new set in it, whole and with its sheet as it was.
    void setWindowComesBackWithItsSheet_data()
    {
        routes({"by-restore-button", "by-its-button", "from-okna", "by-nova"});
    }
    void setWindowComesBackWithItsSheet()
    {
        QFETCH(QString, route);
        frmCol *col = main->SetWindow();
        QMdiSubWindow *set = col->subWindow();
        col->SetFocus();
        XTRY_VERIFY(!set->isMinimized() && col->height() > 100);
        const int sheet = col->Picture2->height();
        minimise(set);
        QMenu *menu = nullptr;
        if (route == "by-restore-button") {
            shot("4-set-minimised");
            QVERIFY(click(set, titleButton(set, QStyle::SC_TitleBarNormalButton)));
        } else if (route == "by-its-button") {
            QVERIFY(click(main->findChild<QWidget *>("Label2"), QPoint(30, 8)));
        } else {
            if (route == "by-nova")
                main->Changed = false; // no question first
            menu = main->findChild<QMenu *>(route == "by-nova" ? "mnuFile" : "mnuWindows");
            QMenuBar *bar = main->menuBar();
            QVERIFY(click(bar, bar->actionGeometry(menu->menuAction()).center()));
            XTRY_VERIFY(menu->isVisible());
            const auto entries = menu->actions(); // Nová first, and the window's title in Okna
            const auto entry = route == "by-nova"
                                   ? entries.begin()
                                   : std::find_if(entries.begin(), entries.end(), [set](QAction *a) {
                                         return a->text() == set->windowTitle();
                                     });
            QVERIFY(entry != entries.end());
            QVERIFY(click(menu, menu->actionGeometry(*entry).center()));
        }
        XTRY_VERIFY(!set->isMinimized() && main->mdiArea()->activeSubWindow() == set && col->height() > 300);
        if (menu)
            XTRY_VERIFY(!menu->isVisible()); // and gone from the screen
        sheetStays(sheet);
        shot("6-set-restored-" + route);
    }

    void unmaximisedFrameKeepsMostOfTheScreen()
    {
        const QRect room = main->screen()->availableGeometry();
        main->showNormal();
        XTRY_VERIFY(!main->isMaximized() && main->frameGeometry().width() < room.width());
        // About three quarters of the screen, centred (the frame adds its border and title).
        const QRect frame = main->frameGeometry();
        QVERIFY2(frame.width() >= room.width() * 2 / 3 && frame.height() >= room.height() * 2 / 3 &&
                     room.contains(frame) && qAbs(frame.center().x() - room.center().x()) < 20,
                 QTest::toString(frame));
        shot("7-frame-unmaximised");
        main->showMaximized();
        XTRY_COMPARE(main->frameGeometry(), room);
    }

    void sizeDialogCannotBeMinimisedOrMaximised()
    {
        frmSize *size = main->SizeDialog();
        size->show();
        QVERIFY(QTest::qWaitForWindowExposed(size));
        offersNoMinimise(size, "8-size-dialog");
        size->hide();
    }

    void messageBoxShowsItsTitleAndTakesAccessKeys()
    {
        withRealModal(
            [this] {
                QCOMPARE(
                    Vb::MsgBox("Mňau!", Vb::MsgYesNoCancel, Vb::MsgQuestion, "Program kočky", main.get()),
                    Vb::MsgNo);
            },
            [this](QWidget *box) {
                offersNoMinimise(box, "9-message-box");
                QVERIFY(typeKeys("alt+n"));
            });
    }

    // The file dialog, and the questions it asks itself, whether to replace a file or about one
    // that is not there, once a name is taken with Enter: modal windows all.
    void fileDialogsCannotBeMinimised_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("name"); // none: the dialog itself is looked at
        QTest::addColumn<QString>("picture");
        QTest::newRow("dialog") << false << QString() << "10-file-dialog";
        QTest::newRow("replace") << true << "sada.zb"
                                 << "10-file-dialog-replace";
        QTest::newRow("missing") << false << "chybi.zb"
                                 << "10-file-dialog-missing";
    }
    void fileDialogsCannotBeMinimised()
    {
        QFETCH(bool, save);
        QFETCH(QString, name);
        QFETCH(QString, picture);
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("sada.zb"), setFile(1)));
        Vb::FileDialogRequest request;
        request.save = save;
        request.title = save ? "Uložit sadu jako" : "Otevřít sadu";
        request.filterName = "Sady komnat pro Zorbela (*.zb)";
        request.filterPattern = "*.zb";
        if (!name.isEmpty()) {
            request.initialDir = dir.path();
            request.initialName = name;
        }
        withRealModal([this, &request] { QCOMPARE(Vb::RunFileDialog(main.get(), request), QString()); },
                      [&](QWidget *dialog) {
                          // A question runs its own loop: it is looked at from a timer inside it.
                          QWidget *looked = nullptr;
                          QTimer poll;
                          connect(&poll, &QTimer::timeout, this, [&] {
                              QWidget *modal = QApplication::activeModalWidget();
                              if (!looked && modal && modal->isActiveWindow() &&
                                  (modal != dialog || name.isEmpty())) {
                                  offersNoMinimise(looked = modal, picture);
                                  looked->close();
                              }
                          });
                          poll.start(50);
                          QVERIFY(name.isEmpty() || typeKeys("Return"));
                          XTRY_VERIFY(looked);
                          dialog->close();
                      });
    }

    // Minimised, a chamber window comes back by its restore button or as its chamber is asked for
    // (Editovat, F4 on its row) with its map on the screen as it was, scrolled as it was, and active.
    void minimisedChamberWindowComesBackAsItWas_data() { routes({"restore", "Editovat", "F4"}); }
    void minimisedChamberWindowComesBackAsItWas()
    {
        QFETCH(QString, route);
        frmCol *col = main->SetWindow();
        if (col->Picture2->height() == col->height()) {  // the sheet rolled down over the rows
            QWidget *roll = col->Image1->parentWidget(); // the face shows through it
            QVERIFY(click(roll, roll->rect().center()));
            XTRY_VERIFY(!main->tmrRoll->Enabled() && col->Picture2->height() < col->height());
        }
        main->ShowCave(2);
        frmCave *cave = main->BoundCave(2);
        QMdiSubWindow *sub = cave->subWindow();
        sub->setGeometry(560, 10, 420, 360);
        XTRY_VERIFY(!cave->HScroll1->isHidden() && !cave->VScroll1->isHidden());
        cave->HScroll1->setValue(cave->HScroll1->minimum() / 2);
        cave->VScroll1->setValue(cave->VScroll1->minimum() / 2);
        const QRect place = cave->picCave->geometry();
        const auto seen = [this, view = globalRect(cave)] { return grabScreen().copy(view); };
        QTest::qWait(300); // painted, and the title bar's buttons where they are drawn
        const QImage before = seen();

        minimise(sub);
        XTRY_VERIFY(seen() != before);
        shot("11-chamber-minimised");
        if (route == "restore") {
            QTest::qWait(300); // the bar's buttons where they are drawn
            QVERIFY(click(sub, titleButton(sub, QStyle::SC_TitleBarNormalButton)));
        } else {
            QVERIFY(click(col->lblCName[2], QPoint(20, 7))); // row 02 chosen
            XTRY_COMPARE(int(col->Selected), 2);
            QWidget *edit = col->imgBCave[frmCol::EditButton];
            QVERIFY(route == "F4" ? typeKeys("F4") : click(edit, QPoint(edit->width() / 2, 10)));
        }
        XTRY_VERIFY(!sub->isMinimized() && main->mdiArea()->activeSubWindow() == sub);
        QCOMPARE(cave->picCave->geometry(), place);
        XTRY_VERIFY(seen() == before);
        shot("12-chamber-back-by-" + route);
        cave->hide();
    }

    // Esc closes the active chamber window with the focus on its frame; the
    // other chamber window on view becomes active and a second Esc closes it.
    void escapeClosesChamberWindowsInTurn()
    {
        QVERIFY(main->NumCaves >= 2);
        main->ShowCave(1);
        main->ShowCave(2);
        frmCave *first = main->BoundCave(1), *second = main->BoundCave(2);
        QMdiSubWindow *a = first->subWindow(), *b = second->subWindow();
        // Clear of the set window, so each leaves the bare area behind when it hides.
        a->setGeometry(560, 10, 420, 360);
        b->setGeometry(1000, 10, 420, 360);
        const QColor well = main->mdiArea()->background().color();
        const auto bareAt = [&](QMdiSubWindow *w) {
            return grabScreen().pixelColor(w->mapToGlobal(w->rect().center())) == well;
        };
        for (QMdiSubWindow *sub : {b, a}) {
            QVERIFY(click(sub, titleButton(sub, QStyle::SC_TitleBarLabel)));
            XTRY_COMPARE(main->mdiArea()->activeSubWindow(), sub);
        }
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(a));
        QVERIFY(typeKeys("Escape"));
        XTRY_VERIFY(!first->Visible());
        XTRY_COMPARE(main->mdiArea()->activeSubWindow(), b);
        QVERIFY(!first->Timer1->Enabled());
        XTRY_VERIFY(bareAt(a));
        shot("esc-1-title-bar-closed");
        QVERIFY(typeKeys("Escape"));
        XTRY_VERIFY(!second->Visible());
        XTRY_VERIFY(bareAt(b));
        shot("esc-2-next-closed");
    }
};

QTEST_MAIN(TestDesktop)
#include "xcheck.moc"
