#include "rules/collayout.h"
#include "shell/frmcol.h"
#include "shell/frmmain.h"
#include "support/mainwindow.h"
#include "support/mouse.h"
#include "toolkit/imagebox.h"
#include "toolkit/multilinebox.h"
#include "toolkit/picturebox.h"
#include "toolkit/vbevents.h"
#include "toolkit/vblabel.h"

#include <QApplication>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QtTest>

#include <memory>

class TestSetWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f;
    frmMain *main = nullptr;
    frmCol *col = nullptr;

    // Sets the set window's inner size.
    void setInner(int w, int h)
    {
        QMdiSubWindow *sub = col->subWindow();
        sub->resize(w + sub->width() - col->width(), h + sub->height() - col->height());
        QCOMPARE(col->size(), QSize(w, h));
    }

    void fillRows(int n)
    {
        for (int k = main->NumCaves; k >= 1; --k)
            col->DestroyRow(k);
        main->NumCaves = uint8_t(n);
        for (int k = 1; k <= n; ++k) {
            col->CreateRow(k);
            col->SetRowName(k, QStringLiteral("Komnata %1").arg(k));
        }
        col->SendSelToBack();
        col->SetCanvasHeight(n * 16);
        col->SetSelTop(ColLayout::HiddenSelTop);
        col->Selected = 0;
        col->VScroll1->setValue(0);
        col->Form_Resize();
    }

    int canvasTop() const { return col->picCavesIn->y(); }

private slots:
    void init()
    {
        f = std::make_unique<MainWindowFixture>(QSize(1000, 800));
        main = f->w.get();
        col = main->SetWindow();
        col->show();
        col->SetFocus();
        QApplication::setActiveWindow(main);
        main->tmrRoll->setEnabled(false);
        setInner(448, 409);
        fillRows(12);
    }

    void cleanup()
    {
        f.reset();
        col = nullptr;
    }

    void createdOnceHiddenNotClosed()
    {
        QCOMPARE(main->SetWindow(), col);
        QCOMPARE(col->Caption(), QStringLiteral("Sada komnat"));
        col->lblCName_Click(5);
        col->subWindow()->close();
        QVERIFY(!col->isVisible());
        QCOMPARE(main->SetWindow(), col);
        col->show();
        QVERIFY(col->isVisible());
        QCOMPARE(col->Selected, uint8_t(5));
        QCOMPARE(col->RowName(12), QStringLiteral("Komnata 12"));
        int cancel = 0;
        col->Form_QueryUnload(cancel, Vb::CloseFromFrame);
        QCOMPARE(cancel, 0);
    }

    void keys_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        QTest::newRow("up on row 1") << 1 << int(Qt::Key_Up) << 1;
        QTest::newRow("down on the last") << 12 << int(Qt::Key_Down) << 12;
        QTest::newRow("up from none") << 0 << int(Qt::Key_Up) << 1;
        QTest::newRow("down") << 3 << int(Qt::Key_Down) << 4;
        QTest::newRow("up") << 7 << int(Qt::Key_Up) << 6;
    }

    void keys()
    {
        QFETCH(int, from);
        QFETCH(int, key);
        if (from > 0)
            col->lblCName_Click(from);
        col->setFocus();
        QTest::keyClick(col, Qt::Key(key));
        QTEST(int(col->Selected), "to");
        QCOMPARE(col->SelTop(), (col->Selected - 1) * 16);
    }

    // The key reaches the box too, and is seen once.
    void keyInMultiLineBox()
    {
        col->lblCName_Click(5);
        col->txtDesc->setPlainText(QStringLiteral("a\nb"));
        col->txtDesc->moveCursor(QTextCursor::End);
        col->txtDesc->setFocus();
        QTest::keyClick(col->txtDesc, Qt::Key_Up);
        QCOMPARE(col->Selected, uint8_t(4));
        QCOMPARE(col->txtDesc->textCursor().blockNumber(), 0);
        col->txtName->setFocus();
        QTest::keyClick(col->txtName, Qt::Key_Down);
        QCOMPARE(col->Selected, uint8_t(5));
    }

    void emptySetSelectsNothing()
    {
        fillRows(0);
        for (int i : {-3, 0, 1, 5}) {
            col->lblCName_Click(i);
            QCOMPARE(col->Selected, uint8_t(0));
            QCOMPARE(col->SelTop(), 0);
        }
    }

    void dragOnRows()
    {
        VbLabel *row3 = col->lblCName[3];
        QTest::mousePress(row3, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(col->Selected, uint8_t(3));
        // The label keeps the pointer while the button is held: row by row.
        Mouse{row3, Qt::LeftButton}.move(QPoint(5, 5 + 16));
        QCOMPARE(col->Selected, uint8_t(4));
        Mouse{row3, Qt::LeftButton}.move(QPoint(5, 5 + 32));
        QCOMPARE(col->Selected, uint8_t(5));
        Mouse{row3, Qt::LeftButton}.move(QPoint(5, -1));
        QCOMPARE(col->Selected, uint8_t(2));
        Mouse{row3, Qt::LeftButton}.move(QPoint(5, -200));
        QCOMPARE(col->Selected, uint8_t(1));
        Mouse{row3, Qt::LeftButton}.move(QPoint(5, 2000));
        QCOMPARE(col->Selected, uint8_t(12));
        QTest::mouseRelease(row3, Qt::LeftButton, {}, QPoint(5, 2000));
        // Only the left button alone drags over the labels.
        col->lblCName_Click(3);
        QTest::mousePress(col->lblCNo[3], Qt::RightButton, {}, QPoint(5, 5));
        Mouse{col->lblCNo[3], Qt::RightButton}.move(QPoint(5, 40));
        Mouse{col->lblCNo[3], Qt::LeftButton | Qt::RightButton}.move(QPoint(5, 40));
        QCOMPARE(col->Selected, uint8_t(3));
        QTest::mouseRelease(col->lblCNo[3], Qt::RightButton, {}, QPoint(5, 40));
        // A number label drags from its own top edge.
        QTest::mousePress(col->lblCNo[6], Qt::LeftButton, {}, QPoint(3, 15));
        QCOMPARE(col->Selected, uint8_t(6));
        QTest::mouseRelease(col->lblCNo[6], Qt::LeftButton, {}, QPoint(3, 15));
        // It lies above the name where the two overlap: a drag from there counts from its top.
        QWidget *pressed = col->picCavesIn->childAt(19, 2 * 16 + 8);
        const auto at = [&](int y) { return pressed->mapFrom(col->picCavesIn, QPoint(19, y)); };
        QTest::mousePress(pressed, Qt::LeftButton, {}, at(2 * 16 + 8));
        QCOMPARE(col->Selected, uint8_t(3));
        Mouse{pressed, Qt::LeftButton}.move(at(4 * 16));
        QCOMPARE(col->Selected, uint8_t(5));
        QTest::mouseRelease(pressed, Qt::LeftButton, {}, at(4 * 16));
    }

    void dragOnBackground()
    {
        fillRows(3);
        // Below the last row the frame shows: any button selects, clamped to the list.
        QTest::mousePress(col->picCaves, Qt::RightButton, {}, QPoint(100, 100));
        QCOMPARE(col->Selected, uint8_t(3));
        Mouse{col->picCaves, Qt::RightButton}.move(QPoint(100, 20));
        QCOMPARE(col->Selected, uint8_t(2));
        QTest::mouseRelease(col->picCaves, Qt::RightButton, {}, QPoint(100, 20));
        // Behind the labels, a press on the canvas waits for a move.
        col->picCavesIn->resize(1950, col->picCavesIn->height());
        col->lblCName_Click(1);
        QTest::mousePress(col->picCavesIn, Qt::MiddleButton, {}, QPoint(1930, 40));
        QCOMPARE(col->Selected, uint8_t(1));
        Mouse{col->picCavesIn, Qt::MiddleButton}.move(QPoint(1930, 40));
        QCOMPARE(col->Selected, uint8_t(3));
        Mouse{col->picCavesIn, Qt::NoButton}.move(QPoint(1930, 10));
        QCOMPARE(col->Selected, uint8_t(3));
    }

    void scrollIntoView()
    {
        setInner(600, 100 + 85); // a list 100 high, 12 rows of 16
        QCOMPARE(col->picCaves->height(), 100);
        QCOMPARE(col->VScroll1->maximum(), 92);
        col->lblCName_Click(12);
        QCOMPARE(col->VScroll1->value(), 92);
        QCOMPARE(canvasTop(), -92);
        col->lblCName_Click(9); // within view: no scrolling
        QCOMPARE(canvasTop(), -92);
        col->lblCName_Click(2);
        QCOMPARE(col->VScroll1->value(), 16);
        QCOMPARE(canvasTop(), -16);
        col->VScroll1->setValue(40);
        QCOMPARE(canvasTop(), -40);
        // Growing until all fit puts the canvas back at the top, the bar out of view.
        setInner(600, 300);
        QCOMPARE(canvasTop(), 0);
        QCOMPARE(col->VScroll1->x(), 600 - 16);
        QCOMPARE(col->imgSel->width(), 600 - 18);
        // Too low for a list: the list and both button panels go.
        setInner(600, 85);
        QVERIFY(!col->picCaves->isVisible() && !col->picButtons[0]->isVisible() &&
                !col->picButtons[1]->isVisible());
        setInner(600, 86);
        QVERIFY(col->picCaves->isVisible() && col->picButtons[1]->isVisible());
        QCOMPARE(col->picButtons[0]->pos(), QPoint(48, 86 - 24));
    }

    void buttons()
    {
        const QStringList captions{QStringLiteral("Editovat"), QStringLiteral("Přidat"),
                                   QStringLiteral("Smazat"), QStringLiteral("  Nahoru"),
                                   QStringLiteral("Dolu  ")};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(col->lblCave[i]->Caption(), captions[i]);
            QWidget *target = i % 2 ? static_cast<QWidget *>(col->lblCave[i]) : col->imgBCave[i];
            QTest::mousePress(target, Qt::RightButton, {}, QPoint(10, 5));
            QCOMPARE(col->imgBCave[i]->y(), -20);
            QCOMPARE(col->lblCave[i]->pos(), QPoint(1, 3));
            QTest::mouseRelease(target, Qt::RightButton, {}, QPoint(10, 5));
            QCOMPARE(col->imgBCave[i]->y(), 0);
            QCOMPARE(col->lblCave[i]->pos(), QPoint(0, 2));
        }
        QCOMPARE(col->imgBCave[1]->picture(), col->imgBCave[0]->picture());
        QCOMPARE(col->imgBCave[2]->picture(), col->imgBCave[0]->picture());
        QVERIFY(!(col->imgBCave[3]->picture() == col->imgBCave[0]->picture()));
    }

    void allowedBox()
    {
        col->txtCaves->clear();
        main->Changed = false;
        col->txtCaves->setFocus();
        QTest::keyClicks(col->txtCaves, QStringLiteral("1;2;3;"));
        QCOMPARE(col->txtCaves->text(), QStringLiteral("01;02;03;"));
        QCOMPARE(col->txtCaves->cursorPosition(), 9);
        col->txtCaves->clear();
        QTest::keyClicks(col->txtCaves, QStringLiteral("5;"));
        QCOMPARE(col->txtCaves->text(), QStringLiteral("05;"));
        QCOMPARE(col->txtCaves->cursorPosition(), 3);
        QVERIFY(main->Changed);

        // Loading a set fills the box and still leaves the set unchanged.
        col->txtCaves->clear();
        SetFileData set = setOf(2);
        set.Allowed[2] = true;
        QVERIFY(writeFile(f->path("a.zb"), setFile(set)));
        QVERIFY(main->OpenCollection(f->path("a.zb")));
        QCOMPARE(col->txtCaves->text(), QStringLiteral("01;02;"));
        QVERIFY(!main->Changed);
    }

    void boxesMarkChanged_data()
    {
        QTest::addColumn<int>("box");
        for (int i = 0; i < 5; ++i)
            QTest::newRow(QByteArray::number(i)) << i;
    }

    void boxesMarkChanged()
    {
        QFETCH(int, box);
        QWidget *boxes[] = {col->txtName, col->txtAuth, col->txtMail, col->txtDesc, col->txtCongr};
        main->Changed = false;
        boxes[box]->setFocus();
        QTest::keyClick(boxes[box], Qt::Key_X);
        QVERIFY(main->Changed);
    }

    void sheetRollsDownAndUp()
    {
        QCOMPARE(col->Picture2->height(), 53);
        const QPoint at = col->Image1->mapToGlobal(QPoint(10, 10));
        QTest::mousePress(col->Image1, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(col->Image1->y(), -20);
        QTest::mouseRelease(col->Image1, Qt::LeftButton, {}, col->Image1->mapFromGlobal(at));
        QCOMPARE(col->Image1->y(), -20); // stays pressed while rolling
        QCOMPARE(main->tmrRoll->Tag, QStringLiteral("11"));
        QVERIFY(main->tmrRoll->Enabled());
        int ticks = 0;
        while (main->tmrRoll->Enabled() && ticks < 50) {
            main->tmrRoll_Timer();
            ++ticks;
        }
        QCOMPARE(ticks, 4);
        QCOMPARE(col->Picture2->height(), 409);
        QCOMPARE(col->Picture1[0]->y(), 385);
        QCOMPARE(col->Image1->pos(), QPoint(-48, 0));
        QCOMPARE(col->Picture1[1]->y(), 57);

        pointerClick(col->Picture1[0], QPoint(10, 10));
        QCOMPARE(main->tmrRoll->Tag, QStringLiteral("12"));
        ticks = 0;
        while (main->tmrRoll->Enabled() && ticks < 50) {
            main->tmrRoll_Timer();
            ++ticks;
        }
        QCOMPARE(ticks, 4);
        QCOMPARE(col->Picture2->height(), 53);
        QCOMPARE(col->Picture1[0]->y(), 29);
        QCOMPARE(col->Picture1[1]->y(), 6);
        QCOMPARE(col->Image1->pos(), QPoint(0, 0));
    }

    void sheetInLowWindow_data()
    {
        QTest::addColumn<int>("H");
        QTest::addColumn<bool>("staysDown");
        QTest::newRow("327") << 327 << false;
        QTest::newRow("328") << 328 << true;
    }

    void sheetInLowWindow()
    {
        QFETCH(int, H);
        setInner(448, H);
        col->Image1_Click();
        int ticks = 0;
        while (main->tmrRoll->Enabled() && main->tmrRoll->Tag == QStringLiteral("11") && ticks < 50) {
            main->tmrRoll_Timer();
            ++ticks;
        }
        QCOMPARE(col->Picture2->height(), H);
        QFETCH(bool, staysDown);
        QCOMPARE(main->tmrRoll->Enabled(), !staysDown);
        // Made lower while expanded, the window rolls the sheet up.
        if (staysDown) {
            setInner(448, H - 1);
            QCOMPARE(main->tmrRoll->Tag, QStringLiteral("12"));
            QVERIFY(main->tmrRoll->Enabled());
        }
        while (main->tmrRoll->Enabled() && ticks < 50) {
            main->tmrRoll_Timer();
            ++ticks;
        }
        QCOMPARE(col->Picture2->height(), 53);
    }

    void resizeWhileRollingLeavesSheet()
    {
        col->Image1_Click();
        main->tmrRoll_Timer();
        const int h = col->Picture2->height();
        setInner(600, 300);
        QCOMPARE(col->Picture2->height(), h);
        QCOMPARE(col->Picture1[0]->x(), (600 - 48) / 2);
        QCOMPARE(col->Picture1[1]->x(), (600 - 340) / 2);
    }

    void restoreKeepsExpandedSheet()
    {
        col->Image1_Click();
        while (main->tmrRoll->Enabled())
            main->tmrRoll_Timer();
        col->subWindow()->showMinimized();
        col->subWindow()->showNormal();
        QTest::qWait(0);
        QVERIFY(!main->tmrRoll->Enabled());
        QCOMPARE(col->Picture2->height(), 409);
        QCOMPARE(col->Picture1[0]->y(), 409 - 20 - 4);
    }

    // Not a check: the pictures of the set window for the documentation.
    void grab()
    {
        const QString dir = qEnvironmentVariable("ZB_DOCS_DIR");
        if (dir.isEmpty())
            QSKIP("set ZB_DOCS_DIR to write the pictures");
        const char *names[] = {"Úvod",      "Kamenná lavina", "Drahokamy v hlíně", "Motýlí zahrada",
                               "Bludiště",  "Améba",          "Zamčené dveře",     "Kouzelná zeď",
                               "Světlušky", "Kočičí klíč",    "Velká jeskyně",     "Finále"};
        for (int k = 1; k <= 12; ++k)
            col->SetRowName(k, QString::fromUtf8(names[k - 1]));
        col->txtName->setText(QStringLiteral("Zorbelovy jeskyně"));
        col->txtAuth->setText(QStringLiteral("Jana Nováková"));
        col->txtMail->setText(QStringLiteral("jana@example.cz"));
        col->txtDesc->setPlainText(QStringLiteral("Dvanáct komnat pro začátečníky.\nKaždá učí něco nového."));
        col->txtCaves->setText(QStringLiteral("01;02;03;"));
        col->txtCongr->setPlainText(QStringLiteral("Gratuluji! Prošel jsi všechny komnaty."));
        setInner(448, 409);
        col->lblCName_Click(4);
        col->subWindow()->raise();
        const QPixmap up = col->subWindow()->grab();
        col->Image1_Click();
        while (main->tmrRoll->Enabled())
            main->tmrRoll_Timer();
        const QPixmap down = col->subWindow()->grab();
        QPixmap both(up.width() * 2 + 16, up.height());
        both.fill(QColor(0x60, 0x30, 0x00));
        QPainter p(&both);
        p.drawPixmap(0, 0, up);
        p.drawPixmap(up.width() + 16, 0, down);
        p.end();
        QVERIFY(both.save(dir + QStringLiteral("/set-window.png")));
    }
};

QTEST_MAIN(TestSetWindow)
#include "tst_setwindow.moc"
