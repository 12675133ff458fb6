#include "tst_mainframe_fixture.h"

#include "shell/frmcol.h"
#include "support/mouse.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QSvgRenderer>

class TestMainFrame : public QObject, FreshWindow<FrameFixture>
{
    Q_OBJECT
private slots:
    void init() { start(); }
    void cleanup() { reset(); }
    void menuBar()
    {
        const auto top = w->menuBar()->actions();
        QCOMPARE(texts(top), (QStringList{"&Sada", "Úpr&avy", "&Okna", "Nápověda"}));
        QVERIFY(!top.last()->menu());
        QCOMPARE(texts(top[0]->menu()->actions()),
                 (QStringList{"&Nová", "&Otevřít", "&Uložit", "&Uložit jako...", "-", "Konec"}));
        QCOMPARE(texts(top[1]->menu()->actions()), (QStringList{"Připojit sadu"}));
        QCOMPARE(texts(top[2]->menu()->actions()), (QStringList{"Dlaždice"}));
        for (QAction *a : top[0]->menu()->actions())
            QVERIFY(a->shortcut().isEmpty() && !a->isCheckable());

        auto *dog = f->control<QMenu>("mnuDog");
        auto *insect = f->control<QMenu>("mnuInsect");
        QCOMPARE(insect->title(), QStringLiteral("Hmyz"));
        QCOMPARE(texts(insect->actions()), (QStringList{"Doleva", "Nahoru", "Doprava", "Dolu"}));
        for (QAction *a : top)
            QVERIFY(a->menu() != dog && a->menu() != insect);
    }

    void aboutBox()
    {
        f->control<QAction>("mnuHelp")->trigger();
        const QString text = user->messages.value(0).text;
        QVERIFY(text.startsWith(QStringLiteral("Editor komnat\r\n")) && text.size() > 15);
        QCOMPARE(user->messages,
                 (QList{Vb::MessageRequest{text, "Nápověda", Vb::MsgOkOnly, Vb::MsgInformation}}));
    }

    void setButtonLooks_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("button");
        QTest::newRow("face, left") << "imgList" << int(Qt::LeftButton);
        QTest::newRow("caption, left") << "Label2" << int(Qt::LeftButton);
        QTest::newRow("face, right") << "imgList" << int(Qt::RightButton);
        QTest::newRow("caption, middle") << "Label2" << int(Qt::MiddleButton);
    }

    void setButtonLooks()
    {
        QFETCH(QString, target);
        QFETCH(int, button);
        ImageBox *face = f->image("imgList");
        auto *caption = f->control<VbLabel>("Label2");
        QWidget *c = f->control(target);
        // start-up shows the set window with the template set
        w->SetWindow()->hide();
        // The release lands where the press did on the screen, though the press moved the part.
        const QPoint at = c->mapToGlobal(QPoint(30, 8));
        QTest::mousePress(c, Qt::MouseButton(button), {}, c->mapFromGlobal(at));
        QCOMPARE(face->Top(), -28.0f);
        QCOMPARE(caption->pos(), QPoint(10, 4));
        QTest::mouseRelease(c, Qt::MouseButton(button), {}, c->mapFromGlobal(at));
        QCOMPARE(face->Top(), 0.0f);
        QCOMPARE(caption->pos(), QPoint(9, 3));
        // Only a left click brings the set window up; it never hides it.
        QCOMPARE(w->SetWindow()->isVisible(), button == Qt::LeftButton);
    }

    void setWindowStandsInView()
    {
        reset(); // a frame of its own
        ScriptedUser answers;
        frmMain m;
        // As under a window manager: mapped small first, maximised after.
        m.resize(200, 100);
        m.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        m.resize(1280, 800);
        QMdiSubWindow *set = m.SetWindow()->subWindow();
        const QRect area = m.mdiArea()->viewport()->rect();
        QVERIFY(area.contains(set->geometry()));
        // Dragged mostly out of the area, "Sada komnat" brings it back whole.
        set->move(-300, area.height() - 40);
        QTest::mouseClick(m.findChild<QWidget *>(QStringLiteral("Label2")), Qt::LeftButton, {},
                          QPoint(30, 8));
        QVERIFY(area.contains(set->geometry()));
    }

    void tileSideBySide()
    {
        w->SetWindow()->hide();
        auto *a = new HidingForm(w->mdiArea());
        auto *b = new HidingForm(w->mdiArea());
        auto *hidden = new HidingForm(w->mdiArea());
        a->show();
        b->show();
        a->subWindow()->showMaximized();
        f->control<QAction>("mnuTile")->trigger();
        const QRect area = w->mdiArea()->viewport()->rect();
        QVERIFY(!a->subWindow()->isMaximized());
        QCOMPARE(a->subWindow()->geometry(), QRect(0, 0, area.width() / 2, area.height()));
        QCOMPARE(b->subWindow()->geometry(),
                 QRect(area.width() / 2, 0, area.width() - area.width() / 2, area.height()));
        QVERIFY(!hidden->isVisible());
    }

    void windowsMenuListsShownWindows()
    {
        w->SetWindow()->hide();
        // Made in this order, framed on first showing in the other: listed as made.
        auto *a = new HidingForm(w->mdiArea(), true);
        auto *b = new HidingForm(w->mdiArea(), true);
        a->setCaption(QStringLiteral("Komnata 1"));
        b->setCaption(QStringLiteral("Sada"));
        b->show();
        b->hide();
        a->show();
        QMenu *windows = f->control<QMenu>("mnuWindows");
        for (int round = 0; round < 2; ++round) {
            emit windows->aboutToShow();
            QCOMPARE(texts(windows->actions()).filter(QRegularExpression("^[^-]")),
                     (QStringList{"Dlaždice", "Komnata 1"}));
        }
        b->show();
        b->SetFocus();
        emit windows->aboutToShow();
        const auto actions = windows->actions();
        QCOMPARE(actions.last()->text(), QStringLiteral("Sada"));
        // No check marks: the active window is the one in bold.
        for (QAction *i : actions)
            QVERIFY(!i->isCheckable());
        QVERIFY(actions.last()->font().bold());
        QVERIFY(!actions[actions.size() - 2]->font().bold());
        // Picked while minimised, a window comes back in front.
        a->subWindow()->showMinimized();
        actions[actions.size() - 2]->trigger();
        QVERIFY(!a->subWindow()->isMinimized());
        QCOMPARE(w->mdiArea()->activeSubWindow(), a->subWindow());
    }

    void windowsMenuShowsCaptionsAsWritten_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shown");
        QTest::newRow("ampersand") << "Komnata - A&B"
                                   << "Komnata - A&B";
        QTest::newRow("mark") << "Komnata - A[*]B"
                              << "Komnata - A[*]B";
        QTest::newRow("tab") << "Komnata - A\tB"
                             << "Komnata - A B";
    }
    // An entry of "Okna" reads as its window's caption: no access key, nothing in the shortcut column.
    void windowsMenuShowsCaptionsAsWritten()
    {
        QFETCH(QString, caption);
        QFETCH(QString, shown);
        auto *form = new HidingForm(w->mdiArea());
        form->setCaption(caption);
        form->show();
        w->SetWindow()->SetFocus();
        auto *windows = f->control<QMenu>("mnuWindows");
        QMenuBar *bar = w->menuBar();
        pointerClick(bar, bar->actionGeometry(windows->menuAction()).center());
        QTRY_VERIFY(windows->isVisible());
        // Inside the menu's frame.
        const QRect entry = windows->actionGeometry(windows->actions().last()).adjusted(3, 1, -3, -3);
        const QImage menu = windows->grab().toImage();
        const QColor ground = menu.pixelColor(entry.left(), entry.center().y());
        int left = entry.right(), right = entry.left();
        for (int x = entry.left(); x <= entry.right(); ++x)
            for (int y = entry.top(); y <= entry.bottom(); ++y)
                if (menu.pixelColor(x, y) != ground) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        const int inked = right - left + 1, written = windows->fontMetrics().horizontalAdvance(shown);
        QVERIFY2(std::abs(inked - written) <= 3, qPrintable(QStringLiteral("%1 %2").arg(inked).arg(written)));
        QTest::keyClick(windows, Qt::Key_B);
        QVERIFY(windows->isVisible());
        QCOMPARE(w->mdiArea()->activeSubWindow(), w->SetWindow()->subWindow());
        windows->close();
    }
    void restoredFrameKeepsMostOfTheScreen()
    {
        reset(); // a frame of its own
        ScriptedUser answers;
        frmMain m;
        m.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        m.showNormal();
        const QRect room = m.screen()->availableGeometry();
        QTRY_COMPARE(m.size(), room.size() * 3 / 4);
        QCOMPARE(m.geometry().center(), room.center());
    }

    void frameClosesItsChildren()
    {
        auto *a = new HidingForm(w->mdiArea());
        a->show();
        a->subWindow()->close(); // hidden, and still closed with the frame
        QVERIFY(w->close());
        QCOMPARE(a->origins, (QList<int>{Vb::CloseFromControlBox, Vb::CloseFromFrame}));
    }

    void layout()
    {
        const QWidget *client = w->centralWidget();
        // The strips span the screen's width; the object bar is as tall.
        const int W = QGuiApplication::primaryScreen()->geometry().width(), X = client->width(),
                  Y = client->height();
        QList<QRect> placed;
        for (const char *name : {"picTools", "Picture1", "MDIClient", "imgG1", "imgG2", "imgG4", "imgG5",
                                 "imgG6", "Picture4", "Picture6", "picSel(1)", "Shape1", "Image5"})
            placed << f->control(QLatin1String(name))->geometry();
        QCOMPARE(placed, (QList<QRect>{QRect(0, 0, X, 57), QRect(0, 57, 100, Y - 57),
                                       QRect(100, 57, X - 100, Y - 57), QRect(0, 42, W, 15),
                                       QRect(0, 0, W, 10), QRect(0, 0, 85, 15), QRect(85, 0, 15, 15),
                                       QRect(85, 15, 15, W), QRect(7, 22, 48, 48), QRect(30, 45, 48, 48),
                                       QRect(4, 4, 40, 40), QRect(1, 1, 46, 46), QRect(9, 73, 18, 18)}));
        QCOMPARE(f->box("picObj")->height(), W);
        QList<bool> shown;
        for (int i = 1; i <= 9; ++i)
            shown << w->imgG[i]->isVisibleTo(w);
        QCOMPARE(shown, (QList<bool>{true, true, false, true, true, true, false, false, false}));
        // Where the wells overlap the left button's lies on top.
        QCOMPARE(f->box("picObj")->childAt(40, 60), w->picSel[Vb::LeftButton]);
    }

    void stripsAsDrawnWhole_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("g6") << "g6" << QSize(15, 800);
        QTest::newRow("g9 at twice") << "g9" << QSize(30, 1600);
    }

    // A strip drawn as one row copied down must match the whole height drawn.
    void stripsAsDrawnWhole()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const Picture strip(name);
        QImage whole(size, QImage::Format_ARGB32_Premultiplied);
        whole.fill(Qt::transparent);
        QSvgRenderer svg(strip.path());
        svg.setAspectRatioMode(Qt::IgnoreAspectRatio);
        QPainter p(&whole);
        svg.render(&p, QRectF(QPointF(0, 0), size));
        p.end();
        QCOMPARE(strip.image(size), whole);
    }

    void grab()
    {
        // Writes the screenshots when asked to (ZB_GRAB, ZB_GRAB_OPEN: PNG paths).
        const QString out = qEnvironmentVariable("ZB_GRAB");
        if (out.isEmpty())
            QSKIP("set ZB_GRAB to a PNG path to grab the main window");
        QVERIFY(w->grab().save(out));
        const QString open = qEnvironmentVariable("ZB_GRAB_OPEN");
        if (!open.isEmpty()) {
            f->openAllGroups();
            QVERIFY(w->grab().save(open));
        }
    }
};

QTEST_MAIN(TestMainFrame)
#include "tst_mainframe.moc"
