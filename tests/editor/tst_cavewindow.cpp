#include "common/tools.h"
#include "editor/frmsize.h"
#include "editorfixture.h"
#include "shell/frmcol.h"
#include "support/mouse.h"

#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScopeGuard>

class TestCaveWindow : public QObject, FreshWindow<EditorFixture>
{
    Q_OBJECT
private slots:
    void init()
    {
        PicCave::MaxPixels = 0;
        start();
    }
    void cleanup() { reset(); }

    void bindingTakesLowestFreeSlot()
    {
        for (int no = 1; no <= 5; ++no)
            f->open(DefaultCave(), no);
        QCOMPARE(w->Caves(1)->Tag, QStringLiteral("1"));
        QCOMPARE(w->MaxCaveWindow, uint8_t(5));
        w->Caves(3)->Tag = QStringLiteral("free");
        w->Caves(3)->hide();
        w->OpenCave(chamberString(DefaultCave(7, 7)), 6);
        QCOMPARE(w->Caves(3)->Tag, QStringLiteral("3"));
        QCOMPARE(w->Caves(3)->CaveNo, int16_t(6));
        QCOMPARE(w->MaxCaveWindow, uint8_t(5));
        QCOMPARE(w->Caves(0)->Tag, QStringLiteral("free")); // slot 0 is never bound
        // chamber 1 deleted: its window is freed but keeps CaveNo 1; chamber 6 became 1
        w->Caves(1)->Tag = QStringLiteral("free");
        w->Caves(3)->CaveNo = 1;
        w->ShowCave(1);
        QVERIFY(w->Caves(3)->Visible());
        QVERIFY(!w->Caves(1)->Visible());
        QCOMPARE(w->Caves(3)->picCave->size(), QSize(182, 182));
    }

    // A bound window that is never shown holds its chamber without controls, stores it with
    // its numbers brought into range, and stores it again when the frame closes.
    void neverShownWindowStoresItsChamber()
    {
        CaveRecord r = DefaultCave();
        r.TotalTime = 2;   // below the box's range
        r.Points = 150;    // above it
        r.Atmosphere = 15; // outside the table: kept as it is
        r.Trailer = "abc";
        r.Name = "Jeskyn\xec";
        r.Description = "a\r\nb\rc";
        frmCave *cave = f->open(r);
        QVERIFY(!cave->picCave); // reading a control does not make it
        QCOMPARE(cave->record().TotalTime, int16_t(5));
        r.TotalTime = 5;
        r.Points = 99;
        const QByteArray s = chamberString(r);
        QCOMPARE(w->CaveData[1], s);
        QCOMPARE(cave->Caption(), QString::fromUtf8("Komnata - Jeskyně"));
        w->CaveData[1].clear();
        QVERIFY(Vb::CloseChildren(w->mdiArea()));
        QCOMPARE(w->CaveData[1], s);
        QVERIFY(!cave->controlsMade());
        cave->ensureControls();
        QCOMPARE(cave->txtUD(1)->text(), QStringLiteral("5"));
        QCOMPARE(cave->AtmIndex, int16_t(0));
    }

    // A reused window names its row again; showing it marks the set changed.
    void reusedWindowNamesItsRowAgain()
    {
        frmCave *cave = f->open(DefaultCave());
        cave->Tag = QStringLiteral("free");
        cave->CaveName.clear();
        f->open(DefaultCave(), 2); // the same name into the same window
        QCOMPARE(cave->CaveNo, int16_t(2));
        QCOMPARE(cave->CaveName, QString::fromUtf8("Nepojmenovaná 19×11"));
        w->Changed = false;
        w->ShowCave(2);
        QVERIFY(w->Changed);
    }

    // A set file may hold a chamber of width 0: it has no cells to draw on.
    void toolsLeaveAChamberWithoutCellsAlone_data()
    {
        QTest::addColumn<int>("tool");
        for (int t = 0; t < ToolCount; ++t)
            QTest::newRow(qPrintable(QStringLiteral("tool %1").arg(t))) << t;
    }
    void toolsLeaveAChamberWithoutCellsAlone()
    {
        QFETCH(int, tool);
        CaveRecord r = DefaultCave();
        r.Width = 0;
        frmCave *cave = f->show(r);
        QVERIFY(cave->Visible());
        w->imgTool_Click(tool);
        w->Changed = false;
        Mouse{cave->picCave, {}}.drag(Qt::LeftButton, {QPoint(0, 0), QPoint(0, 0)});
        QVERIFY(!w->Changed);
    }

    void paintsEveryCellColumnByColumn()
    {
        CaveRecord r = DefaultCave();
        r.Map[5][5] = '$';
        r.Map[6][5] = 'C';
        r.Map[7][5] = 'h'; // no palette entry
        r.Map[8][5] = '0';
        r.Map[2][3] = '3';
        r.Map[10][4] = '7';
        r.Map[10][1] = '3'; // in the same column, painted before
        frmCave *cave = f->show(r);
        QCOMPARE(cave->picCave->size(), QSize(494, 286));
        QCOMPARE(cave->TileSize, uint8_t(26));
        QCOMPARE(cave->picCave->shpClone.Width(), 26.0);
        QCOMPARE(cave->picCave->shpClone2.Width(), 12.0);
        QVERIFY(cellShows(cave, 5, 5, w->imgS[35]->picture()));
        QVERIFY(cellShows(cave, 6, 5, w->imgS[29]->picture()));
        QVERIFY(cellShows(cave, 7, 5, Picture(QStringLiteral("obj_unknown"))));
        QVERIFY(cellShows(cave, 8, 5, Picture(QStringLiteral("obj_unknown"))));
        QVERIFY(cellShows(cave, 2, 3, Picture(QStringLiteral("hero3"))));
        QVERIFY(cellShows(cave, 10, 4, Picture(QStringLiteral("hero7"))));
        QVERIFY(cellShows(cave, 0, 0, w->imgS[8]->picture()));
        QVERIFY(cellShows(cave, 18, 10, w->imgS[8]->picture()));
        // the last digit painted, column by column, decides the hero entry
        QCOMPARE(w->imgS[HeroObject]->Tag, QByteArray("7"));
        QCOMPARE(w->imgS[HeroObject]->picture(), Picture(QStringLiteral("hero7")));
        // "H" paints the hero entry as it is and leaves the variant alone
        CaveRecord h = DefaultCave();
        h.Map[2][2] = 'H';
        cave = f->show(h, 2);
        QCOMPARE(w->imgS[HeroObject]->Tag, QByteArray("7"));
        QVERIFY(cellShows(cave, 2, 2, Picture(QStringLiteral("hero7"))));
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
        QFETCH(int, x);
        QFETCH(int, y);
        QTEST(f->open(DefaultCave())->GetCDXY(x, y), "answer");
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
        SetFileData set = setOf(2);
        set.Caves[1] = chamberString(DefaultCave(50, 30));
        QVERIFY(writeFile(f->path("a.zb"), setFile(set)));
        w->Changed = false;
        f->openSet("a.zb");
        frmCol *col = w->SetWindow();
        w->ShowCave(2);
        frmCave *cave = w->BoundCave(2);
        QMdiSubWindow *sub = cave->subWindow();
        cave->HScroll1->setValue(-300);
        cave->VScroll1->setValue(-150);
        const QRect place = cave->picCave->geometry();
        QCOMPARE(place.topLeft(), QPoint(-300, -150));
        const QImage map = cave->picCave->grab().toImage();

        pointerClick(sub, titleButton(sub, QStyle::SC_TitleBarMinButton));
        QVERIFY(sub->isMinimized());
        QVERIFY(cave->Visible());
        if (route == QLatin1String("restore button") || route == QLatin1String("maximise button")) {
            pointerClick(sub, titleButton(sub, route.startsWith(u'r') ? QStyle::SC_TitleBarNormalButton
                                                                      : QStyle::SC_TitleBarMaxButton));
        } else if (route == QLatin1String("Okna")) {
            QVERIFY(chooseFromMenu(w->menuBar(), f->control<QMenu>(QStringLiteral("mnuWindows")),
                                   sub->windowTitle()));
        } else {
            pointerClick(col->lblCName[2], QPoint(10, 5)); // row 02 chosen
            QCOMPARE(int(col->Selected), 2);
            if (route == QLatin1String("Editovat"))
                pointerClick(col->imgBCave[frmCol::EditButton], QPoint(20, 10));
            else if (route == QLatin1String("double click"))
                QTest::mouseDClick(w->windowHandle(), Qt::LeftButton, {},
                                   col->lblCName[2]->mapTo(w, QPoint(10, 5)));
            else
                QTest::keyClick(QApplication::focusWidget(),
                                route == QLatin1String("F4") ? Qt::Key_F4 : Qt::Key_Return);
        }
        QTRY_VERIFY(!sub->isMinimized() && !cave->minimizedOrRestoring());
        QCOMPARE(w->mdiArea()->activeSubWindow(), sub);
        QCOMPARE(cave->picCave->geometry(), place);
        QCOMPARE(cave->picCave->grab().toImage(), map);
    }

    void outOfMemoryIsShownOnceAndRetried()
    {
        frmCave *other = f->show(DefaultCave(5, 5), 2);
        frmCave *cave = f->open(DefaultCave());
        PicCave::MaxPixels = 20000;
        w->ShowCave(1);
        const QList<Vb::MessageRequest> once{
            {QString::fromUtf8("K otevření další komnaty není dostatek paměti.\r\n"
                               "Zavři nějakou otevřenou komnatu a zkus znovu."),
             {},
             Vb::MsgOkOnly,
             Vb::MsgNoIcon}};
        QCOMPARE(user->messages, once);
        QCOMPARE(w->mdiArea()->activeSubWindow(), other->subWindow());
        QCOMPARE(cave->Caption(), QStringLiteral("Out of memory"));
        QVERIFY(!cave->Visible());
        PicCave::MaxPixels = 0;
        w->ShowCave(1);
        QVERIFY(cave->Visible());
        QCOMPARE(cave->Caption(), QString::fromUtf8("Komnata - Nepojmenovaná 19×11"));
        QCOMPARE(user->messages, once);
    }

    void pencilSetsEachEnteredCellOnce()
    {
        frmCave *cave = f->show(filled(8, 4, ';'));
        w->imgTool_Click(ToolPencil);
        // moves with both buttons held, or at the first cell, paint nothing
        setButton(*w, 1, 'D');
        Mouse{cave->picCave, Qt::LeftButton | Qt::RightButton}.move(centre(5, 2));
        Mouse left{cave->picCave, Qt::LeftButton};
        left.move(centre(0, 0)); // the last cell starts as (0, 0)
        left.move(centre(1, 1));
        w->Changed = false;
        Mouse mouse{cave->picCave, {}};
        mouse.press(Qt::RightButton, centre(3, 3));
        QCOMPARE(cell(cave, 3, 3), '.');
        QVERIFY(w->Changed);
        mouse.move(centre(4, 3));
        mouse.move(QPoint(4 * 26 + 20, 3 * 26 + 2)); // same cell
        mouse.move(QPoint(2000, 3 * 26 + 5));        // outside: the last column
        mouse.release(Qt::RightButton, QPoint(2000, 3 * 26 + 5));
        // fast moves do not join cells
        QCOMPARE(rows(cave->record()), (QStringList{
                                           ";;;;;;;;",
                                           ";D;;;;;;",
                                           ";;;;;;;;",
                                           ";;;..;;.",
                                       }));
        QVERIFY(cellShows(cave, 4, 3, w->imgS[0]->picture()));
    }

    void lineDragAndCancel()
    {
        frmCave *cave = f->show(filled(15, 6, '.'));
        w->imgTool_Click(ToolLine);
        setButton(*w, 1, 'X');
        Mouse mouse{cave->picCave, {}};
        mouse.press(Qt::LeftButton, centre(1, 1));
        QVERIFY(cave->picCave->LineLine.Visible());
        QCOMPARE(cave->picCave->LineLine.color(), QColor(255, 255, 127));
        mouse.move(centre(4, 2));
        QCOMPARE(cave->picCave->LineLine.line(), QLineF(centre(1, 1), centre(4, 2)));
        mouse.move(centre(3, 3));
        mouse.release(Qt::LeftButton, centre(9, 9)); // the release's own cell is not used
        QVERIFY(!cave->picCave->LineLine.Visible());
        const QStringList line{
            "...............", //
            ".X.............", //
            ".XXX...........", //
            "...X...........", //
            "...............", //
            "...............", //
        };
        QCOMPARE(rows(cave->record()), line);

        // a press of the other button cancels; neither release draws
        mouse.press(Qt::LeftButton, centre(10, 5));
        mouse.move(centre(14, 5));
        mouse.press(Qt::RightButton, centre(14, 5));
        QVERIFY(!cave->Dragging);
        QVERIFY(!cave->picCave->LineLine.Visible());
        mouse.release(Qt::RightButton, centre(14, 5));
        mouse.release(Qt::LeftButton, centre(14, 5));
        QCOMPARE(rows(cave->record()), line);
    }

    // However a window is hidden, a stroke still running is dropped, the surface gives
    // back its image, and the hidden window takes no mouse input. Hidden by Esc or its
    // close box, it stays bound: it stores its chamber and is repainted when shown again,
    // and stores it again when the frame closes.
    void hidingDropsARunningStroke_data()
    {
        QTest::addColumn<int>("how");
        int how = 0;
        for (const char *name : {"Esc", "Esc from the name box", "close box", "set closed", "deleted"})
            QTest::newRow(name) << how++;
    }
    void hidingDropsARunningStroke()
    {
        enum { Esc, NameBox, CloseBox, SetClosed };
        QFETCH(int, how);
        f->open(filled(19, 11, '.'), 2);
        frmCave *cave = f->show(filled(19, 11, '.'), 1);
        QApplication::setActiveWindow(w);
        w->imgTool_Click(ToolLine);
        Mouse mouse{cave->picCave, {}};
        mouse.press(Qt::LeftButton, centre(1, 1));
        mouse.move(centre(5, 1));
        if (how == NameBox) {
            cave->imgBCave_Click(frmCave::PropsTab);
            cave->txtName->setFocus();
            cave->txtName->selectAll();
            QTest::keyClicks(cave->txtName, QStringLiteral("Nov"));
            QTest::sendKeyEvent(QTest::Click, cave->txtName, Qt::Key_Aacute, QString::fromUtf8("á"),
                                Qt::NoModifier);
            QCOMPARE(cave->txtName->text(), QString::fromUtf8("Nová"));
        }
        w->CaveData[1].clear();
        w->Changed = false; // the set closes without asking
        if (how == Esc || how == NameBox)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        else if (how == CloseBox)
            QVERIFY(!cave->subWindow()->close());
        else if (how == SetClosed)
            QVERIFY(w->CloseCollection());
        else
            w->DelCave(1);
        QVERIFY(!cave->Visible());
        QCOMPARE(cave->picCave->size(), QSize(1, 1));
        QVERIFY(!cave->picCave->LineLine.Visible());
        w->Changed = false;
        mouse.release(Qt::LeftButton, centre(5, 1));
        w->imgTool_Click(ToolPencil);
        mouse.click(Qt::LeftButton, centre(7, 7));
        QVERIFY(!w->Changed);
        QCOMPARE(rows(cave->record()), rows(filled(19, 11, '.')));
        if (how >= SetClosed)
            return;
        QCOMPARE(cave->Tag, QStringLiteral("2")); // still bound, in the second window
        QCOMPARE(StringToCave(w->CaveData[1])->Name,
                 how == NameBox ? QByteArray("Nov\xE1") : filled(19, 11, '.').Name);
        w->ShowCave(1);
        QVERIFY(cave->Visible());
        QCOMPARE(cave->picCave->size(), QSize(494, 286));
        w->CaveData[1].clear();
        QVERIFY(Vb::CloseChildren(w->mdiArea()));
        QVERIFY(!w->CaveData[1].isEmpty());
    }

    void rectangleOutline()
    {
        frmCave *cave = f->show(filled(10, 5, ';'));
        w->imgTool_Click(ToolRectangle);
        Mouse mouse{cave->picCave, {}};
        mouse.press(Qt::RightButton, centre(2, 3));
        const CaveShape &shape = cave->picCave->shpRect;
        QCOMPARE(shape.color(), QColor(127, 255, 255));
        mouse.move(centre(5, 1));
        QCOMPARE(QRectF(shape.Left(), shape.Top(), shape.Width(), shape.Height()),
                 QRectF(58.5, 32.5, 91, 65));
        mouse.move(centre(4, 3));
        mouse.click(Qt::LeftButton, centre(4, 3)); // cancels
        mouse.release(Qt::RightButton, centre(4, 3));
        QCOMPARE(rows(cave->record()), rows(filled(10, 5, ';')));
        mouse.drag(Qt::RightButton, {centre(1, 1), centre(4, 2), centre(4, 3)});
        mouse.click(Qt::RightButton, centre(8, 4)); // press and release on one cell
        QCOMPARE(rows(cave->record()), (QStringList{
                                           ";;;;;;;;;;",
                                           ";....;;;;;",
                                           ";.;;.;;;;;",
                                           ";....;;;;;",
                                           ";;;;;;;;.;",
                                       }));
    }

    void fillShowsTheBusyMark()
    {
        frmCave *cave = f->show(filled(5, 5, '.'));
        w->imgTool_Click(ToolFill);
        QStringList captions;
        connect(cave->subWindow(), &QWidget::windowTitleChanged, this,
                [&](const QString &t) { captions << t; });
        Mouse mouse{cave->picCave, {}};
        mouse.click(Qt::LeftButton, centre(2, 2));
        QCOMPARE(rows(cave->record()), rows(filled(5, 5, ';')));
        QVERIFY(captions.contains(QString::fromUtf8("Komnata - Nepojmenovaná 5×5 - Pracuje se...")));
        QCOMPARE(cave->Caption(), QString::fromUtf8("Komnata - Nepojmenovaná 5×5"));
        // on a cell that already holds the object: nothing at all
        captions.clear();
        w->Changed = false;
        mouse.press(Qt::LeftButton, centre(1, 1));
        QVERIFY(!w->Changed);
        QVERIFY(captions.isEmpty());
    }

    void cloneAcrossTwoWindows()
    {
        CaveRecord a = filled(19, 11, '.');
        a.Map[5][3] = 'D';
        a.Map[6][3] = 'R';
        a.Map[7][3] = '7';
        a.Map[8][3] = 'C';
        frmCave *A = f->show(a, 1);
        frmCave *B = f->show(filled(30, 20, ';'), 2);
        ImageBox *buffer = w->picSel[CaveHost::CloneBuffer];
        w->imgTool_Click(ToolClone);
        // The palette shows another hero than the fetched one, so the two pictures differ.
        w->mnuH_Click(5);
        Mouse ma{A->picCave, {}}, mb{B->picCave, {}};

        // before a clone point: nothing is painted; the source is slot 0, never shown and never made
        mb.click(Qt::LeftButton, centre(1, 1));
        QCOMPARE(cell(B, 1, 1), ';');
        QCOMPARE(buffer->Tag, QByteArray("NE"));

        ma.click(Qt::RightButton, centre(5, 3));
        QVERIFY(!w->Caves(0)->controlsMade());
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
        QCOMPARE(buffer->picture(), Picture(QStringLiteral("hero7")));
        QVERIFY(cellShows(B, 12, 10, Picture(QStringLiteral("hero7"))));
        mb.move(centre(13, 10));
        QCOMPARE(buffer->picture(), w->imgS[29]->picture());
        mb.release(Qt::LeftButton, centre(13, 10));

        // after releasing, the displacement stays: (20, 4) takes (15, -3)
        w->Changed = false;
        mb.press(Qt::LeftButton, centre(20, 4));
        QCOMPARE(buffer->Tag, QByteArray("NE"));
        QCOMPARE(buffer->picture(), w->imgS[29]->picture());
        QCOMPARE(cell(B, 20, 4), ';');
        QVERIFY(!w->Changed);
        QCOMPARE(A->picCave->shpClone.Top(), -3.0 * 26);
        mb.release(Qt::LeftButton, centre(20, 4));

        // another tool hides the markers; the cloning pencil shows them again
        w->imgTool_Click(ToolPencil);
        QVERIFY(!A->picCave->shpClone.Visible());
        QVERIFY(!A->picCave->shpClone2.Visible());
        w->imgTool_Click(ToolClone);
        QVERIFY(A->picCave->shpClone.Visible());

        // a new clone point restarts the stroke
        ma.click(Qt::RightButton, centre(6, 3));
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
        w->mnuH_Click(4);
        CaveRecord r = filled(5, 5, '.');
        r.Map[1][1] = c;
        frmCave *cave = f->open(r);
        w->SetClonePoint(1, 1, static_cast<uint8_t>(cave->Tag.toInt()));
        w->GetCD(3, 3);
        QCOMPARE(w->picSel[CaveHost::CloneBuffer]->Tag, QByteArray(1, c));
        QCOMPARE(w->picSel[CaveHost::CloneBuffer]->picture(), Picture(picture));
    }

    // Esc closes the active window wherever its focus rests; the window hidden
    // is deactivated and the other one on view takes its place.
    void escapeClosesTheActiveWindow_data()
    {
        QTest::addColumn<int>("focus");
        int focus = 0;
        for (const char *name : {"map page", "title bar", "back from the properties"})
            QTest::newRow(name) << focus++;
    }
    void escapeClosesTheActiveWindow()
    {
        QFETCH(int, focus);
        frmCave *other = f->show(DefaultCave(), 2);
        frmCave *cave = f->show(DefaultCave(50, 30), 1);
        QApplication::setActiveWindow(w);
        cave->Check1->setChecked(true);
        cave->subWindow()->resize(600, 400); // bars shown: the auto-scroll runs
        QVERIFY(cave->Timer1->Enabled());
        if (focus == 0) {
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(cave));
        } else if (focus == 1) {
            QTest::mouseClick(other->subWindow(), Qt::LeftButton, {}, QPoint(100, 8));
            QTest::mouseClick(cave->subWindow(), Qt::LeftButton, {}, QPoint(200, 8));
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(cave->subWindow()));
        } else {
            cave->subWindow()->resize(1400, 900); // no bars: no auto-scroll box to take the focus
            QTest::mouseClick(cave->lblCave[frmCave::PropsTab], Qt::LeftButton, {}, QPoint(10, 5));
            QTest::mouseClick(cave->txtName, Qt::LeftButton, {}, QPoint(10, 5));
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(cave->txtName));
            QTest::mouseClick(cave->lblCave[frmCave::MapTab], Qt::LeftButton, {}, QPoint(10, 5));
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(cave->subWindow()));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!cave->Visible());
        QVERIFY(!cave->Timer1->Enabled());
        QCOMPARE(w->mdiArea()->activeSubWindow(), other->subWindow());
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
        addRow("total time 200", false, 1, "200", "200", "focus", 200);
        addRow("total time 0", false, 1, "0", "0", "enter", 5);
        addRow("total time 19 back to 1", false, 1, "19<", "1", "focus", 5);
        addRow("gems emptied", false, 0, "<", "", "enter", 0);
        addRow("magic wall over the maximum", false, 5, "200", "150", "focus", 150);
        addRow("amoeba 0, window stores", false, 6, "0", "0", "save", 1);
        addRow("total time 3, spin up", false, 1, "3", "3", "spin", 6);
        addRow("points: only digits, no more than the box holds", false, 2, "1a23", "12", "focus", 12);
        addRow("size width 25", true, frmSize::WidthBox, "25", "25", "enter", 25);
        addRow("size height 12", true, frmSize::HeightBox, "12", "12", "close", 12);
        addRow("size width 2", true, frmSize::WidthBox, "2", "2", "enter", 5);
        addRow("size height 60", true, frmSize::HeightBox, "60", "30", "enter", 30);
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
        frmCave *cave = f->show(DefaultCave());
        cave->imgBCave_Click(frmCave::PropsTab);
        const auto typeInto = [&](QLineEdit *txt) {
            txt->setFocus();
            txt->selectAll();
            for (const QChar c : keys)
                QTest::keyClick(txt, c == u'<' ? Qt::Key_Backspace : Qt::Key(c.toUpper().unicode()));
            QCOMPARE(txt->text(), typing);
        };
        if (sizeDialog) {
            f->whenSizeDialogShows([&](frmSize *s) {
                const auto closeAnyway = qScopeGuard([s] { s->close(); });
                typeInto(s->txtUD(box));
                if (ending == "enter")
                    QTest::keyClick(s->txtUD(box), Qt::Key_Return);
            });
            cave->imgBCave_Click(frmCave::SizeCommand);
            QCOMPARE(w->SizeDialog()->txtUD(box)->text(), QString::number(value));
            QCOMPARE(box == frmSize::HeightBox ? cave->record().Height : cave->record().Width, value);
            return;
        }
        typeInto(cave->txtUD(box));
        const int stored = CaveSpins::Value(cave->record(), box);
        QCOMPARE(stored, SpinRange::Clamp(typing.toInt(), cave->spin->range(box)));
        if (ending == "focus")
            cave->txtUD(box == 0 ? 1 : 0)->setFocus();
        else if (ending == "enter")
            QTest::keyClick(cave->txtUD(box), Qt::Key_Return);
        else if (ending == "save")
            cave->SaveToColl();
        else
            QTest::mouseClick(cave->spin->imgUD[static_cast<size_t>(box)], Qt::LeftButton, {},
                              QPoint(8, 23 + 3));
        QCOMPARE(cave->txtUD(box)->text(), QString::number(value));
        QCOMPARE(CaveSpins::Value(cave->record(), box), value);
        cave->SaveToColl();
        QCOMPARE(CaveSpins::Value(StringToCave(w->CaveData[1]).value(), box), value);
    }
    void spinBoxFont()
    {
        frmCave *cave = f->show(DefaultCave());
        cave->imgBCave_Click(frmCave::PropsTab);
        // bold Arial 18 points, or a font with its widths: three digits fill the box
        const QFont font = cave->txtUD(2)->font();
        QVERIFY(QFontInfo(font).bold());
        QCOMPARE(QFontInfo(font).pointSize(), 18);
        QCOMPARE(QFontMetrics(font).horizontalAdvance(QStringLiteral("000")), 40);
    }

    void spinRepeatsAndDivider()
    {
        frmCave *cave = f->show(DefaultCave());
        cave->imgBCave_Click(frmCave::PropsTab);
        ImageBox *strip = cave->spin->imgUD[6];
        cave->txtUD(6)->setText(QStringLiteral("20"));
        QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(8, 23 + 3)); // plus half
        QCOMPARE(cave->txtUD(6)->text(), QStringLiteral("21"));
        QCOMPARE(strip->y(), 0);
        QCOMPARE(cave->spin->tmrUD->interval(), 500);
        QVERIFY(cave->spin->tmrUD->Enabled());
        for (int i = 0; i < 4; ++i) {
            cave->spin->tmrUD_Timer();
            QCOMPARE(cave->spin->tmrUD->interval(), 150);
        }
        QCOMPARE(cave->txtUD(6)->text(), QStringLiteral("25"));
        QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(8, 3));
        QCOMPARE(strip->y(), -23);
        QVERIFY(!cave->spin->tmrUD->Enabled());

        // the divider row: the step runs with 0
        QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(8, 23 + 11));
        QCOMPARE(cave->spin->SpinStep, int16_t(0));
        QCOMPARE(strip->y(), -23);
        QCOMPARE(cave->txtUD(6)->text(), QStringLiteral("25"));
        QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(8, 23 + 11));

        // the minus half, held at the minimum
        cave->txtUD(6)->setText(QStringLiteral("1"));
        QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(8, 23 + 18));
        QCOMPARE(strip->y(), -46);
        cave->spin->tmrUD_Timer();
        QCOMPARE(cave->txtUD(6)->text(), QStringLiteral("1"));
        QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(8, 18));

        // Esc with the arrow held: the hidden window's box stops stepping
        QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(8, 23 + 3));
        cave->txtUD(6)->setFocus();
        QApplication::setActiveWindow(w);
        QTest::keyClick(cave->txtUD(6), Qt::Key_Escape);
        QVERIFY(!cave->Visible());
        QVERIFY(!cave->spin->tmrUD->Enabled());
        QCOMPARE(strip->y(), -23);
    }

    void descriptionAndNameEdits()
    {
        frmCave *cave = f->show(DefaultCave());
        cave->imgBCave_Click(frmCave::PropsTab);
        w->Changed = false;
        cave->txtDesc->setFocus();
        QTest::keyClicks(cave->txtDesc, QStringLiteral("x"));
        QVERIFY(w->Changed);
        cave->txtDesc->SetText(QString(300, u'a'));
        QCOMPARE(cave->record().Description.size(), 190);
        cave->txtName->setText(QString(300, u'b'));
        QCOMPARE(cave->record().Name.size(), 190);
        cave->SaveToColl();
        QCOMPARE(StringToCave(w->CaveData[1])->Name.size(), 190);
        QCOMPARE(cave->CaveName.size(), 190);
        QCOMPARE(cave->Caption(), QStringLiteral("Komnata - ") + QString(190, u'b'));
    }

    void atmosphereButtons()
    {
        CaveRecord r = DefaultCave();
        r.Atmosphere = 10; // button 1
        frmCave *cave = f->show(r);
        cave->imgBCave_Click(frmCave::PropsTab);
        QCOMPARE(cave->AtmIndex, int16_t(1));
        w->Changed = false;
        cave->imgAtm_Click(1);
        QVERIFY(!w->Changed);
        QCOMPARE(cave->record().Atmosphere, uint8_t(10));
        cave->imgAtm_Click(3);
        QVERIFY(w->Changed);
        QCOMPARE(cave->record().Atmosphere, uint8_t(6));
        const QRect g = cave->imgAtm[3]->geometry();
        QCOMPARE(cave->shpAtm.width(), g.width() / 8.0 * 5);
        QCOMPARE(cave->shpAtm.center(), QRectF(g).center());
    }

    void sizeDialog_data()
    {
        QTest::addColumn<QSize>("chamber");
        // typed into the dialog; "+" and "-" click the width's arrow halves, "=" holds its
        // divider, "\x1b" is Escape; without a last "\n" the close box ends it
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QSize>("size");
        addRow("60 x 40, Enter", QSize(60, 40), "\t\n", QSize(60, 40));
        addRow("60 x 40, closed", QSize(60, 40), "\t", QSize(60, 40));
        addRow("3 x 3, Enter", QSize(3, 3), "\t\n", QSize(3, 3));
        addRow("102 x 62, closed", QSize(102, 62), "\t", QSize(102, 62));
        addRow("60 x 40, width 25 typed", QSize(60, 40), "25\t\n", QSize(25, 40));
        addRow("3 x 3, width 7 typed", QSize(3, 3), "7\t", QSize(7, 3));
        addRow("19 x 11, grown", QSize(19, 11), "25\t14\n", QSize(25, 14));
        // the close box accepts as Enter does; Escape does nothing
        addRow("25 x 14, Escape, arrow held, closed", QSize(25, 14), "9\x1b=", QSize(9, 14));
        // an arrow never moves a size against its direction
        addRow("60 x 40, width plus", QSize(60, 40), "+\t\n", QSize(60, 40));
        addRow("60 x 40, width minus", QSize(60, 40), "-\t\n", QSize(50, 40));
        addRow("3 x 3, width minus", QSize(3, 3), "-\t", QSize(3, 3));
        addRow("3 x 3, width plus", QSize(3, 3), "+\t", QSize(5, 3));
    }
    // The boxes show the chamber's own size, in range or not, and a box the user did not
    // edit gives it back unchanged; leaving a box does not bring it into range. Each showing
    // starts in "Šířka" with its text selected, wherever the focus was when it closed. The
    // chamber keeps its cells and takes the right button's object beyond its old edges.
    void sizeDialog()
    {
        QFETCH(QSize, chamber);
        QFETCH(QString, keys);
        QFETCH(QSize, size);
        frmCave *cave = f->show(filled(chamber.width(), chamber.height(), 'W'));
        cave->imgBCave_Click(frmCave::PropsTab);
        QCOMPARE(w->SizeDialog()->windowTitle(), QString::fromUtf8("Rozměry komnaty"));
        f->whenSizeDialogShows([](frmSize *s) { typeKeys(s, QStringLiteral("\t\n")); });
        cave->imgBCave_Click(frmCave::SizeCommand);
        f->whenSizeDialogShows([&](frmSize *s) {
            const auto closeAnyway = qScopeGuard([s] { s->close(); });
            QCOMPARE(s->txtUD(frmSize::WidthBox)->text(), QString::number(chamber.width()));
            QCOMPARE(s->txtUD(frmSize::HeightBox)->text(), QString::number(chamber.height()));
            for (const QChar c : keys) {
                const int at = c == u'+' ? 3 : c == u'-' ? 15 : 11; // in the lower strip
                if (c == u'+' || c == u'-')
                    QTest::mouseClick(s->spin->imgUD[frmSize::WidthBox], Qt::LeftButton, {}, {8, 23 + at});
                else if (c == u'=')
                    QTest::mousePress(s->spin->imgUD[frmSize::WidthBox], Qt::LeftButton, {}, {8, 23 + at});
                else
                    typeKeys(s, c);
                if (c == u'\x1b')
                    QVERIFY(s->isVisible());
            }
        });
        w->Changed = false;
        QTest::mouseClick(cave->imgBCave[frmCave::SizeCommand], Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(!w->SizeDialog()->spin->tmrUD->Enabled());
        QCOMPARE(cave->imgBCave[frmCave::SizeCommand]->y(), 0);
        QCOMPARE(QSize(cave->record().Width, cave->record().Height), size);
        QCOMPARE(cave->picCave->size(), size * 26);
        QCOMPARE(w->Changed, size != chamber);
        QStringList picture;
        for (int y = 0; y < size.height(); ++y)
            picture << QString(y < chamber.height() ? std::min(chamber.width(), size.width()) : 0, u'W')
                           .leftJustified(size.width(), u'.');
        QCOMPARE(rows(cave->record()), picture);
        if (size.width() > chamber.width())
            QCOMPARE(cell(cave, size.width(), 0), '\0');
        cave->SaveToColl();
        const CaveRecord stored = StringToCave(w->CaveData[1]).value();
        QCOMPARE(QSize(stored.Width, stored.Height), size);
    }

    void layoutOfASmallChamber()
    {
        frmCave *cave = f->show(DefaultCave());
        cave->resize(600, 400);
        cave->Arrange();
        QCOMPARE(cave->picCave->pos(), QPoint(53, 47));
        // beside the surface, the window's own colour: the end colour of the maximised strips
        QCOMPARE(cave->grab().toImage().pixelColor(20, 30), QColor(128, 64, 0));
        QVERIFY(cave->HScroll1->isHidden());
        QVERIFY(cave->Check1->isHidden());
        QVERIFY(!cave->Timer1->Enabled());
        QCOMPARE(cave->picFCave->geometry(), QRect(0, 20, 600, 380));
        QCOMPARE(cave->imgAtm[1]->geometry(), QRect(75, 0, 75, 75));
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
        frmCave *cave = f->show(DefaultCave(50, 30));
        cave->resize(600, 400);
        cave->Arrange();
        QCOMPARE(cave->HScroll1->minimum(), 600 - 9 - 1300);
        QVERIFY(!cave->Check1->isHidden());
        QScrollBar *bar = horizontal ? cave->HScroll1 : cave->VScroll1;
        auto point = [&](double a) {
            return horizontal ? QPoint(int(bar->width() * a), bar->height() / 2)
                              : QPoint(bar->width() / 2, int(bar->height() * a));
        };
        auto surface = [&] { return horizontal ? cave->picCave->x() : cave->picCave->y(); };
        QCOMPARE(surface(), 0);
        QTest::mouseClick(bar, Qt::LeftButton, {}, point(at));
        QCOMPARE(surface(), moved);
        QTest::mouseClick(bar, Qt::LeftButton, {}, point(0.005)); // the arrow at the start
        QCOMPARE(surface(), std::min(0, moved + 26));
    }

    void autoScrollOnlyInTheActiveWindow()
    {
        frmCave *a = f->show(DefaultCave(50, 30), 1);
        frmCave *b = f->show(DefaultCave(50, 30), 2);
        for (frmCave *cave : {a, b}) {
            cave->resize(600, 400);
            QTest::mouseClick(cave->Check1, Qt::LeftButton, {}, QPoint(4, 4));
        }
        w->mdiArea()->setActiveSubWindow(b->subWindow());
        QVERIFY(b->Timer1->Enabled());
        QVERIFY(!a->Timer1->Enabled());
        a->Arrange();
        QVERIFY(!a->Timer1->Enabled());

        // 20 % right of the centre: 0.416 pixels a step, adding up over the steps, on the bar too
        Mouse mouse{b->picCave, {}};
        mouse.move(QPoint(static_cast<int>(b->ViewWidth * 0.7) - b->picCave->x(),
                          static_cast<int>(b->ViewHeight / 2) - b->picCave->y()));
        QCOMPARE(b->ScrollGain, 1.0);
        b->picCave->move(0, b->picCave->y());
        for (int i = 0; i < 20; ++i)
            b->Timer1_Timer();
        QCOMPARE(b->picCave->x(), -8);
        QCOMPARE(b->HScroll1->value(), -8);
    }

    // ZB_GRAB_DIR=path writes a grab of a painted 50 by 30 chamber there.
    void grabLargestChamber()
    {
        const QString dir = qEnvironmentVariable("ZB_GRAB_DIR");
        if (dir.isEmpty())
            QSKIP("set ZB_GRAB_DIR to grab");
        w->resize(1400, 900);
        CaveRecord r = DefaultCave(50, 30);
        const char objects[] = ".RDXWAMKESLFBI#%&$:JGN";
        for (int x = 1; x < 49; ++x)
            for (int y = 1; y < 29; ++y)
                if ((x * 7 + y * 3) % 5 == 0)
                    r.Map[x][y] = objects[(x + y) % (sizeof objects - 1)];
        r.Map[10][10] = '7';
        frmCave *cave = f->show(r);
        cave->subWindow()->resize(1340, 840);
        QCoreApplication::processEvents();
        QVERIFY(cave->subWindow()->grab().save(dir + QStringLiteral("/chamber-window.png")));
        cave->imgBCave_Click(frmCave::PropsTab);
        QVERIFY(cave->subWindow()->grab().save(dir + QStringLiteral("/chamber-props.png")));
        cave->imgBCave_Click(frmCave::MapTab);
        cave->subWindow()->resize(520, 400);
        QCoreApplication::processEvents();
        QVERIFY(cave->subWindow()->grab().save(dir + QStringLiteral("/chamber-scrolled.png")));
    }
};

QTEST_MAIN(TestCaveWindow)
#include "tst_cavewindow.moc"
