#include "rules/collayout.h"
#include "rules/sheetroll.h"

#include <QtTest>

using namespace ColLayout;

namespace {

Input sized(int w, int h, int numCaves = 10)
{
    Input in;
    in.W = w;
    in.H = h;
    in.numCaves = numCaves;
    in.canvasHeight = numCaves * RowHeight;
    return in;
}

// Rolls the sheet with code from h until the timer stops; returns the ticks.
int rollUntilStopped(int code, double &h, double windowHeight, SheetRoll::Step &last)
{
    int ticks = 0;
    do {
        last = SheetRoll::SheetRollStep(code, h, windowHeight);
        h = last.height;
        ++ticks;
    } while (!last.stop && ticks < 100);
    return ticks;
}

} // namespace

class TestColLayout : public QObject
{
    Q_OBJECT
private slots:
    void panelsAndList_data()
    {
        QTest::addColumn<int>("W");
        QTest::addColumn<int>("H");
        QTest::addColumn<bool>("sideBySide");
        QTest::addColumn<bool>("listVisible");
        QTest::addColumn<int>("listHeight");
        QTest::newRow("521 stacks") << 521 << 400 << false << true << 400 - 113;
        QTest::newRow("522 side by side") << 522 << 400 << true << true << 400 - 85;
        QTest::newRow("side 85 hides") << 600 << 85 << true << false << 0;
        QTest::newRow("side 86 shows") << 600 << 86 << true << true << 1;
        QTest::newRow("stacked 113 hides") << 448 << 113 << false << false << 0;
        QTest::newRow("stacked 114 shows") << 448 << 114 << false << true << 1;
        QTest::newRow("narrower than the frame's border") << 10 << 400 << false << true << 400 - 113;
    }

    void panelsAndList()
    {
        QFETCH(int, W);
        QFETCH(int, H);
        const Layout r = Arrange(sized(W, H));
        QTEST(r.sideBySide, "sideBySide");
        QTEST(r.listVisible, "listVisible");
        if (r.listVisible)
            QTEST(r.frameHeight, "listHeight");
        QCOMPARE(r.frameWidth, std::max(W - 16, 0));
        if (!r.listVisible)
            return;
        QCOMPARE((QList<int>{r.panel0Top, r.panel1Top}), (QList<int>{H - (r.sideBySide ? 24 : 48), H - 24}));
        if (r.sideBySide) {
            QCOMPARE(r.panel1Left - (r.panel0Left + Panel0Width), 8);
            QVERIFY(qAbs((r.panel0Left) - (W - (r.panel1Left + Panel1Width))) <= 1);
        } else {
            QVERIFY(qAbs(2 * r.panel0Left + Panel0Width - W) <= 1);
            QVERIFY(qAbs(2 * r.panel1Left + Panel1Width - W) <= 1);
        }
    }

    void fitTest_data()
    {
        QTest::addColumn<int>("inner");
        QTest::addColumn<bool>("scrolls");
        QTest::addColumn<int>("maximum");
        QTest::newRow("160 fits") << 160 << false << 0;
        QTest::newRow("159 scrolls") << 159 << true << 1;
        QTest::newRow("100 scrolls") << 100 << true << 60;
    }

    void fitTest()
    {
        QFETCH(int, inner);
        // Side by side, the list is H - 85 high.
        Input in = sized(600, inner + 85);
        in.canvasTop = -5;
        in.scrollValue = 5;
        const Layout r = Arrange(in);
        QCOMPARE(r.frameInnerHeight, inner);
        QFETCH(bool, scrolls);
        const int frameWidth = 600 - 16;
        // A scrolling list gives the bar its width and follows the bar; one that fits leaves the bar's
        // value as it was.
        const int room = frameWidth - (scrolls ? ScrollWidth : 0);
        QCOMPARE((QList<int>{r.scrollLeft, r.canvasWidth, r.selWidth, r.canvasTop}),
                 (QList<int>{room, room, room - 2, scrolls ? -r.scrollValue : 0}));
        if (scrolls)
            QTEST(r.scrollMax, "maximum");
        else
            QCOMPARE(r.scrollValue, 5);
        QCOMPARE(r.scrollHeight, inner);
    }

    void scrollPosition_data()
    {
        QTest::addColumn<int>("canvasTop");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("newValue");
        QTest::newRow("kept within the maximum") << -20 << 20 << 20;
        QTest::newRow("clamped to a lower maximum") << -50 << 50 << 40;
        QTest::newRow("top stays at 0") << 0 << 30 << 0;
    }

    void scrollPosition()
    {
        Input in = sized(600, 120 + 85); // 10 rows in 120: maximum 40
        QFETCH(int, canvasTop);
        QFETCH(int, value);
        in.canvasTop = canvasTop;
        in.scrollValue = value;
        in.scrollMax = 60;
        const Layout r = Arrange(in);
        QCOMPARE(r.scrollMax, 40);
        QTEST(r.scrollValue, "newValue");
        QCOMPARE(r.canvasTop, -r.scrollValue);
    }

    void expandedSheet_data()
    {
        QTest::addColumn<int>("H");
        QTest::addColumn<bool>("running");
        QTest::addColumn<bool>("fitted");
        QTest::addColumn<bool>("rollUp");
        QTest::addColumn<double>("propTop");
        QTest::newRow("327 rolls up") << 327 << false << true << true << 16.0;
        QTest::newRow("328 stays") << 328 << false << true << false << 16.5;
        QTest::newRow("306 keeps panel") << 306 << false << true << true << 40.0;
        QTest::newRow("307 centres panel") << 307 << false << true << true << 6.0;
        QTest::newRow("rolling is left alone") << 200 << true << false << false << 40.0;
    }

    void expandedSheet()
    {
        QFETCH(int, H);
        Input in = sized(448, H);
        in.sheetHeight = 250;
        in.propPanelTop = 40;
        QFETCH(bool, running);
        in.rollRunning = running;
        const Layout r = Arrange(in);
        QTEST(r.sheetFitted, "fitted");
        QTEST(r.startRollUp, "rollUp");
        QTEST(r.propPanelTop, "propTop");
        if (r.sheetFitted) {
            QCOMPARE(r.sheetHeight, double(H));
            QCOMPARE(r.rollPanelTop, double(H - 24));
        } else {
            QCOMPARE(r.sheetHeight, 250.0);
        }
        QCOMPARE(r.rollPanelLeft, 200);
        QCOMPARE(r.propPanelLeft, 54);
    }

    void sheetRoll_data()
    {
        QTest::addColumn<double>("window");
        QTest::addColumn<int>("downTicks");
        QTest::addColumn<bool>("chained");
        QTest::newRow("400") << 400.0 << 4 << false;
        QTest::newRow("328") << 328.0 << 4 << false;
        QTest::newRow("327") << 327.0 << 4 << true;
    }

    void sheetRoll()
    {
        QFETCH(double, window);
        double h = 53;
        SheetRoll::Step last;
        const int down = rollUntilStopped(Roll::SheetDown, h, window, last);
        QTEST(down, "downTicks");
        QCOMPARE(h, window);
        QCOMPARE(last.faceLeft, -48);
        QCOMPARE(last.rollPanelTop, window - 24);
        QTEST(last.chainRollUp, "chained");
        const int up = rollUntilStopped(Roll::SheetUp, h, window, last);
        QCOMPARE(up, 4);
        QCOMPARE(h, 53.0);
        QCOMPARE(last.faceLeft, 0);
        QCOMPARE(last.rollPanelTop, 29.0);
        QCOMPARE(last.propPanelTop, 6.0);
    }
};

QTEST_APPLESS_MAIN(TestColLayout)
#include "tst_collayout.moc"
