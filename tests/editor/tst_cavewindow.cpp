#include "editor/frmsize.h"
#include "editor/piccave.h"
#include "editorfixture.h"
#include "shell/frmcol.h"
#include "support/mouse.h"

#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScopeGuard>

namespace {

bool cellShows(frmCave *w, int x, int y, const Picture &pic)
{
    QImage got = w->picCave->image().copy(x * 26, y * 26, 26, 26);
    // compare against the picture drawn over black, as the surface draws it
    QImage expected(26, 26, QImage::Format_RGB32);
    expected.fill(Qt::black);
    QPainter p(&expected);
    p.drawPixmap(0, 0, pic.pixmap(26, 26));
    p.end();
    return got == expected;
}

} // namespace

class TestCaveWindow : public QObject
{
    Q_OBJECT
private slots:
    void init() { PicCave::MaxPixels = 0; }

    void bindingTakesLowestFreeSlot()
    {
        EditorFixture f;
        for (int no = 1; no <= 5; ++no)
            f.open(DefaultCave(), no);
        QCOMPARE(f.m->Caves(1)->Tag, QStringLiteral("1"));
        QCOMPARE(f.m->MaxCaveWindow, uint8_t(5));
        f.m->Caves(3)->Tag = QStringLiteral("free");
        f.m->Caves(3)->hide();
        f.m->OpenCave(chamberString(DefaultCave(7, 7)), 6);
        QCOMPARE(f.m->Caves(3)->Tag, QStringLiteral("3"));
        QCOMPARE(f.m->Caves(3)->CaveNo, int16_t(6));
        QCOMPARE(f.m->MaxCaveWindow, uint8_t(5));
        QCOMPARE(f.m->Caves(0)->Tag, QStringLiteral("free")); // slot 0 is never bound
    }

    void showFindsTheBoundWindowNotAFreedOne()
    {
        EditorFixture f;
        f.open(DefaultCave(), 1);
        f.open(DefaultCave(8, 8), 2);
        // chamber 1 deleted: its window is freed but keeps CaveNo 1; chamber 2 became 1
        f.m->Caves(1)->Tag = QStringLiteral("free");
        f.m->Caves(2)->CaveNo = 1;
        f.m->ShowCave(1);
        QVERIFY(f.m->Caves(2)->Visible());
        QVERIFY(!f.m->Caves(1)->Visible());
        QCOMPARE(f.m->Caves(2)->picCave->size(), QSize(208, 208));
    }

    void loadingWritesBackWhatTheRecordHolds()
    {
        EditorFixture f;
        CaveRecord r = DefaultCave();
        r.TotalTime = 2;   // below the box's range
        r.Points = 150;    // above it
        r.Atmosphere = 15; // outside the table: kept as it is
        r.Trailer = "abc";
        frmCave *w = f.open(r);
        QCOMPARE(w->record().TotalTime, int16_t(5));
        w->ensureControls();
        QCOMPARE(w->txtUD(1)->text(), QStringLiteral("5"));
        const auto stored = StringToCave(f.m->CaveData[1]);
        QVERIFY(stored.ok());
        QCOMPARE(stored->TotalTime, int16_t(5));
        QCOMPARE(stored->Points, uint8_t(99));
        QCOMPARE(stored->Atmosphere, uint8_t(15));
        QCOMPARE(stored->Trailer, QByteArray("abc"));
        QCOMPARE(w->AtmIndex, int16_t(0));
    }

    // A bound window that is never shown holds its chamber without controls,
    // stores it unchanged, and stores it again when the frame closes.
    void neverShownWindowStoresItsChamber()
    {
        EditorFixture f;
        CaveRecord r = DefaultCave();
        r.Name = "Jeskyn\xec";
        r.Description = "a\r\nb\rc";
        const QByteArray s = chamberString(r);
        frmCave *w = f.open(r);
        QVERIFY(!w->picCave); // reading a control does not make it
        QCOMPARE(f.m->CaveData[1], s);
        QCOMPARE(w->Caption(), QString::fromUtf8("Komnata - Jeskyně"));
        f.m->CaveData[1].clear();
        QVERIFY(Vb::CloseChildren(f.m->mdiArea()));
        QCOMPARE(f.m->CaveData[1], s);
        QVERIFY(!w->controlsMade());
    }

    void reusedWindowNamesItsRowAgain()
    {
        EditorFixture f;
        frmCave *w = f.open(DefaultCave());
        w->Tag = QStringLiteral("free");
        w->CaveName.clear();
        f.open(DefaultCave(), 2); // the same name into the same window
        QCOMPARE(w->CaveNo, int16_t(2));
        QCOMPARE(w->CaveName, QString::fromUtf8("Nepojmenovaná 19×11"));
    }

    // A set file may hold a chamber of width 0: it has no cells to draw on.
    void toolsLeaveAChamberWithoutCellsAlone_data()
    {
        QTest::addColumn<int>("tool");
        for (int t = 0; t < 5; ++t)
            QTest::newRow(qPrintable(QStringLiteral("tool %1").arg(t))) << t;
    }
    void toolsLeaveAChamberWithoutCellsAlone()
    {
        QFETCH(int, tool);
        EditorFixture f;
        CaveRecord r = DefaultCave();
        r.Width = 0;
        frmCave *w = f.show(r);
        QVERIFY(w->Visible());
        f.m->imgTool_Click(tool);
        f.m->Changed = false;
        Mouse mouse{w->picCave, {}};
        mouse.press(Qt::LeftButton, QPoint(0, 0));
        mouse.move(QPoint(0, 0));
        mouse.release(Qt::LeftButton, QPoint(0, 0));
        QVERIFY(!f.m->Changed);
    }

    void paintsEveryCellColumnByColumn()
    {
        EditorFixture f;
        CaveRecord r = DefaultCave();
        r.Map[5][5] = '$';
        r.Map[6][5] = 'C';
        r.Map[7][5] = 'h'; // no palette entry
        r.Map[8][5] = '0';
        r.Map[2][3] = '3';
        r.Map[10][4] = '7';
        frmCave *w = f.show(r);
        QCOMPARE(w->picCave->size(), QSize(494, 286));
        QCOMPARE(w->TileSize, uint8_t(26));
        QCOMPARE(w->picCave->shpClone.Width(), 26.0);
        QCOMPARE(w->picCave->shpClone2.Width(), 12.0);
        QVERIFY(cellShows(w, 5, 5, f.m->imgS[35]->picture()));
        QVERIFY(cellShows(w, 6, 5, f.m->imgS[29]->picture()));
        QVERIFY(cellShows(w, 7, 5, Picture(QStringLiteral("obj_unknown"))));
        QVERIFY(cellShows(w, 8, 5, Picture(QStringLiteral("obj_unknown"))));
        QVERIFY(cellShows(w, 2, 3, Picture(QStringLiteral("hero3"))));
        QVERIFY(cellShows(w, 10, 4, Picture(QStringLiteral("hero7"))));
        QVERIFY(cellShows(w, 0, 0, f.m->imgS[8]->picture()));
        QVERIFY(cellShows(w, 18, 10, f.m->imgS[8]->picture()));
        // the last digit painted, column by column, decides the hero entry
        QCOMPARE(f.m->imgS[HeroObject]->Tag, QByteArray("7"));
    }

    void heroEntryEndsOnTheLastDigitPainted()
    {
        EditorFixture f;
        CaveRecord r = DefaultCave();
        r.Map[2][2] = ';';
        r.Map[4][9] = '3';
        r.Map[4][2] = '7';
        f.show(r);
        QCOMPARE(f.m->imgS[HeroObject]->Tag, QByteArray("3"));
        QCOMPARE(f.m->imgS[HeroObject]->picture(), Picture(QStringLiteral("hero3")));
        // "H" paints the hero entry as it is and leaves the variant alone
        CaveRecord h = DefaultCave();
        h.Map[2][2] = 'H';
        frmCave *w = f.show(h, 2);
        QCOMPARE(f.m->imgS[HeroObject]->Tag, QByteArray("3"));
        QVERIFY(cellShows(w, 2, 2, Picture(QStringLiteral("hero3"))));
    }

    void cellQueryBounds_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<QByteArray>("answer");
        QTest::newRow("width") << 19 << 0 << QByteArray("NE");
        QTest::newRow("height") << 0 << 11 << QByteArray("NE");
        QTest::newRow("left") << -1 << 0 << QByteArray("NE");
        QTest::newRow("above") << 0 << -1 << QByteArray("NE");
        QTest::newRow("bottom right") << 18 << 10 << QByteArray("W");
        QTest::newRow("exit") << 18 << 9 << QByteArray("T");
    }
    void cellQueryBounds()
    {
        EditorFixture f;
        frmCave *w = f.open(DefaultCave());
        QFETCH(int, x);
        QFETCH(int, y);
        QTEST(w->GetCDXY(x, y), "answer");
    }

    void escapeFromTheNameBoxHidesAndStores()
    {
        EditorFixture f;
        frmCave *w = f.show(DefaultCave());
        w->imgBCave_Click(1);
        w->txtName->setFocus();
        QApplication::setActiveWindow(f.m);
        w->txtName->selectAll();
        QTest::keyClicks(w->txtName, QStringLiteral("Nov"));
        QTest::sendKeyEvent(QTest::Click, w->txtName, Qt::Key_Aacute, QString::fromUtf8("á"), Qt::NoModifier);
        QCOMPARE(w->txtName->text(), QString::fromUtf8("Nová"));
        QTest::keyClick(w->txtName, Qt::Key_Escape);
        QVERIFY(!w->Visible());
        QCOMPARE(w->Tag, QStringLiteral("1"));
        QCOMPARE(w->picCave->size(), QSize(1, 1));
        QCOMPARE(StringToCave(f.m->CaveData[1])->Name, QByteArray("Nov\xE1"));
        // shown again: repainted
        f.m->ShowCave(1);
        QVERIFY(w->Visible());
        QCOMPARE(w->picCave->size(), QSize(494, 286));
    }

    void closeBoxHidesAndFrameUnloads()
    {
        EditorFixture f;
        frmCave *w = f.show(DefaultCave());
        f.m->CaveData[1].clear();
        QVERIFY(!w->subWindow()->close());
        QVERIFY(!w->Visible());
        QVERIFY(!f.m->CaveData[1].isEmpty());
        f.m->ShowCave(1);
        f.m->CaveData[1].clear();
        QVERIFY(Vb::CloseChildren(f.m->mdiArea()));
        QVERIFY(!f.m->CaveData[1].isEmpty());
    }

    // Minimised and brought back by each way a user has, a chamber window shows its map as it
    // was: the surface keeps its pixels, its size and its place, and the window is the active one.
    void minimisedWindowStaysOnView_data()
    {
        QTest::addColumn<QString>("route");
        for (const char *route :
             {"restore button", "maximise button", "Okna", "Editovat", "Enter", "F4", "double click"})
            QTest::newRow(route) << QString::fromLatin1(route);
    }
    void minimisedWindowStaysOnView()
    {
        QFETCH(QString, route);
        MainWindowFixture f({1000, 700});
        SetFileData set = setOf(2);
        set.Caves[1] = chamberString(DefaultCave(50, 30));
        QVERIFY(writeFile(f.path("a.zb"), setFile(set)));
        f.openSet("a.zb");
        frmMain *m = f.w.get();
        frmCol *col = m->SetWindow();
        m->ShowCave(2);
        frmCave *w = m->BoundCave(2);
        QMdiSubWindow *sub = w->subWindow();
        w->HScroll1->setValue(-300);
        w->VScroll1->setValue(-150);
        const QRect place = w->picCave->geometry();
        QCOMPARE(place.topLeft(), QPoint(-300, -150));
        const QImage map = w->picCave->grab().toImage();

        pointerClick(sub, titleButton(sub, QStyle::SC_TitleBarMinButton));
        QVERIFY(sub->isMinimized());
        QVERIFY(w->Visible());
        if (route == QLatin1String("restore button") || route == QLatin1String("maximise button")) {
            pointerClick(sub, titleButton(sub, route.startsWith(u'r') ? QStyle::SC_TitleBarNormalButton
                                                                      : QStyle::SC_TitleBarMaxButton));
        } else if (route == QLatin1String("Okna")) {
            QVERIFY(chooseFromMenu(m->menuBar(), f.control<QMenu>(QStringLiteral("mnuWindows")),
                                   sub->windowTitle()));
        } else {
            pointerClick(col->lblCName[2], QPoint(10, 5)); // row 02 chosen
            QCOMPARE(int(col->Selected), 2);
            if (route == QLatin1String("Editovat"))
                pointerClick(col->imgBCave[frmCol::EditButton], QPoint(20, 10));
            else if (route == QLatin1String("double click"))
                QTest::mouseDClick(m->windowHandle(), Qt::LeftButton, {},
                                   col->lblCName[2]->mapTo(m, QPoint(10, 5)));
            else
                QTest::keyClick(QApplication::focusWidget(),
                                route == QLatin1String("F4") ? Qt::Key_F4 : Qt::Key_Return);
        }
        QTRY_VERIFY(!sub->isMinimized() && !w->minimizedOrRestoring());
        QCOMPARE(m->mdiArea()->activeSubWindow(), sub);
        QCOMPARE(w->picCave->geometry(), place);
        QCOMPARE(w->picCave->grab().toImage(), map);
    }

    void showingMarksTheSetChanged()
    {
        EditorFixture f;
        f.open(DefaultCave());
        f.m->Changed = false;
        f.m->ShowCave(1);
        QVERIFY(f.m->Changed);
    }

    void outOfMemoryIsShownOnceAndRetried()
    {
        EditorFixture f;
        frmCave *other = f.show(DefaultCave(5, 5), 2);
        frmCave *w = f.open(DefaultCave());
        PicCave::MaxPixels = 20000;
        f.m->ShowCave(1);
        QCOMPARE(f.user.messages.size(), 1);
        QCOMPARE(f.m->mdiArea()->activeSubWindow(), other->subWindow());
        QCOMPARE(f.user.messages[0].text,
                 QString::fromUtf8("K otevření další komnaty není dostatek paměti.\r\n"
                                   "Zavři nějakou otevřenou komnatu a zkus znovu."));
        QCOMPARE(f.user.messages[0].buttons, Vb::MsgOkOnly);
        QCOMPARE(w->Caption(), QStringLiteral("Out of memory"));
        QVERIFY(!w->Visible());
        PicCave::MaxPixels = 0;
        f.m->ShowCave(1);
        QVERIFY(w->Visible());
        QCOMPARE(w->Caption(), QString::fromUtf8("Komnata - Nepojmenovaná 19×11"));
        QCOMPARE(f.user.messages.size(), 1);
    }

    void pencilSetsEachEnteredCellOnce()
    {
        EditorFixture f;
        frmCave *w = f.show(DefaultCave());
        f.m->imgTool_Click(0);
        f.m->Changed = false;
        Mouse mouse{w->picCave, {}};
        mouse.press(Qt::RightButton, centre(3, 3));
        QCOMPARE(cell(w, 3, 3), '.');
        QVERIFY(f.m->Changed);
        mouse.move(centre(4, 3));
        mouse.move(QPoint(4 * 26 + 20, 3 * 26 + 2)); // same cell
        mouse.move(QPoint(2000, 3 * 26 + 5));        // outside: the last column
        mouse.release(Qt::RightButton, QPoint(2000, 3 * 26 + 5));
        QCOMPARE(cell(w, 4, 3), '.');
        QCOMPARE(cell(w, 18, 3), '.');
        QCOMPARE(cell(w, 10, 3), ';'); // fast moves do not join cells
        QVERIFY(cellShows(w, 4, 3, f.m->imgS[0]->picture()));
    }

    void movesWithBothButtonsOrAtTheFirstCellDoNothing()
    {
        EditorFixture f;
        frmCave *w = f.show(DefaultCave());
        f.m->imgTool_Click(0);
        Mouse mouse{w->picCave, Qt::LeftButton | Qt::RightButton};
        mouse.move(centre(5, 5));
        QCOMPARE(cell(w, 5, 5), ';');
        Mouse left{w->picCave, Qt::LeftButton};
        setButton(*f.m, 1, 'D');
        left.move(centre(0, 0)); // the last cell starts as (0, 0)
        QCOMPARE(cell(w, 0, 0), 'W');
        left.move(centre(1, 1));
        QCOMPARE(cell(w, 1, 1), 'D');
    }

    void lineDragAndCancel()
    {
        EditorFixture f;
        frmCave *w = f.show(filled(19, 11, '.'));
        f.m->imgTool_Click(1);
        setButton(*f.m, 1, 'X');
        Mouse mouse{w->picCave, {}};
        mouse.press(Qt::LeftButton, centre(1, 1));
        QVERIFY(w->picCave->LineLine.Visible());
        QCOMPARE(w->picCave->LineLine.color(), QColor(255, 255, 127));
        mouse.move(centre(4, 2));
        QCOMPARE(w->picCave->LineLine.line(), QLineF(39, 39, 117, 65));
        mouse.move(centre(3, 3));
        mouse.release(Qt::LeftButton, centre(9, 9)); // the release's own cell is not used
        QVERIFY(!w->picCave->LineLine.Visible());
        QString set;
        for (int x = 0; x < 19; ++x)
            for (int y = 0; y < 11; ++y)
                if (cell(w, x, y) == 'X')
                    set += QStringLiteral("%1,%2 ").arg(x).arg(y);
        QCOMPARE(set, QStringLiteral("1,1 1,2 2,2 3,2 3,3 "));

        // a press of the other button cancels; neither release draws
        mouse.press(Qt::LeftButton, centre(10, 5));
        mouse.move(centre(14, 5));
        mouse.press(Qt::RightButton, centre(14, 5));
        QVERIFY(!w->Dragging);
        QVERIFY(!w->picCave->LineLine.Visible());
        mouse.release(Qt::RightButton, centre(14, 5));
        mouse.release(Qt::LeftButton, centre(14, 5));
        for (int x = 10; x <= 14; ++x)
            QCOMPARE(cell(w, x, 5), '.');
    }

    // However a window is hidden, a stroke still running is dropped, the surface gives
    // back its image, and the hidden window takes no mouse input.
    void hidingDropsARunningStroke_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("Esc") << 0;
        QTest::newRow("close box") << 1;
        QTest::newRow("set closed") << 2;
        QTest::newRow("deleted") << 3;
    }
    void hidingDropsARunningStroke()
    {
        QFETCH(int, how);
        EditorFixture f;
        f.open(filled(19, 11, '.'), 2);
        frmCave *w = f.show(filled(19, 11, '.'), 1);
        QApplication::setActiveWindow(f.m);
        f.m->imgTool_Click(1);
        Mouse mouse{w->picCave, {}};
        mouse.press(Qt::LeftButton, centre(1, 1));
        mouse.move(centre(5, 1));
        f.m->Changed = false;
        if (how == 0)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        else if (how == 1)
            w->subWindow()->close();
        else if (how == 2)
            QVERIFY(f.m->CloseCollection());
        else
            f.m->DelCave(1);
        QVERIFY(!w->Visible());
        QCOMPARE(w->picCave->size(), QSize(1, 1));
        QVERIFY(!w->picCave->LineLine.Visible());
        f.m->Changed = false;
        mouse.release(Qt::LeftButton, centre(5, 1));
        f.m->imgTool_Click(0);
        mouse.press(Qt::LeftButton, centre(7, 7));
        mouse.release(Qt::LeftButton, centre(7, 7));
        QVERIFY(!f.m->Changed);
        QCOMPARE(cell(w, 3, 1), '.');
        QCOMPARE(cell(w, 7, 7), '.');
    }

    void rectangleOutline()
    {
        EditorFixture f;
        frmCave *w = f.show(filled(19, 11, ';'));
        f.m->imgTool_Click(3);
        Mouse mouse{w->picCave, {}};
        mouse.press(Qt::RightButton, centre(2, 3));
        QCOMPARE(w->picCave->shpRect.color(), QColor(127, 255, 255));
        mouse.move(centre(5, 1));
        QCOMPARE(w->picCave->shpRect.Left(), 58.5);
        QCOMPARE(w->picCave->shpRect.Top(), 32.5);
        QCOMPARE(w->picCave->shpRect.Width(), 91.0);
        QCOMPARE(w->picCave->shpRect.Height(), 65.0);
        mouse.move(centre(4, 3));
        mouse.press(Qt::LeftButton, centre(4, 3)); // cancels
        mouse.release(Qt::LeftButton, centre(4, 3));
        mouse.release(Qt::RightButton, centre(4, 3));
        QCOMPARE(cell(w, 2, 3), ';');
        mouse.press(Qt::RightButton, centre(1, 1));
        mouse.move(centre(4, 2));
        mouse.move(centre(4, 3));
        mouse.release(Qt::RightButton, centre(4, 3));
        int set = 0;
        for (int x = 0; x < 19; ++x)
            for (int y = 0; y < 11; ++y)
                set += cell(w, x, y) == '.';
        QCOMPARE(set, 10);
        QCOMPARE(cell(w, 2, 2), ';');
        QCOMPARE(cell(w, 3, 2), ';');
        QCOMPARE(cell(w, 4, 2), '.');
        // press and release on one cell
        mouse.press(Qt::RightButton, centre(8, 8));
        mouse.release(Qt::RightButton, centre(8, 8));
        QCOMPARE(cell(w, 8, 8), '.');
        QCOMPARE(cell(w, 8, 7), ';');
    }

    void fillShowsTheBusyMark()
    {
        EditorFixture f;
        frmCave *w = f.show(filled(5, 5, '.'));
        f.m->imgTool_Click(4);
        QStringList captions;
        connect(w->subWindow(), &QWidget::windowTitleChanged, this, [&](const QString &t) { captions << t; });
        Mouse mouse{w->picCave, {}};
        mouse.press(Qt::LeftButton, centre(2, 2));
        mouse.release(Qt::LeftButton, centre(2, 2));
        for (int x = 0; x < 5; ++x)
            for (int y = 0; y < 5; ++y)
                QCOMPARE(cell(w, x, y), ';');
        QVERIFY(captions.contains(QString::fromUtf8("Komnata - Nepojmenovaná 5×5 - Pracuje se...")));
        QCOMPARE(w->Caption(), QString::fromUtf8("Komnata - Nepojmenovaná 5×5"));
        // on a cell that already holds the object: nothing at all
        captions.clear();
        f.m->Changed = false;
        mouse.press(Qt::LeftButton, centre(1, 1));
        QVERIFY(!f.m->Changed);
        QVERIFY(captions.isEmpty());
    }

    void cloneAcrossTwoWindows()
    {
        EditorFixture f;
        CaveRecord a = filled(19, 11, '.');
        a.Map[5][3] = 'D';
        a.Map[6][3] = 'R';
        a.Map[7][3] = '7';
        a.Map[8][3] = 'C';
        frmCave *A = f.show(a, 1);
        frmCave *B = f.show(filled(30, 20, ';'), 2);
        f.m->imgTool_Click(2);
        // The palette shows another hero than the fetched one, so the two pictures differ.
        f.m->mnuH_Click(5);
        Mouse ma{A->picCave, {}}, mb{B->picCave, {}};

        // before a clone point: nothing is painted; the source is slot 0, never shown and never made
        mb.press(Qt::LeftButton, centre(1, 1));
        mb.release(Qt::LeftButton, centre(1, 1));
        QCOMPARE(cell(B, 1, 1), ';');
        QCOMPARE(f.m->picSel[3]->Tag, QByteArray("NE"));

        ma.press(Qt::RightButton, centre(5, 3));
        ma.release(Qt::RightButton, centre(5, 3));
        QVERIFY(!f.m->Caves(0)->controlsMade());
        QVERIFY(A->picCave->shpClone.Visible());
        QVERIFY(A->picCave->shpClone2.Visible());
        QCOMPARE(A->picCave->shpClone.Left(), 130.0);
        QCOMPARE(A->picCave->shpClone2.Left(), 136.5);

        mb.press(Qt::LeftButton, centre(10, 10));
        QCOMPARE(cell(B, 10, 10), 'D');
        mb.move(centre(11, 10));
        QCOMPARE(cell(B, 11, 10), 'R');
        mb.move(centre(12, 10));
        QCOMPARE(cell(B, 12, 10), '7');
        QCOMPARE(f.m->picSel[3]->picture(), Picture(QStringLiteral("hero7")));
        QVERIFY(cellShows(B, 12, 10, Picture(QStringLiteral("hero7"))));
        mb.move(centre(13, 10));
        QCOMPARE(f.m->picSel[3]->picture(), f.m->imgS[29]->picture());
        mb.release(Qt::LeftButton, centre(13, 10));

        // after releasing, the displacement stays: (20, 4) takes (15, -3)
        f.m->Changed = false;
        mb.press(Qt::LeftButton, centre(20, 4));
        QCOMPARE(f.m->picSel[3]->Tag, QByteArray("NE"));
        QCOMPARE(f.m->picSel[3]->picture(), f.m->imgS[29]->picture());
        QCOMPARE(cell(B, 20, 4), ';');
        QVERIFY(!f.m->Changed);
        QCOMPARE(A->picCave->shpClone.Top(), -3.0 * 26);
        mb.release(Qt::LeftButton, centre(20, 4));

        // another tool hides the markers; the cloning pencil shows them again
        f.m->imgTool_Click(0);
        QVERIFY(!A->picCave->shpClone.Visible());
        QVERIFY(!A->picCave->shpClone2.Visible());
        f.m->imgTool_Click(2);
        QVERIFY(A->picCave->shpClone.Visible());

        // a new clone point restarts the stroke
        ma.press(Qt::RightButton, centre(6, 3));
        ma.release(Qt::RightButton, centre(6, 3));
        mb.press(Qt::LeftButton, centre(2, 2));
        QCOMPARE(cell(B, 2, 2), 'R');
    }

    // The clone buffer always shows what painting would show for the fetched cell.
    void cloneBufferPicture_data()
    {
        QTest::addColumn<char>("c");
        QTest::addColumn<QString>("picture");
        QTest::newRow("hero entry") << 'H' << "hero4";
        QTest::newRow("zero") << '0' << "obj_unknown";
        QTest::newRow("blank") << ' ' << "obj_unknown";
        QTest::newRow("lower case") << 'r' << "obj_unknown";
        QTest::newRow("key") << '$' << "obj35";
    }
    void cloneBufferPicture()
    {
        QFETCH(char, c);
        QFETCH(QString, picture);
        EditorFixture f;
        f.m->mnuH_Click(4);
        CaveRecord r = filled(5, 5, '.');
        r.Map[1][1] = c;
        frmCave *w = f.open(r);
        f.m->SetClonePoint(1, 1, static_cast<uint8_t>(w->Tag.toInt()));
        f.m->GetCD(3, 3);
        QCOMPARE(f.m->picSel[3]->Tag, QByteArray(1, c));
        QCOMPARE(f.m->picSel[3]->picture(), Picture(picture));
    }

    // Esc closes the active window wherever its focus rests; the window hidden
    // is deactivated and the other one on view takes its place.
    void escapeClosesTheActiveWindow_data()
    {
        QTest::addColumn<int>("focus");
        QTest::newRow("map page") << 0;
        QTest::newRow("title bar") << 1;
        QTest::newRow("back from the properties") << 2;
    }
    void escapeClosesTheActiveWindow()
    {
        QFETCH(int, focus);
        EditorFixture f;
        frmCave *other = f.show(DefaultCave(), 2);
        frmCave *w = f.show(DefaultCave(50, 30), 1);
        QApplication::setActiveWindow(f.m);
        w->Check1->setChecked(true);
        w->subWindow()->resize(600, 400); // bars shown: the auto-scroll runs
        QVERIFY(w->Timer1->Enabled());
        if (focus == 0) {
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w));
        } else if (focus == 1) {
            QTest::mouseClick(other->subWindow(), Qt::LeftButton, {}, QPoint(100, 8));
            QTest::mouseClick(w->subWindow(), Qt::LeftButton, {}, QPoint(200, 8));
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->subWindow()));
        } else {
            w->subWindow()->resize(1400, 900); // no bars: no auto-scroll box to take the focus
            QTest::mouseClick(w->lblCave[1], Qt::LeftButton, {}, QPoint(10, 5));
            QTest::mouseClick(w->txtName, Qt::LeftButton, {}, QPoint(10, 5));
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->txtName));
            QTest::mouseClick(w->lblCave[0], Qt::LeftButton, {}, QPoint(10, 5));
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->subWindow()));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!w->Visible());
        QVERIFY(!w->Timer1->Enabled());
        QCOMPARE(f.m->mdiArea()->activeSubWindow(), other->subWindow());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!other->Visible());
    }

    void typedNumbers_data()
    {
        QTest::addColumn<bool>("sizeDialog");
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("keys");   // typed over the whole text; "<" is Backspace
        QTest::addColumn<QString>("typing"); // shown while typing
        QTest::addColumn<QString>("ending");
        QTest::addColumn<int>("value"); // shown and stored once the editing ends
        QTest::newRow("total time 200") << false << 1 << "200"
                                        << "200"
                                        << "focus" << 200;
        QTest::newRow("total time 0") << false << 1 << "0"
                                      << "0"
                                      << "enter" << 5;
        QTest::newRow("total time 19 back to 1") << false << 1 << "19<"
                                                 << "1"
                                                 << "focus" << 5;
        QTest::newRow("gems emptied") << false << 0 << "<"
                                      << ""
                                      << "enter" << 0;
        QTest::newRow("magic wall over the maximum") << false << 5 << "200"
                                                     << "150"
                                                     << "focus" << 150;
        QTest::newRow("amoeba 0, window stores") << false << 6 << "0"
                                                 << "0"
                                                 << "save" << 1;
        QTest::newRow("total time 3, spin up") << false << 1 << "3"
                                               << "3"
                                               << "spin" << 6;
        QTest::newRow("size width 25") << true << 1 << "25"
                                       << "25"
                                       << "enter" << 25;
        QTest::newRow("size height 12") << true << 0 << "12"
                                        << "12"
                                        << "close" << 12;
        QTest::newRow("size width 2") << true << 1 << "2"
                                      << "2"
                                      << "enter" << 5;
        QTest::newRow("size height 60") << true << 0 << "60"
                                        << "30"
                                        << "enter" << 30;
    }
    // A number below the minimum stays as typed until the editing ends, one
    // over the maximum is cut at once; the record only ever holds the range.
    void typedNumbers()
    {
        QFETCH(bool, sizeDialog);
        QFETCH(int, box);
        QFETCH(QString, keys);
        QFETCH(QString, typing);
        QFETCH(QString, ending);
        QFETCH(int, value);
        EditorFixture f;
        frmCave *w = f.show(DefaultCave());
        w->imgBCave_Click(1);
        const auto typeInto = [&](QLineEdit *txt) {
            txt->setFocus();
            txt->selectAll();
            for (const QChar c : keys)
                QTest::keyClick(txt, c == u'<' ? Qt::Key_Backspace : Qt::Key(c.unicode()));
            QCOMPARE(txt->text(), typing);
        };
        if (sizeDialog) {
            frmSize *dlg = f.m->SizeDialog();
            QTimer::singleShot(0, dlg, [&] {
                const auto closeAnyway = qScopeGuard([dlg] { dlg->close(); });
                typeInto(dlg->txtUD(box));
                if (ending == "enter")
                    QTest::keyClick(dlg->txtUD(box), Qt::Key_Return);
                else
                    dlg->close();
            });
            w->imgBCave_Click(3);
            QCOMPARE(dlg->txtUD(box)->text(), QString::number(value));
            QCOMPARE(box == 0 ? w->record().Height : w->record().Width, value);
            return;
        }
        typeInto(w->txtUD(box));
        const int stored = CaveSpins::Value(w->record(), box);
        QCOMPARE(stored, SpinRange::Clamp(typing.toInt(), w->spin->range(box)));
        if (ending == "focus")
            w->txtUD(box == 0 ? 1 : 0)->setFocus();
        else if (ending == "enter")
            QTest::keyClick(w->txtUD(box), Qt::Key_Return);
        else if (ending == "save")
            w->SaveToColl();
        else
            QTest::mouseClick(w->spin->imgUD[static_cast<size_t>(box)], Qt::LeftButton, {},
                              QPoint(8, 23 + 3));
        QCOMPARE(w->txtUD(box)->text(), QString::number(value));
        QCOMPARE(CaveSpins::Value(w->record(), box), value);
        w->SaveToColl();
        QCOMPARE(CaveSpins::Value(StringToCave(f.m->CaveData[1]).value(), box), value);
    }

    void spinBoxesTakeDigits()
    {
        EditorFixture f;
        frmCave *w = f.show(DefaultCave());
        w->imgBCave_Click(1);
        // only digits, and no more than the box holds
        w->txtUD(2)->setText(QStringLiteral("1"));
        w->txtUD(2)->end(false);
        QTest::keyClicks(w->txtUD(2), QStringLiteral("a23"));
        QCOMPARE(w->txtUD(2)->text(), QStringLiteral("12"));
        QCOMPARE(w->record().Points, uint8_t(12));
        // bold Arial 18 points, or a font with its widths: three digits fill the box
        const QFont font = w->txtUD(2)->font();
        QVERIFY(QFontInfo(font).bold());
        QCOMPARE(QFontInfo(font).pointSize(), 18);
        QCOMPARE(QFontMetrics(font).horizontalAdvance(QStringLiteral("000")), 40);
    }

    void spinRepeatsAndDivider()
    {
        EditorFixture f;
        frmCave *w = f.show(DefaultCave());
        w->imgBCave_Click(1);
        ImageBox *strip = w->spin->imgUD[6];
        w->txtUD(6)->setText(QStringLiteral("20"));
        QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(8, 23 + 3)); // plus half
        QCOMPARE(w->txtUD(6)->text(), QStringLiteral("21"));
        QCOMPARE(strip->y(), 0);
        QCOMPARE(w->spin->tmrUD->interval(), 500);
        QVERIFY(w->spin->tmrUD->Enabled());
        for (int i = 0; i < 4; ++i) {
            w->spin->tmrUD_Timer();
            QCOMPARE(w->spin->tmrUD->interval(), 150);
        }
        QCOMPARE(w->txtUD(6)->text(), QStringLiteral("25"));
        QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(8, 3));
        QCOMPARE(strip->y(), -23);
        QVERIFY(!w->spin->tmrUD->Enabled());

        // the divider row: the step runs with 0
        QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(8, 23 + 11));
        QCOMPARE(w->spin->SpinStep, int16_t(0));
        QCOMPARE(strip->y(), -23);
        QCOMPARE(w->txtUD(6)->text(), QStringLiteral("25"));
        QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(8, 23 + 11));

        // the minus half, held at the minimum
        w->txtUD(6)->setText(QStringLiteral("1"));
        QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(8, 23 + 18));
        QCOMPARE(strip->y(), -46);
        w->spin->tmrUD_Timer();
        QCOMPARE(w->txtUD(6)->text(), QStringLiteral("1"));
        QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(8, 18));

        // Esc with the arrow held: the hidden window's box stops stepping
        QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(8, 23 + 3));
        w->txtUD(6)->setFocus();
        QApplication::setActiveWindow(f.m);
        QTest::keyClick(w->txtUD(6), Qt::Key_Escape);
        QVERIFY(!w->Visible());
        QVERIFY(!w->spin->tmrUD->Enabled());
        QCOMPARE(strip->y(), -23);
    }

    void descriptionAndNameEdits()
    {
        EditorFixture f;
        frmCave *w = f.show(DefaultCave());
        w->imgBCave_Click(1);
        f.m->Changed = false;
        w->txtDesc->setFocus();
        QTest::keyClicks(w->txtDesc, QStringLiteral("x"));
        QVERIFY(f.m->Changed);
        w->txtDesc->SetText(QString(300, u'a'));
        QCOMPARE(w->record().Description.size(), 190);
        w->txtName->setText(QString(300, u'b'));
        QCOMPARE(w->record().Name.size(), 190);
        w->SaveToColl();
        QCOMPARE(StringToCave(f.m->CaveData[1])->Name.size(), 190);
        QCOMPARE(w->CaveName.size(), 190);
        QCOMPARE(w->Caption(), QStringLiteral("Komnata - ") + QString(190, u'b'));
    }

    void atmosphereButtons()
    {
        EditorFixture f;
        CaveRecord r = DefaultCave();
        r.Atmosphere = 10; // button 1
        frmCave *w = f.show(r);
        w->imgBCave_Click(1);
        QCOMPARE(w->AtmIndex, int16_t(1));
        f.m->Changed = false;
        w->imgAtm_Click(1);
        QVERIFY(!f.m->Changed);
        QCOMPARE(w->record().Atmosphere, uint8_t(10));
        w->imgAtm_Click(3);
        QVERIFY(f.m->Changed);
        QCOMPARE(w->record().Atmosphere, uint8_t(6));
        const QRect g = w->imgAtm[3]->geometry();
        QCOMPARE(w->shpAtm.width(), g.width() / 8.0 * 5);
        QCOMPARE(w->shpAtm.center(), QRectF(g).center());
    }

    void sizeDialogGrowsWithTheRightButtonObject()
    {
        EditorFixture f;
        frmCave *w = f.show(DefaultCave());
        w->imgBCave_Click(1);
        setButton(*f.m, 2, '.');
        frmSize *dlg = f.m->SizeDialog();
        QTimer::singleShot(0, dlg, [dlg] {
            dlg->txtUD(1)->selectAll();
            QTest::keyClicks(dlg->txtUD(1), QStringLiteral("25"));
            dlg->txtUD(0)->selectAll();
            QTest::keyClicks(dlg->txtUD(0), QStringLiteral("14"));
            QTest::keyClick(dlg->txtUD(0), Qt::Key_Return);
        });
        f.m->Changed = false;
        QTest::mousePress(w->imgBCave[3], Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(w->imgBCave[3], Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(w->record().Width, uint8_t(25));
        QCOMPARE(w->record().Height, uint8_t(14));
        QCOMPARE(w->picCave->size(), QSize(650, 364));
        QVERIFY(f.m->Changed);
        for (int x = 0; x < 25; ++x)
            for (int y = 0; y < 14; ++y)
                if (x >= 19 || y >= 11)
                    QCOMPARE(cell(w, x, y), '.');
        QCOMPARE(cell(w, 18, 10), 'W');
        QCOMPARE(cell(w, 25, 0), '\0');
        QCOMPARE(w->imgBCave[3]->y(), 0);

        // the close box accepts as Enter does; Escape does nothing
        QTimer::singleShot(0, dlg, [dlg] {
            dlg->txtUD(1)->selectAll();
            QTest::keyClicks(dlg->txtUD(1), QStringLiteral("9"));
            QTest::keyClick(dlg->txtUD(1), Qt::Key_Escape);
            QVERIFY(dlg->isVisible());
            QTest::mousePress(dlg->spin->imgUD[1], Qt::LeftButton, {}, QPoint(8, 23 + 11)); // held
            dlg->close();
        });
        f.m->Changed = false;
        w->imgBCave_Click(3);
        QVERIFY(!dlg->spin->tmrUD->Enabled());
        QCOMPARE(w->record().Width, uint8_t(9));
        QCOMPARE(w->picCave->size(), QSize(234, 364));
        // the same size changes nothing
        QTimer::singleShot(0, dlg, [dlg] { dlg->close(); });
        f.m->Changed = false;
        w->imgBCave_Click(3);
        QVERIFY(!f.m->Changed);
    }

    // Each showing of the size dialog starts in "Šířka" with its text selected,
    // wherever the focus was when it closed.
    void sizeDialogStartsInWidth()
    {
        EditorFixture f;
        frmCave *w = f.show(DefaultCave());
        w->imgBCave_Click(1);
        f.whenSizeDialogShows([](frmSize *s) {
            s->txtUD(frmSize::HeightBox)->setFocus();
            typeKeys(s, QStringLiteral("\n"));
        });
        w->imgBCave_Click(3);
        f.whenSizeDialogShows([](frmSize *s) { typeKeys(s, QStringLiteral("25\n")); });
        w->imgBCave_Click(3);
        QCOMPARE(QSize(w->record().Width, w->record().Height), QSize(25, 11));
    }

    void sizeDialogKeepsWhatWasNotEdited_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>(
            "widthKeys"); // typed into the width box, if any; "+" or "-" presses an arrow
        QTest::addColumn<bool>("byClose");
        QTest::addColumn<QSize>("size");
        QTest::newRow("60 x 40, Enter") << 60 << 40 << "" << false << QSize(60, 40);
        QTest::newRow("60 x 40, closed") << 60 << 40 << "" << true << QSize(60, 40);
        QTest::newRow("3 x 3, Enter") << 3 << 3 << "" << false << QSize(3, 3);
        QTest::newRow("102 x 62, closed") << 102 << 62 << "" << true << QSize(102, 62);
        QTest::newRow("60 x 40, width 25 typed") << 60 << 40 << "25" << false << QSize(25, 40);
        QTest::newRow("3 x 3, width 7 typed") << 3 << 3 << "7" << true << QSize(7, 3);
        // an arrow never moves a size against its direction
        QTest::newRow("60 x 40, width plus") << 60 << 40 << "+" << false << QSize(60, 40);
        QTest::newRow("60 x 40, width minus") << 60 << 40 << "-" << false << QSize(50, 40);
        QTest::newRow("3 x 3, width minus") << 3 << 3 << "-" << true << QSize(3, 3);
        QTest::newRow("3 x 3, width plus") << 3 << 3 << "+" << true << QSize(5, 3);
    }
    // The boxes show the chamber's own size, in range or not, and a box the
    // user did not edit gives it back unchanged.
    void sizeDialogKeepsWhatWasNotEdited()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QString, widthKeys);
        QFETCH(bool, byClose);
        QFETCH(QSize, size);
        EditorFixture f;
        frmCave *w = f.show(filled(width, height, 'W'));
        w->imgBCave_Click(1);
        frmSize *dlg = f.m->SizeDialog();
        QCOMPARE(dlg->windowTitle(), QString::fromUtf8("Rozměry komnaty"));
        QTimer::singleShot(0, dlg, [&] {
            const auto closeAnyway = qScopeGuard([dlg] { dlg->close(); });
            QCOMPARE(dlg->txtUD(1)->text(), QString::number(width));
            QCOMPARE(dlg->txtUD(0)->text(), QString::number(height));
            dlg->txtUD(1)->setFocus();
            if (widthKeys == "+" || widthKeys == "-") {
                const QPoint half(8, widthKeys == "+" ? 23 + 3 : 23 + 15);
                QTest::mouseClick(dlg->spin->imgUD[1], Qt::LeftButton, {}, half);
            } else if (!widthKeys.isEmpty()) {
                dlg->txtUD(1)->selectAll();
                QTest::keyClicks(dlg->txtUD(1), widthKeys);
            }
            QTest::keyClick(dlg->txtUD(1), Qt::Key_Tab); // leaving a box does not bring it into range
            if (byClose)
                dlg->close();
            else
                QTest::keyClick(dlg->txtUD(0), Qt::Key_Return);
        });
        f.m->Changed = false;
        w->imgBCave_Click(3);
        QCOMPARE(QSize(w->record().Width, w->record().Height), size);
        QCOMPARE(f.m->Changed, size != QSize(width, height));
        QCOMPARE(cell(w, std::min(width, size.width()) - 1, std::min(height, size.height()) - 1), 'W');
        w->SaveToColl();
        const CaveRecord stored = StringToCave(f.m->CaveData[1]).value();
        QCOMPARE(QSize(stored.Width, stored.Height), size);
    }

    void layoutOfASmallChamber()
    {
        EditorFixture f;
        frmCave *w = f.show(DefaultCave());
        w->resize(600, 400);
        w->Arrange();
        QCOMPARE(w->picCave->pos(), QPoint(53, 47));
        // beside the surface, the window's own colour: the end colour of the maximised strips
        QCOMPARE(w->grab().toImage().pixelColor(20, 30), QColor(128, 64, 0));
        QVERIFY(w->HScroll1->isHidden());
        QVERIFY(w->Check1->isHidden());
        QVERIFY(!w->Timer1->Enabled());
        QCOMPARE(w->picFCave->geometry(), QRect(0, 20, 600, 380));
        QCOMPARE(w->imgAtm[1]->geometry(), QRect(75, 0, 75, 75));
    }

    void scrollBarsMoveTheSurface_data()
    {
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<double>("at"); // where the click lands along the bar
        QTest::addColumn<int>("moved"); // the surface's Left or Top after it
        QTest::newRow("right arrow") << true << 0.995 << -26;
        QTest::newRow("track right of the thumb") << true << 0.75 << -591;
        QTest::newRow("down arrow") << false << 0.995 << -26;
        QTest::newRow("track below the thumb") << false << 0.75 << -371;
    }

    void scrollBarsMoveTheSurface()
    {
        QFETCH(bool, horizontal);
        QFETCH(double, at);
        QFETCH(int, moved);
        EditorFixture f;
        frmCave *w = f.show(DefaultCave(50, 30));
        w->resize(600, 400);
        w->Arrange();
        QCOMPARE(w->HScroll1->minimum(), 600 - 9 - 1300);
        QVERIFY(!w->Check1->isHidden());
        QScrollBar *bar = horizontal ? w->HScroll1 : w->VScroll1;
        auto point = [&](double a) {
            return horizontal ? QPoint(int(bar->width() * a), bar->height() / 2)
                              : QPoint(bar->width() / 2, int(bar->height() * a));
        };
        auto surface = [&] { return horizontal ? w->picCave->x() : w->picCave->y(); };
        QCOMPARE(surface(), 0);
        QTest::mouseClick(bar, Qt::LeftButton, {}, point(at));
        QCOMPARE(surface(), moved);
        QTest::mouseClick(bar, Qt::LeftButton, {}, point(0.005)); // the arrow at the start
        QCOMPARE(surface(), std::min(0, moved + 26));
    }

    void autoScrollOnlyInTheActiveWindow()
    {
        EditorFixture f;
        frmCave *a = f.show(DefaultCave(50, 30), 1);
        frmCave *b = f.show(DefaultCave(50, 30), 2);
        for (frmCave *w : {a, b}) {
            w->resize(600, 400);
            QTest::mouseClick(w->Check1, Qt::LeftButton, {}, QPoint(4, 4));
        }
        f.m->mdiArea()->setActiveSubWindow(b->subWindow());
        QVERIFY(b->Timer1->Enabled());
        QVERIFY(!a->Timer1->Enabled());
        a->Arrange();
        QVERIFY(!a->Timer1->Enabled());

        // 20 % right of the centre: 0.416 pixels a step, adding up over the steps
        Mouse mouse{b->picCave, {}};
        mouse.move(QPoint(static_cast<int>(b->ViewWidth * 0.7) - b->picCave->x(),
                          static_cast<int>(b->ViewHeight / 2) - b->picCave->y()));
        b->picCave->move(0, b->picCave->y());
        for (int i = 0; i < 20; ++i)
            b->Timer1_Timer();
        QCOMPARE(b->picCave->x(), -8);

        // the pointer at the right edge: 1/32 of the surface per step, up to its end
        mouse.move(QPoint(static_cast<int>(b->ViewWidth) - b->picCave->x(),
                          static_cast<int>(b->ViewHeight / 2) - b->picCave->y()));
        QCOMPARE(b->ScrollGain, 1.0);
        b->picCave->move(0, b->picCave->y());
        b->Timer1_Timer();
        QCOMPARE(b->picCave->x(), -41); // -40.625 on a 16-bit bar
        QCOMPARE(b->HScroll1->value(), -41);
        for (int i = 0; i < 40; ++i)
            b->Timer1_Timer();
        QCOMPARE(b->picCave->x() + b->picCave->width(), static_cast<int>(b->ViewWidth));
    }

    // ZB_GRAB_DIR=path writes a grab of a painted 50 by 30 chamber there.
    void grabLargestChamber()
    {
        const QString dir = qEnvironmentVariable("ZB_GRAB_DIR");
        if (dir.isEmpty())
            QSKIP("set ZB_GRAB_DIR to grab");
        EditorFixture f;
        f.m->resize(1400, 900);
        CaveRecord r = DefaultCave(50, 30);
        const char objects[] = ".RDXWAMKESLFBI#%&$:JGN";
        for (int x = 1; x < 49; ++x)
            for (int y = 1; y < 29; ++y)
                if ((x * 7 + y * 3) % 5 == 0)
                    r.Map[x][y] = objects[(x + y) % (sizeof objects - 1)];
        r.Map[10][10] = '7';
        frmCave *w = f.show(r);
        w->subWindow()->resize(1340, 840);
        QCoreApplication::processEvents();
        QVERIFY(w->subWindow()->grab().save(dir + QStringLiteral("/chamber-window.png")));
        w->imgBCave_Click(1);
        QVERIFY(w->subWindow()->grab().save(dir + QStringLiteral("/chamber-props.png")));
        w->imgBCave_Click(0);
        w->subWindow()->resize(520, 400);
        QCoreApplication::processEvents();
        QVERIFY(w->subWindow()->grab().save(dir + QStringLiteral("/chamber-scrolled.png")));
    }
};

QTEST_MAIN(TestCaveWindow)
#include "tst_cavewindow.moc"
