#include "editor/frmcave.h"
#include "editor/frmsize.h"
#include "shell/frmcol.h"
#include "shell/frmmain.h"
#include "store/defaultcave.h"
#include "store/modzorbel.h"
#include "support/mainwindow.h"
#include "support/mouse.h"
#include "toolkit/vblabel.h"

#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>

#include <algorithm>

// The main window with the set window shown and no set at all: the start-up set is closed.
struct ListFixture : MainWindowFixture
{
    ListFixture() : MainWindowFixture({1000, 800})
    {
        w->SetWindow()->show();
        QVERIFY(closeStartupSet());
        w->NumCaves = 0;
    }
};

class TestListOps : public QObject, FreshWindow<ListFixture>
{
    Q_OBJECT

    frmCol *col = nullptr;
    int dialogs = 0;

    // Binds chamber k as "Komnata k", in the given binding order (so slots differ from numbers).
    void makeSet(const QList<int> &order)
    {
        const int n = int(order.size());
        w->NumCaves = uint8_t(n);
        for (int k = 1; k <= n; ++k)
            col->CreateRow(k);
        for (int k : order)
            w->OpenCave(caveNamed("Komnata " + QByteArray::number(k)), k);
        col->SendSelToBack();
        col->SetCanvasHeight(n * 16);
        col->Form_Resize();
        col->lblCName_Click(1);
        w->Changed = false;
    }

    // None when two windows hold the number.
    frmCave *windowOf(int no)
    {
        return std::ranges::count(w->BoundCaves(), no, &frmCave::CaveNo) == 1 ? w->BoundCave(no) : nullptr;
    }

    // The set as the list shows it, as the windows hold it and as the store holds it.
    void verifyConsistent(const QStringList &names)
    {
        QCOMPARE(int(w->NumCaves), int(names.size()));
        QCOMPARE(col->picCavesIn->height(), 16 * int(names.size()));
        QVERIFY(!col->RowExists(int(names.size()) + 1));
        for (int k = 1; k <= names.size(); ++k) {
            QVERIFY(col->RowExists(k));
            QCOMPARE(col->lblCNo[k]->Caption(), QStringLiteral("0%1").arg(k).right(2));
            QCOMPARE(col->RowName(k), names[k - 1]);
            frmCave *window = windowOf(k);
            QVERIFY2(window, qPrintable(QStringLiteral("chamber %1 has one window").arg(k)));
            QCOMPARE(window->CaveName, names[k - 1]);
            QCOMPARE(caveNameOf(w->CaveData[k]), names[k - 1]);
        }
    }

    // Answers the size dialog of the next AddCave with these values.
    void answerSize(const QString &width, const QString &height)
    {
        f->whenSizeDialogShows([this, width, height](frmSize *s) {
            ++dialogs;
            QCOMPARE(s->txtUD(0)->text(), QStringLiteral("11"));
            QCOMPARE(s->txtUD(1)->text(), QStringLiteral("19"));
            s->txtUD(0)->setText(height);
            s->txtUD(1)->setText(width);
            s->close();
        });
    }

private slots:
    void init()
    {
        dialogs = 0;
        start();
        col = w->SetWindow();
    }
    void cleanup() { reset(); }

    // A new chamber goes in at the selected row, or as chamber 1 when there is no selection (0),
    // sized as the dialog was answered.
    void adding_data()
    {
        QTest::addColumn<QList<int>>("set");
        QTest::addColumn<int>("at");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QStringList>("names");
        const QString k1 = "Komnata 1", k2 = "Komnata 2", k3 = "Komnata 3";
        addRow("at the top", QList<int>{1, 2, 3}, 1, 19, 11, QStringList{"Nepojmenovaná 19×11", k1, k2, k3});
        addRow("in the middle", QList<int>{1, 2, 3}, 3, 30, 7, QStringList{k1, k2, "Nepojmenovaná 30×7", k3});
        addRow("second of two", QList<int>{1, 2}, 2, 19, 11, QStringList{k1, "Nepojmenovaná 19×11", k2});
        addRow("to an empty set", QList<int>{}, 0, 19, 11, QStringList{"Nepojmenovaná 19×11"});
    }
    void adding()
    {
        QFETCH(QList<int>, set);
        QFETCH(int, at);
        QFETCH(int, width);
        QFETCH(int, height);
        makeSet(set);
        if (at)
            col->lblCName_Click(at);
        QCOMPARE(int(col->Selected), at);
        const int added = std::max(at, 1);
        answerSize(QString::number(width), QString::number(height));
        pointerClick(col->imgBCave[frmCol::AddButton], QPoint(20, 10));
        QCOMPARE(dialogs, 1);
        QFETCH(QStringList, names);
        verifyConsistent(names);
        if (at) // the new one is selected
            QCOMPARE(int(col->Selected), at);
        QVERIFY(w->Changed);
        QCOMPARE(StringToCave(w->CaveData[added]).value(), DefaultCave(width, height));
        QVERIFY(windowOf(added)->Visible());
        QVERIFY(w->CaveData[0].isEmpty());
    }

    void addStopsAt99()
    {
        makeSet({1});
        w->NumCaves = 99;
        w->AddCave(1);
        QCoreApplication::processEvents();
        QCOMPARE(int(w->NumCaves), 99);
        QCOMPARE(dialogs, 0);
        QVERIFY(!w->Changed);
        QVERIFY(!col->RowExists(100));
    }

    // The size dialog starts in "Šířka" with its text selected, every time.
    void addTypedSize()
    {
        makeSet({1});
        for (int k = 0; k < 3; ++k) {
            f->whenSizeDialogShows([](frmSize *s) { typeKeys(s, QStringLiteral("50\t30\n")); });
            w->mdiArea()->setActiveSubWindow(col->subWindow());           // above the new chamber's window
            pointerClick(col->lblCave[frmCol::AddButton], QPoint(48, 6)); // "Přidat"
        }
        const QString added = QStringLiteral("Nepojmenovaná 50×30");
        verifyConsistent({added, added, added, QStringLiteral("Komnata 1")});
    }

    void deleteFreesTheRightWindow()
    {
        // Slots 1..5 hold chambers 3, 5, 1, 2, 4.
        makeSet({3, 5, 1, 2, 4});
        frmCave *of2 = windowOf(2);
        frmCave *of3 = windowOf(3);
        QCOMPARE(of2, w->Caves(4));
        w->ShowCave(2);
        QVERIFY(of2->Visible());
        w->DelCave(2);
        QCOMPARE(of2->Tag, QStringLiteral("free"));
        QVERIFY(!of2->Visible());
        verifyConsistent({"Komnata 1", "Komnata 3", "Komnata 4", "Komnata 5"});
        QCOMPARE(of3->CaveNo, int16_t(2));
        QCOMPARE(col->Selected, uint8_t(2));
        QVERIFY(w->Changed);
        w->ShowCave(2);
        QVERIFY(of3->Visible());
    }

    // A click on "Smazat" that runs inside ShowCave's yield deletes the chamber it was about to show.
    void deleteDuringShow()
    {
        makeSet({1, 2, 3});
        col->lblCName_Click(2);
        frmCave *of2 = windowOf(2);
        QTimer::singleShot(0, this, [this] {
            pointerClick(col->imgBCave[frmCol::DeleteButton], QPoint(20, 10)); // "Smazat"
        });
        w->ShowCave(2);
        QCOMPARE(of2->Tag, QStringLiteral("free"));
        QVERIFY(!of2->Visible());
        verifyConsistent({"Komnata 1", "Komnata 3"});
    }

    void deleteLastSelectsNewLast()
    {
        makeSet({1, 2, 3});
        QTest::mouseClick(col->lblCName[3], Qt::LeftButton, {}, QPoint(5, 5));
        pointerClick(col->imgBCave[frmCol::DeleteButton], QPoint(20, 10));
        verifyConsistent({"Komnata 1", "Komnata 2"});
        QCOMPARE(col->Selected, uint8_t(2));
        QCOMPARE(col->SelTop(), 16);
    }

    void deleteKeepsOneChamber()
    {
        makeSet({1});
        w->DelCave(1);
        verifyConsistent({"Komnata 1"});
        QVERIFY(!w->Changed);
    }

    void allowedStayByNumber()
    {
        makeSet({1, 2, 3, 4, 5});
        col->txtCaves->setText(QStringLiteral("02;04;"));
        w->Allowed[2] = w->Allowed[4] = true;
        const auto allowed = w->Allowed;
        w->DelCave(1);
        QCOMPARE(col->txtCaves->text(), QStringLiteral("02;04;"));
        QVERIFY(w->Allowed == allowed);
        QCOMPARE(col->RowName(2), QStringLiteral("Komnata 3"));
        QCOMPARE(col->RowName(4), QStringLiteral("Komnata 5"));
    }

    void moves_data()
    {
        QTest::addColumn<int>("no");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("selected");
        const QString k1 = "Komnata 1", k2 = "Komnata 2", k3 = "Komnata 3";
        QTest::newRow("first up") << 1 << -1 << QStringList{k1, k2, k3} << 1;
        QTest::newRow("last down") << 3 << 1 << QStringList{k1, k2, k3} << 1;
        QTest::newRow("second up") << 2 << -1 << QStringList{k2, k1, k3} << 1;
        QTest::newRow("second down") << 2 << 1 << QStringList{k1, k3, k2} << 3;
    }

    void moves()
    {
        makeSet({2, 3, 1});
        QFETCH(int, no);
        QFETCH(int, offset);
        w->MoveCave(no, offset);
        QFETCH(QStringList, names);
        verifyConsistent(names);
        QTEST(int(col->Selected), "selected");
        const bool moved =
            names.first() != QLatin1String("Komnata 1") || names.last() != QLatin1String("Komnata 3");
        QCOMPARE(w->Changed, moved);
    }

    void moveButtons()
    {
        makeSet({1, 2, 3});
        col->lblCName_Click(2);
        QTest::mouseClick(col->lblCave[frmCol::UpButton], Qt::LeftButton, {}, QPoint(40, 5)); // "  Nahoru"
        verifyConsistent({"Komnata 2", "Komnata 1", "Komnata 3"});
        QCOMPARE(col->Selected, uint8_t(1));
        pointerClick(col->imgBCave[frmCol::DownButton], QPoint(40, 5)); // "Dolu  "
        verifyConsistent({"Komnata 1", "Komnata 2", "Komnata 3"});
        QCOMPARE(col->Selected, uint8_t(2));
        // The press shifts the caption a pixel, while the pressed caption gets the
        // release: on its former corner, or below it, still a click on the button.
        const auto releaseOn = [this](int i, QPoint onButton) {
            QTest::mouseRelease(col->lblCave[i], Qt::LeftButton, {},
                                col->lblCave[i]->mapFrom(col->picArrow[i], onButton));
        };
        QTest::mousePress(col->lblCave[frmCol::DownButton], Qt::LeftButton, {}, QPoint(0, 0));
        releaseOn(frmCol::DownButton, QPoint(0, 2));
        verifyConsistent({"Komnata 1", "Komnata 3", "Komnata 2"});
        QCOMPARE(col->Selected, uint8_t(3));
        QTest::mousePress(col->lblCave[frmCol::UpButton], Qt::LeftButton, {}, QPoint(40, 5));
        releaseOn(frmCol::UpButton, QPoint(40, 18));
        QCOMPARE(col->Selected, uint8_t(2));
    }

    void opening_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("double click") << 0;
        QTest::newRow("number double click") << 1;
        QTest::newRow("Editovat") << 2;
        QTest::newRow("Enter in a box") << 3;
        QTest::newRow("F4") << 4;
    }

    void opening()
    {
        makeSet({1, 2, 3});
        QFETCH(int, how);
        switch (how) {
        case 0: QTest::mouseDClick(col->lblCName[3], Qt::LeftButton, {}, QPoint(5, 5)); break;
        case 1: QTest::mouseDClick(col->lblCNo[3], Qt::LeftButton, {}, QPoint(5, 5)); break;
        case 2:
            col->lblCName_Click(3);
            pointerClick(col->imgBCave[frmCol::EditButton], QPoint(20, 10));
            break;
        case 3:
            col->lblCName_Click(3);
            col->SetFocus();
            col->txtDesc->setFocus();
            QApplication::setActiveWindow(w);
            QTest::keyClick(col->txtDesc, Qt::Key_Return);
            QCOMPARE(col->txtDesc->toPlainText(), QStringLiteral("\n")); // the box got the key as well
            break;
        case 4:
            col->lblCName_Click(3);
            col->SetFocus();
            QApplication::setActiveWindow(w);
            QTest::keyClick(col, Qt::Key_F4);
            break;
        }
        QVERIFY(windowOf(3)->Visible());
        QVERIFY(!windowOf(1)->Visible());
        QVERIFY(!windowOf(2)->Visible());
    }
};

QTEST_MAIN(TestListOps)
#include "tst_listops.moc"
