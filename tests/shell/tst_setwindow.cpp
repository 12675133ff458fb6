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

// The main window with its set window shown 448 by 409 inside, listing chambers "Komnata 1" to
// "Komnata 12"; the roll timer ticks only when a test ticks it.
struct SetWindowFixture : MainWindowFixture
{
    frmCol *const col = w->SetWindow();

    SetWindowFixture() : MainWindowFixture({1000, 800})
    {
        col->show();
        col->SetFocus();
        QApplication::setActiveWindow(w.get());
        w->tmrRoll->setEnabled(false);
        setInner(448, 409);
        fillRows(12);
    }
    // Sets the set window's inner size.
    void setInner(int width, int height)
    {
        QMdiSubWindow *sub = col->subWindow();
        sub->resize(width + sub->width() - col->width(), height + sub->height() - col->height());
        QCOMPARE(col->size(), QSize(width, height));
    }
    void fillRows(int n)
    {
        for (int k = w->NumCaves; k >= 1; --k)
            col->DestroyRow(k);
        w->NumCaves = uint8_t(n);
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
    // Ticks the roll timer while it runs (given a tag, while it rolls that way); returns the ticks.
    int roll(const QString &tag = {})
    {
        int ticks = 0;
        while (w->tmrRoll->Enabled() && (tag.isEmpty() || w->tmrRoll->Tag == tag) && ticks < 50) {
            w->tmrRoll_Timer();
            ++ticks;
        }
        return ticks;
    }
    // The sheet's height, the tops of its two panels, where the roll button's face lies.
    QList<int> sheet() const
    {
        return {col->Picture2->height(), col->Picture1[0]->y(), col->Picture1[1]->y(), col->Image1->x(),
                col->Image1->y()};
    }
    // Moves the pointer over target with buttons held through points; the row selected after each.
    QList<int> selectedAlong(Mouse pointer, const QList<QPoint> &points)
    {
        QList<int> seen;
        for (const QPoint p : points) {
            pointer.move(p);
            seen << col->Selected;
        }
        return seen;
    }
};

class TestSetWindow : public QObject, FreshWindow<SetWindowFixture>
{
    Q_OBJECT

    frmCol *col = nullptr;
    int canvasTop() const { return col->picCavesIn->y(); }

private slots:
    void init()
    {
        start();
        col = f->col;
    }
    void cleanup() { reset(); }

    void createdOnceHiddenNotClosed()
    {
        QCOMPARE(w->SetWindow(), col);
        QCOMPARE(col->Caption(), QStringLiteral("Sada komnat"));
        col->lblCName_Click(5);
        col->subWindow()->close();
        QVERIFY(!col->isVisible());
        QCOMPARE(w->SetWindow(), col);
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
        f->fillRows(0);
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
        const QList<QPoint> moves{{5, 5 + 16}, {5, 5 + 32}, {5, -1}, {5, -200}, {5, 2000}};
        QCOMPARE(f->selectedAlong({row3, Qt::LeftButton}, moves), (QList<int>{4, 5, 2, 1, 12}));
        QTest::mouseRelease(row3, Qt::LeftButton, {}, QPoint(5, 2000));
        // Only the left button alone drags over the labels.
        col->lblCName_Click(3);
        QTest::mousePress(col->lblCNo[3], Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(f->selectedAlong({col->lblCNo[3], Qt::RightButton}, {{5, 40}}), QList<int>{3});
        QCOMPARE(f->selectedAlong({col->lblCNo[3], Qt::LeftButton | Qt::RightButton}, {{5, 40}}),
                 QList<int>{3});
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
        QCOMPARE(f->selectedAlong({pressed, Qt::LeftButton}, {at(4 * 16)}), QList<int>{5});
        QTest::mouseRelease(pressed, Qt::LeftButton, {}, at(4 * 16));
    }

    void dragOnBackground()
    {
        f->fillRows(3);
        // Below the last row the frame shows: any button selects, clamped to the list.
        QTest::mousePress(col->picCaves, Qt::RightButton, {}, QPoint(100, 100));
        QCOMPARE(col->Selected, uint8_t(3));
        QCOMPARE(f->selectedAlong({col->picCaves, Qt::RightButton}, {{100, 20}}), QList<int>{2});
        QTest::mouseRelease(col->picCaves, Qt::RightButton, {}, QPoint(100, 20));
        // Behind the labels, a press on the canvas waits for a move.
        col->picCavesIn->resize(1950, col->picCavesIn->height());
        col->lblCName_Click(1);
        QTest::mousePress(col->picCavesIn, Qt::MiddleButton, {}, QPoint(1930, 40));
        QCOMPARE(col->Selected, uint8_t(1));
        QCOMPARE(f->selectedAlong({col->picCavesIn, Qt::MiddleButton}, {{1930, 40}}), QList<int>{3});
        QCOMPARE(f->selectedAlong({col->picCavesIn, Qt::NoButton}, {{1930, 10}}), QList<int>{3});
    }

    void scrollIntoView()
    {
        f->setInner(600, 100 + 85); // a list 100 high, 12 rows of 16
        QCOMPARE(col->picCaves->height(), 100);
        QCOMPARE(col->VScroll1->maximum(), 92);
        // Row 9 is within view after row 12: no scrolling.
        for (auto [row, top] : {std::pair{12, 92}, {9, 92}, {2, 16}}) {
            col->lblCName_Click(row);
            QCOMPARE(col->VScroll1->value(), top);
            QCOMPARE(canvasTop(), -top);
        }
        col->VScroll1->setValue(40);
        QCOMPARE(canvasTop(), -40);
        // Growing until all fit puts the canvas back at the top, the bar out of view.
        f->setInner(600, 300);
        QCOMPARE((QList<int>{canvasTop(), col->VScroll1->x(), col->imgSel->width()}),
                 (QList<int>{0, 600 - 16, 600 - 18}));
        // Too low for a list: the list and both button panels go.
        f->setInner(600, 85);
        QVERIFY(!col->picCaves->isVisible() && !col->picButtons[0]->isVisible() &&
                !col->picButtons[1]->isVisible());
        f->setInner(600, 86);
        QVERIFY(col->picCaves->isVisible() && col->picButtons[1]->isVisible());
        QCOMPARE(col->picButtons[0]->pos(), QPoint(48, 86 - 24));
    }

    void buttons()
    {
        const QStringList captions{"Editovat", "Přidat", "Smazat", "  Nahoru", "Dolu  "};
        for (int i = frmCol::EditButton; i <= frmCol::DownButton; ++i) {
            QCOMPARE(col->lblCave[i]->Caption(), captions[i]);
            QWidget *target = i % 2 ? static_cast<QWidget *>(col->lblCave[i]) : col->imgBCave[i];
            QTest::mousePress(target, Qt::RightButton, {}, QPoint(10, 5));
            QCOMPARE(col->imgBCave[i]->y(), -20);
            QCOMPARE(col->lblCave[i]->pos(), QPoint(1, 3));
            QTest::mouseRelease(target, Qt::RightButton, {}, QPoint(10, 5));
            QCOMPARE(col->imgBCave[i]->y(), 0);
            QCOMPARE(col->lblCave[i]->pos(), QPoint(0, 2));
        }
        const auto face = [&](int button) { return col->imgBCave[button]->picture(); };
        QCOMPARE(face(frmCol::AddButton), face(frmCol::EditButton));
        QCOMPARE(face(frmCol::DeleteButton), face(frmCol::EditButton));
        QVERIFY(!(face(frmCol::UpButton) == face(frmCol::EditButton)));
    }

    void allowedBox()
    {
        col->txtCaves->clear();
        w->Changed = false;
        col->txtCaves->setFocus();
        for (auto [keys, shown] : {std::pair{"1;2;3;", "01;02;03;"}, {"5;", "05;"}}) {
            QTest::keyClicks(col->txtCaves, QString::fromLatin1(keys));
            QCOMPARE(col->txtCaves->text(), QString::fromLatin1(shown));
            QCOMPARE(col->txtCaves->cursorPosition(), int(qstrlen(shown)));
            QVERIFY(w->Changed);
            col->txtCaves->clear();
        }
    }

    void boxesMarkChanged()
    {
        for (QWidget *box :
             QList<QWidget *>{col->txtName, col->txtAuth, col->txtMail, col->txtDesc, col->txtCongr}) {
            w->Changed = false;
            box->setFocus();
            QTest::keyClick(box, Qt::Key_X);
            QVERIFY2(w->Changed, qPrintable(box->objectName()));
        }
    }

    void sheetRollsDownAndUp()
    {
        QCOMPARE(col->Picture2->height(), 53);
        const QPoint at = col->Image1->mapToGlobal(QPoint(10, 10));
        QTest::mousePress(col->Image1, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(col->Image1->y(), -20);
        QTest::mouseRelease(col->Image1, Qt::LeftButton, {}, col->Image1->mapFromGlobal(at));
        QCOMPARE(col->Image1->y(), -20); // stays pressed while rolling
        QCOMPARE(w->tmrRoll->Tag, QStringLiteral("11"));
        QVERIFY(w->tmrRoll->Enabled());
        QCOMPARE(f->roll(), 4);
        QCOMPARE(f->sheet(), (QList<int>{409, 385, 57, -48, 0}));
        // Minimised and restored, the window keeps the sheet down.
        col->subWindow()->showMinimized();
        col->subWindow()->showNormal();
        QTest::qWait(0);
        QVERIFY(!w->tmrRoll->Enabled());
        QCOMPARE(f->sheet(), (QList<int>{409, 385, 57, -48, 0}));

        pointerClick(col->Picture1[0], QPoint(10, 10));
        QCOMPARE(w->tmrRoll->Tag, QStringLiteral("12"));
        QCOMPARE(f->roll(), 4);
        QCOMPARE(f->sheet(), (QList<int>{53, 29, 6, 0, 0}));
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
        QFETCH(bool, staysDown);
        f->setInner(448, H);
        col->Image1_Click();
        f->roll(QStringLiteral("11"));
        QCOMPARE(col->Picture2->height(), H);
        QCOMPARE(w->tmrRoll->Enabled(), !staysDown);
        // Made lower while expanded, the window rolls the sheet up.
        if (staysDown) {
            f->setInner(448, H - 1);
            QCOMPARE(w->tmrRoll->Tag, QStringLiteral("12"));
            QVERIFY(w->tmrRoll->Enabled());
        }
        f->roll();
        QCOMPARE(col->Picture2->height(), 53);
    }

    void resizeWhileRollingLeavesSheet()
    {
        col->Image1_Click();
        w->tmrRoll_Timer();
        const int h = col->Picture2->height();
        f->setInner(600, 300);
        QCOMPARE(col->Picture2->height(), h);
        QCOMPARE((QList<int>{col->Picture1[0]->x(), col->Picture1[1]->x()}), (QList<int>{276, 130}));
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
        f->setInner(448, 409);
        col->lblCName_Click(4);
        col->subWindow()->raise();
        const QPixmap up = col->subWindow()->grab();
        col->Image1_Click();
        f->roll();
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
