#include "common/tools.h"
#include "editor/frmcave.h"
#include "shell/frmcol.h"
#include "shell/frmmain.h"
#include "store/modzorbel.h"
#include "store/setfile.h"
#include "support/mainwindow.h"
#include "support/mouse.h"

#include <QApplication>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QtTest>

#include <memory>

// The whole road: a set file opened through the menu, a chamber edited in its
// window with real input, the set saved, reopened and read back.
class TestEndToEnd : public QObject, FreshWindow<>
{
    Q_OBJECT

    // Writes a set of chambers prefix1 to prefixN and opens it through the menu.
    void openNewSet(const char *name, int n, const QByteArray &prefix)
    {
        QVERIFY(writeFile(f->path(name), setFile(n, prefix)));
        f->openSet(name);
    }

private slots:
    void init() { start(); }
    void cleanup() { reset(); }

    void editSaveReopen_data()
    {
        QTest::addColumn<bool>("closeFirst");
        QTest::newRow("window closed before saving") << true;
        QTest::newRow("window still open") << false;
    }
    void editSaveReopen()
    {
        QFETCH(bool, closeFirst);
        openNewSet("r.zb", 3, "K");

        // Row 2, then "Editovat".
        frmCol *col = w->SetWindow();
        QTest::mouseClick(col->lblCName[2], Qt::LeftButton, {}, QPoint(5, 5));
        pointerClick(col->imgBCave[0], QPoint(10, 5));
        frmCave *cave = w->BoundCave(2);
        QVERIFY(cave && cave->isVisible());

        // The pencil with the right button (empty space) on cell (3, 3).
        w->imgTool_Click(ToolPencil);
        QTest::mousePress(cave->picCave, Qt::RightButton, {}, centre(3, 3));
        QTest::mouseRelease(cave->picCave, Qt::RightButton, {}, centre(3, 3));
        QVERIFY(w->Changed);
        // Points ("Body :") typed into its spin box.
        QLineEdit *points = cave->txtUD(2);
        points->setFocus();
        points->selectAll();
        QTest::keyClicks(points, QStringLiteral("42"));

        if (closeFirst) {
            cave->subWindow()->close(); // the close box hides it and stores the chamber
            QVERIFY(!cave->isVisible());
        }
        w->mnuSave_Click();
        QVERIFY(user->messages.isEmpty());
        QVERIFY(!w->Changed);

        w->mnuNew_Click();
        QVERIFY(user->messages.isEmpty()); // nothing left unsaved
        f->openSet("r.zb");
        const CaveRecord r = StringToCave(w->CaveData[2]).value();
        QCOMPARE(r.Map[3][3], '.');
        QCOMPARE(r.Map[4][3], ';');
        QCOMPARE(int(r.Points), 42);
        QCOMPARE(rowNames(*w), (QStringList{"K1", "K2", "K3"}));
        const CaveRecord first = StringToCave(w->CaveData[1]).value();
        QCOMPARE(first.Map[3][3], ';');
    }

    // Opening a set and saving it unchanged gives back every text byte for byte,
    // the chamber descriptions too.
    void openSaveKeepsEveryByte_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("line");
        QByteArray high;
        for (int c = 0x80; c <= 0xFF; ++c)
            high += static_cast<char>(c);
        QTest::newRow("code page 1250 bytes") << high << high.mid(0x20);
        QTest::newRow("line breaks") << QByteArray("a\r\nb\rc\nd\r\n\r\n") << QByteArray("x");
        QTest::newRow("no-break spaces") << QByteArray("a\xA0\xA0 b\xA0") << QByteArray("m\xA0n \xA0");
        QTest::newRow("tabs and controls") << QByteArray("\t\x01\x1F x\t") << QByteArray("p\tq");
        QTest::newRow("blanks at the ends") << QByteArray("  a  ") << QByteArray("  b  ");
        QTest::newRow("line breaks in one-line boxes") << QByteArray("x") << QByteArray("a\r\nb\rc\nd");
        QTest::newRow("zero bytes") << QByteArray("a\0b", 3) << QByteArray("c\0d", 3);
        // No blank to wrap the description at; only the name and the author have a length limit.
        QTest::newRow("40,000 characters") << QByteArray(40000, 't') << QByteArray(40000, 'm');
    }
    void openSaveKeepsEveryByte()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, line);
        SetFileData s = ReadSetFile(setFile(2, "K")).value();
        s.Name = line.left(ValueCharMax);
        s.Author = line.left(ValueCharMax);
        s.Mail = line;
        s.Description = text;
        s.Congratulation = text;
        CaveRecord cave = StringToCave(s.Caves[0]).value();
        cave.Name = line.left(ValueCharMax);
        cave.Description = text.left(ValueCharMax);
        s.Caves[0] = chamberString(cave);
        QVERIFY(writeFile(f->path("bytes.zb"), setFile(s)));
        // Chamber 1 goes through the boxes of a window that showed another
        // chamber before and is bound again; chamber 2 through a window never shown.
        openNewSet("other.zb", 1, "O");
        w->ShowCave(1);
        const frmCave *reused = w->BoundCave(1);
        reused->subWindow()->close();
        w->Changed = false; // showing marks the set changed; no save question
        f->openSet("bytes.zb");
        QCOMPARE(w->BoundCave(1), reused);
        w->mnuSave_Click();
        const auto back = ReadSetFile(readFile(f->path("bytes.zb")));
        QVERIFY2(back.ok(), qPrintable(back.error()));
        QCOMPARE(back.value(), s);
    }

    // Moved, deleted and joined chambers show their own names and save in the list's order.
    void joinedRowsShowTheirOwnNames()
    {
        QVERIFY(writeFile(f->path("b.zb"), setFile(2, "J")));
        openNewSet("a.zb", 4, "K");
        w->DelCave(2);      // K1 K3 K4, slot 2 free
        w->MoveCave(1, 1);  // K3 K1 K4
        w->MoveCave(3, -1); // K3 K4 K1
        user->dialogAnswers << f->path("b.zb");
        w->mnuJoin_Click();
        const QStringList names{"K3", "K4", "K1", "J1", "J2"};
        QCOMPARE(rowNames(*w), names);
        QVERIFY(w->Changed);
        user->dialogAnswers << f->path("c.zb");
        w->mnuSaveAs_Click();
        const SetFileData back = ReadSetFile(readFile(f->path("c.zb"))).value();
        QStringList saved;
        for (const QByteArray &c : back.Caves)
            saved << caveNameOf(c);
        QCOMPARE(saved, names);
        QCOMPARE(w->FileName, f->path("c.zb"));
    }

    void quitWithChamberWindowsOpen()
    {
        openNewSet("q.zb", 3, "K");
        w->ShowCave(1);
        w->ShowCave(3);
        QVERIFY(w->BoundCave(3)->isVisible());
        user->messageAnswers << Vb::MsgNo; // showing a chamber marks the set changed
        w->mnuEnd_Click();
        QCOMPARE(user->messages.size(), 1);
        QVERIFY(!w->isVisible());
        for (int i = 1; i <= w->MaxCaveWindow; ++i)
            QVERIFY(!w->Caves(i)->isVisible());
        f->w.reset(); // the frame goes with every chamber window
        QCoreApplication::processEvents();
    }
};

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
