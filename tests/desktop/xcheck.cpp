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
#include <QStyleOptionTitleBar>
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

QRect globalRect(const QWidget *w)
{
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

// A real click through the X server, as a user's pointer gives it; the server
// takes the move and the click in order.
bool click(const QWidget *w, QPoint at, int times = 1, int button = 1)
{
    const QPoint p = w->mapToGlobal(at);
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"),
                  {QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y()),
                   QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(times),
                   QString::number(button)});
    return xdotool.waitForFinished(Patience) && xdotool.exitStatus() == QProcess::NormalExit &&
           xdotool.exitCode() == 0;
}

// Keys typed through the X server, as xdotool names them ("alt+n").
bool typeKeys(const QString &keys)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), {QStringLiteral("key"), keys});
    return xdotool.waitForFinished(Patience) && xdotool.exitStatus() == QProcess::NormalExit &&
           xdotool.exitCode() == 0;
}

// What the window manager lets the user do with a window (_NET_WM_ALLOWED_ACTIONS).
QString allowedActions(const QWidget *w)
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(w->winId()),
                                          QStringLiteral("_NET_WM_ALLOWED_ACTIONS")});
    xprop.waitForFinished(Patience);
    return QString::fromLatin1(xprop.readAllStandardOutput());
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
        QTRY_VERIFY_WITH_TIMEOUT(
            (screen = main->screen()->grabWindow(0).toImage()).pixelColor(corner) == well, Patience);
        QVERIFY(screen.save(shots + QLatin1Char('/') + name + QStringLiteral(".png")));
    }

    // Minimised, a modal window would take the whole editor with it.
    static void offersNoMinimise(const QWidget *w)
    {
        QTRY_VERIFY_WITH_TIMEOUT(allowedActions(w).contains(QLatin1String("_NET_WM_ACTION_CLOSE")), Patience);
        const QString actions = allowedActions(w);
        QVERIFY2(!actions.contains(QLatin1String("MINIMIZE")) && !actions.contains(QLatin1String("MAXIMIZE")),
                 qPrintable(actions));
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
            QTRY_VERIFY_WITH_TIMEOUT(modal->isActiveWindow(), Patience);
            look(modal);
        });
        ask();
        user.emplace();
    }

    frmCave *shownCave() const
    {
        const auto caves = main->findChildren<frmCave *>();
        for (frmCave *c : caves)
            if (c->Visible())
                return c;
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"), "needs a real X server");
        shots = QCoreApplication::applicationDirPath() + QStringLiteral("/xcheck");
        QVERIFY(QDir().mkpath(shots));
        // Started as the program starts.
        Vb::prepareApplication();
        main = std::make_unique<frmMain>();
        main->showMaximized();
    }

    void cleanupTestCase() { main.reset(); }

    void frameOpensMaximised()
    {
        const QRect screen = main->screen()->availableGeometry();
        QTRY_COMPARE_WITH_TIMEOUT(main->frameGeometry(), screen, Patience);
        QVERIFY(main->isMaximized());
        shot(QStringLiteral("1-start"));
    }

    void setWindowStandsInView()
    {
        QMdiSubWindow *set = main->SetWindow()->subWindow();
        QVERIFY(set->isVisible());
        const QRect area = globalRect(main->mdiArea()->viewport());
        QCOMPARE(area.left(), globalRect(main->findChild<QWidget *>(QStringLiteral("Picture1"))).right() + 1);
        QCOMPARE(area.top(), globalRect(main->findChild<QWidget *>(QStringLiteral("picTools"))).bottom() + 1);
        QVERIFY2(area.contains(globalRect(set)), "the set window is not wholly in the client area");
    }

    void chamberBarsScrollTheRightWay()
    {
        frmCol *col = main->SetWindow();
        QVERIFY(click(col->lblCName[1], QPoint(20, 7), 2));
        QTRY_VERIFY_WITH_TIMEOUT(shownCave(), Patience);
        frmCave *cave = shownCave();
        cave->subWindow()->resize(360, 300);
        QTRY_VERIFY_WITH_TIMEOUT(!cave->HScroll1->isHidden() && !cave->VScroll1->isHidden(), Patience);
        const QPoint start = cave->picCave->pos();
        QCOMPARE(start, QPoint(0, 0));
        QScrollBar *h = cave->HScroll1, *v = cave->VScroll1;

        QVERIFY(click(h, QPoint(h->width() - 3, h->height() / 2))); // right arrow
        QTRY_COMPARE_WITH_TIMEOUT(cave->picCave->x(), -h->singleStep(), Patience);
        QVERIFY(click(h, QPoint(h->width() * 3 / 4, h->height() / 2))); // track right of the thumb
        QTRY_VERIFY_WITH_TIMEOUT(cave->picCave->x() < -h->singleStep(), Patience);
        QVERIFY(click(v, QPoint(v->width() / 2, v->height() - 3))); // down arrow
        QTRY_COMPARE_WITH_TIMEOUT(cave->picCave->y(), -v->singleStep(), Patience);
        shot(QStringLiteral("2-chamber-scrolled"));
        QVERIFY(click(v, QPoint(v->width() / 2, 2))); // up arrow
        QTRY_COMPARE_WITH_TIMEOUT(cave->picCave->y(), 0, Patience);
        cave->hide();
    }

    void restoredSetWindowKeepsItsSheet()
    {
        frmCol *col = main->SetWindow();
        QMdiSubWindow *set = col->subWindow();
        col->SetFocus();
        QVERIFY(click(col->Image1, QPoint(10, 10))); // the roll button
        QTRY_VERIFY_WITH_TIMEOUT(!main->tmrRoll->Enabled() && col->Picture2->height() == col->height(),
                                 Patience);
        shot(QStringLiteral("3-sheet-expanded"));

        QVERIFY(click(set, titleButton(set, QStyle::SC_TitleBarMinButton)));
        QTRY_VERIFY_WITH_TIMEOUT(set->isMinimized(), Patience);
        shot(QStringLiteral("4-set-minimised"));
        QVERIFY(click(set, titleButton(set, QStyle::SC_TitleBarNormalButton)));
        QTRY_VERIFY_WITH_TIMEOUT(!set->isMinimized() && col->height() > 300, Patience);
        QTest::qWait(200); // a roll-up would have started by now
        QVERIFY(!main->tmrRoll->Enabled());
        QCOMPARE(col->Picture2->height(), col->height());
        shot(QStringLiteral("5-set-restored"));
    }

    void middleClickPasteSaysWhatItLeftOut_data()
    {
        QTest::addColumn<bool>("lines");
        QTest::newRow("set name") << false;
        QTest::newRow("set description") << true;
    }
    // The selection's paste with the middle button, which only a real X server offers: what the
    // file cannot hold stays out, the box says so, and its undo stays whole.
    void middleClickPasteSaysWhatItLeftOut()
    {
        QFETCH(bool, lines);
        frmCol *col = main->SetWindow();
        QWidget *w = lines ? static_cast<QWidget *>(col->txtDesc) : col->txtName;
        const auto text = [&] { return lines ? col->txtDesc->Text() : col->txtName->text(); };
        lines ? col->txtDesc->SetText(QStringLiteral("ok")) : col->txtName->setText(QStringLiteral("ok"));
        const QPoint end(w->width() - 8, 8); // past the text's end
        QVERIFY(click(w, end));
        QTRY_VERIFY_WITH_TIMEOUT(w->hasFocus(), Patience);
        QVERIFY(typeKeys(QStringLiteral("x")));
        QTRY_COMPARE_WITH_TIMEOUT(text(), QStringLiteral("okx"), Patience);
        QGuiApplication::clipboard()->setText(QStringLiteral("Crème brûlée"), QClipboard::Selection);
        QVERIFY(click(w, end, 1, 2));
        QTRY_COMPARE_WITH_TIMEOUT(text(), QStringLiteral("okxCrme brlée"), Patience);
        QCOMPARE(QToolTip::text(),
                 QStringLiteral("Znaky, které soubor sady neumí uložit, byly vynechány: è û"));
        QTest::qWait(300); // the box and its tooltip painted on the screen
        shot(QStringLiteral("middle-click-") +
             (lines ? QStringLiteral("description") : QStringLiteral("name")));
        for (int i = 0; i < 3; ++i)
            QVERIFY(typeKeys(QStringLiteral("ctrl+z")));
        QTRY_COMPARE_WITH_TIMEOUT(text(), QStringLiteral("ok"), Patience);
    }

    void setButtonRestoresMinimisedSetWindow()
    {
        frmCol *col = main->SetWindow();
        QMdiSubWindow *set = col->subWindow();
        col->SetFocus();
        QTRY_VERIFY_WITH_TIMEOUT(!set->isMinimized() && col->height() > 100, Patience);
        const int sheet = col->Picture2->height();
        QVERIFY(click(set, titleButton(set, QStyle::SC_TitleBarMinButton)));
        QTRY_VERIFY_WITH_TIMEOUT(set->isMinimized(), Patience);
        auto *button = main->findChild<QWidget *>(QStringLiteral("Label2"));
        QVERIFY(click(button, QPoint(30, 8)));
        QTRY_VERIFY_WITH_TIMEOUT(!set->isMinimized() && main->mdiArea()->activeSubWindow() == set, Patience);
        QTest::qWait(200); // a roll of the sheet would have started by now
        QVERIFY(!main->tmrRoll->Enabled());
        QCOMPARE(col->Picture2->height(), sheet);
        shot(QStringLiteral("6-set-restored-by-its-button"));

        // The same from its entry in "Okna".
        QVERIFY(click(set, titleButton(set, QStyle::SC_TitleBarMinButton)));
        QTRY_VERIFY_WITH_TIMEOUT(set->isMinimized(), Patience);
        auto *windows = main->findChild<QMenu *>(QStringLiteral("mnuWindows"));
        QMenuBar *bar = main->menuBar();
        QVERIFY(click(bar, bar->actionGeometry(windows->menuAction()).center()));
        QTRY_VERIFY_WITH_TIMEOUT(windows->isVisible(), Patience);
        const auto entries = windows->actions();
        const auto entry = std::find_if(entries.begin(), entries.end(),
                                        [set](const QAction *a) { return a->text() == set->windowTitle(); });
        QVERIFY(entry != entries.end());
        QVERIFY(click(windows, windows->actionGeometry(*entry).center()));
        QTRY_VERIFY_WITH_TIMEOUT(!set->isMinimized() && main->mdiArea()->activeSubWindow() == set, Patience);
        QTRY_VERIFY_WITH_TIMEOUT(!windows->isVisible(), Patience);
        QTest::qWait(200); // the menu gone from the screen, and a roll of the sheet would have started
        QVERIFY(!main->tmrRoll->Enabled());
        QCOMPARE(col->Picture2->height(), sheet);
        shot(QStringLiteral("6-set-restored-from-okna"));

        // And as Nová shows the new set in it.
        QVERIFY(click(set, titleButton(set, QStyle::SC_TitleBarMinButton)));
        QTRY_VERIFY_WITH_TIMEOUT(set->isMinimized(), Patience);
        main->Changed = false; // no question first
        auto *file = main->findChild<QMenu *>(QStringLiteral("mnuFile"));
        QVERIFY(click(bar, bar->actionGeometry(file->menuAction()).center()));
        QTRY_VERIFY_WITH_TIMEOUT(file->isVisible(), Patience);
        QVERIFY(click(file, file->actionGeometry(file->actions().constFirst()).center()));
        QTRY_VERIFY_WITH_TIMEOUT(!set->isMinimized() && main->mdiArea()->activeSubWindow() == set, Patience);
        QTRY_VERIFY_WITH_TIMEOUT(!file->isVisible(), Patience);
        QTest::qWait(200);
        QVERIFY(!main->tmrRoll->Enabled());
        QCOMPARE(col->Picture2->height(), sheet);
        shot(QStringLiteral("6-set-restored-by-nova"));
    }

    void unmaximisedFrameKeepsMostOfTheScreen()
    {
        const QRect room = main->screen()->availableGeometry();
        main->showNormal();
        QTRY_VERIFY_WITH_TIMEOUT(!main->isMaximized() && main->frameGeometry().width() < room.width(),
                                 Patience);
        // About three quarters of the screen, centred (the frame adds its border and title).
        const QRect frame = main->frameGeometry();
        QVERIFY2(frame.width() >= room.width() * 2 / 3 && frame.height() >= room.height() * 2 / 3 &&
                     room.contains(frame) && qAbs(frame.center().x() - room.center().x()) < 20,
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(frame.x())
                                .arg(frame.y())
                                .arg(frame.width())
                                .arg(frame.height())));
        shot(QStringLiteral("7-frame-unmaximised"));
        main->showMaximized();
        QTRY_COMPARE_WITH_TIMEOUT(main->frameGeometry(), room, Patience);
    }

    void sizeDialogCannotBeMinimisedOrMaximised()
    {
        frmSize *size = main->SizeDialog();
        size->show();
        QVERIFY(QTest::qWaitForWindowExposed(size));
        offersNoMinimise(size);
        shot(QStringLiteral("8-size-dialog"));
        size->hide();
    }

    void messageBoxShowsItsTitleAndTakesAccessKeys()
    {
        withRealModal(
            [this] {
                QCOMPARE(Vb::MsgBox(QStringLiteral("Mňau!"), Vb::MsgYesNoCancel, Vb::MsgQuestion,
                                    QStringLiteral("Program kočky"), main.get()),
                         Vb::MsgNo);
            },
            [this](QWidget *box) {
                offersNoMinimise(box);
                shot(QStringLiteral("9-message-box"));
                QVERIFY(typeKeys(QStringLiteral("alt+n")));
            });
    }

    void fileDialogCannotBeMinimised()
    {
        Vb::FileDialogRequest request;
        request.title = QStringLiteral("Otevřít sadu");
        request.filterName = QStringLiteral("Sady komnat pro Zorbela (*.zb)");
        request.filterPattern = QStringLiteral("*.zb");
        withRealModal([this, &request] { QCOMPARE(Vb::RunFileDialog(main.get(), request), QString()); },
                      [this](QWidget *dialog) {
                          offersNoMinimise(dialog);
                          shot(QStringLiteral("10-file-dialog"));
                          dialog->close();
                      });
    }

    // The questions the file dialog asks itself, whether to replace a file or about one that is
    // not there, are modal windows as well.
    void fileDialogQuestionsCannotBeMinimised_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("name");
        QTest::newRow("replace") << true << QStringLiteral("sada.zb");
        QTest::newRow("missing") << false << QStringLiteral("chybi.zb");
    }
    void fileDialogQuestionsCannotBeMinimised()
    {
        QFETCH(bool, save);
        QFETCH(QString, name);
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath(QStringLiteral("sada.zb")), setFile(1)));
        Vb::FileDialogRequest request;
        request.save = save;
        request.title = save ? QStringLiteral("Uložit sadu jako") : QStringLiteral("Otevřít sadu");
        request.filterName = QStringLiteral("Sady komnat pro Zorbela (*.zb)");
        request.filterPattern = QStringLiteral("*.zb");
        request.initialDir = dir.path();
        request.initialName = name;
        withRealModal([this, &request] { QCOMPARE(Vb::RunFileDialog(main.get(), request), QString()); },
                      [this, save](QWidget *dialog) {
                          // The question runs its own loop: it is looked at from a timer inside it.
                          QWidget *question = nullptr;
                          QTimer poll;
                          connect(&poll, &QTimer::timeout, this, [&, save] {
                              QWidget *modal = QApplication::activeModalWidget();
                              if (question || !modal || modal == dialog || !modal->isActiveWindow())
                                  return;
                              question = modal;
                              offersNoMinimise(question);
                              shot(save ? QStringLiteral("10-file-dialog-replace")
                                        : QStringLiteral("10-file-dialog-missing"));
                              question->close();
                          });
                          poll.start(50);
                          QVERIFY(typeKeys(QStringLiteral("Return")));
                          QTRY_VERIFY_WITH_TIMEOUT(question, Patience);
                          dialog->close();
                      });
    }

    // Minimised, a chamber window comes back by its restore button or as its chamber is asked for
    // (Editovat, F4 on its row) with its map on the screen as it was, scrolled as it was, and active.
    void minimisedChamberWindowComesBackAsItWas_data()
    {
        QTest::addColumn<QString>("route");
        for (const char *route : {"restore", "Editovat", "F4"})
            QTest::newRow(route) << QString::fromLatin1(route);
    }
    void minimisedChamberWindowComesBackAsItWas()
    {
        QFETCH(QString, route);
        frmCol *col = main->SetWindow();
        if (col->Picture2->height() == col->height()) {  // the sheet rolled down over the rows
            QWidget *roll = col->Image1->parentWidget(); // the face shows through it
            QVERIFY(click(roll, roll->rect().center()));
            QTRY_VERIFY_WITH_TIMEOUT(!main->tmrRoll->Enabled() && col->Picture2->height() < col->height(),
                                     Patience);
        }
        main->ShowCave(2);
        frmCave *cave = main->BoundCave(2);
        QMdiSubWindow *sub = cave->subWindow();
        sub->setGeometry(560, 10, 420, 360);
        QTRY_VERIFY_WITH_TIMEOUT(!cave->HScroll1->isHidden() && !cave->VScroll1->isHidden(), Patience);
        cave->HScroll1->setValue(cave->HScroll1->minimum() / 2);
        cave->VScroll1->setValue(cave->VScroll1->minimum() / 2);
        const QRect place = cave->picCave->geometry();
        const QRect view(cave->mapToGlobal(QPoint(0, 0)), cave->size());
        auto seen = [this, view] { return main->screen()->grabWindow(0).toImage().copy(view); };
        QTest::qWait(300); // painted, and the title bar's buttons where they are drawn
        const QImage before = seen();

        QVERIFY(click(sub, titleButton(sub, QStyle::SC_TitleBarMinButton)));
        QTRY_VERIFY_WITH_TIMEOUT(sub->isMinimized() && seen() != before, Patience);
        shot(QStringLiteral("11-chamber-minimised"));
        if (route == QLatin1String("restore")) {
            QTest::qWait(300); // the bar's buttons where they are drawn
            QVERIFY(click(sub, titleButton(sub, QStyle::SC_TitleBarNormalButton)));
        } else {
            QVERIFY(click(col->lblCName[2], QPoint(20, 7))); // row 02 chosen
            QTRY_COMPARE_WITH_TIMEOUT(int(col->Selected), 2, Patience);
            if (route == QLatin1String("F4"))
                QVERIFY(typeKeys(QStringLiteral("F4")));
            else
                QVERIFY(click(col->imgBCave[frmCol::EditButton], QPoint(col->imgBCave[0]->width() / 2, 10)));
        }
        QTRY_VERIFY_WITH_TIMEOUT(!sub->isMinimized() && main->mdiArea()->activeSubWindow() == sub, Patience);
        QCOMPARE(cave->picCave->geometry(), place);
        QTRY_VERIFY_WITH_TIMEOUT(seen() == before, Patience);
        shot(QStringLiteral("12-chamber-back-by-") + route);
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
        auto bareAt = [this, well](QMdiSubWindow *w) {
            const QPoint centre = w->mapToGlobal(w->rect().center());
            return main->screen()->grabWindow(0).toImage().pixelColor(centre) == well;
        };
        QVERIFY(click(b, titleButton(b, QStyle::SC_TitleBarLabel)));
        QTRY_COMPARE_WITH_TIMEOUT(main->mdiArea()->activeSubWindow(), b, Patience);
        QVERIFY(click(a, titleButton(a, QStyle::SC_TitleBarLabel)));
        QTRY_COMPARE_WITH_TIMEOUT(main->mdiArea()->activeSubWindow(), a, Patience);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(a));
        QVERIFY(typeKeys(QStringLiteral("Escape")));
        QTRY_VERIFY_WITH_TIMEOUT(!first->Visible(), Patience);
        QTRY_COMPARE_WITH_TIMEOUT(main->mdiArea()->activeSubWindow(), b, Patience);
        QVERIFY(!first->Timer1->Enabled());
        QTRY_VERIFY_WITH_TIMEOUT(bareAt(a), Patience);
        shot(QStringLiteral("esc-1-title-bar-closed"));
        QVERIFY(typeKeys(QStringLiteral("Escape")));
        QTRY_VERIFY_WITH_TIMEOUT(!second->Visible(), Patience);
        QTRY_VERIFY_WITH_TIMEOUT(bareAt(b), Patience);
        shot(QStringLiteral("esc-2-next-closed"));
    }
};

QTEST_MAIN(TestDesktop)
#include "xcheck.moc"
