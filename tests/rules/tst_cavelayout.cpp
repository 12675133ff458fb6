#include "rules/cavelayout.h"

#include <QtTest>

#include <cmath>

class TestCaveLayout : public QObject
{
    Q_OBJECT
private slots:
    void arrange_data()
    {
        QTest::addColumn<double>("W0");
        QTest::addColumn<double>("H0");
        QTest::addColumn<double>("Sw");
        QTest::addColumn<double>("Sh");
        QTest::addColumn<bool>("needH");
        QTest::addColumn<bool>("needV");
        QTest::addColumn<double>("L");
        QTest::addColumn<double>("T");
        QTest::newRow("centred") << 600.0 << 380.0 << 494.0 << 286.0 << false << false << 53.0 << 47.0;
        QTest::newRow("exactly as wide") << 494.0 << 380.0 << 494.0 << 286.0 << false << false << 0.0 << 47.0;
        QTest::newRow("one pixel wider") << 493.0 << 380.0 << 494.0 << 286.0 << true << false << 0.0 << 42.5;
        QTest::newRow("fits only without the bars")
            << 500.0 << 280.0 << 494.0 << 286.0 << true << true << 0.0 << 0.0;
        QTest::newRow("vertical bar only")
            << 600.0 << 200.0 << 494.0 << 286.0 << false << true << 48.5 << 0.0;
    }
    void arrange()
    {
        QFETCH(double, W0);
        QFETCH(double, H0);
        QFETCH(double, Sw);
        QFETCH(double, Sh);
        CaveLayout::MapInput in{W0, H0, Sw, Sh, 9, 9, 0, 0};
        const auto o = CaveLayout::ArrangeMap(in);
        QTEST(o.needH, "needH");
        QTEST(o.needV, "needV");
        QTEST(o.L, "L");
        QTEST(o.T, "T");
        QCOMPARE(o.checkShown, o.needH || o.needV);
        if (o.needH) {
            QCOMPARE(o.hWidth, W0 - 9);
            QCOMPARE(o.hMax, static_cast<int>(std::floor(o.ViewWidth - Sw)));
        }
    }

    void arrangeKeepsScrolledSurfaceInBounds()
    {
        // scrolled to the far left, then the window grows: the right edge follows the view
        const auto o = CaveLayout::ArrangeMap({800, 380, 1300, 286, 9, 9, -900, 0});
        QCOMPARE(o.L, 800.0 - 1300.0);
        QCOMPARE(o.hMax, -500);
        const auto p = CaveLayout::ArrangeMap({800, 380, 1300, 286, 9, 9, 30, 0});
        QCOMPARE(p.L, 0.0);
    }

    void propertyUnit_data()
    {
        QTest::addColumn<double>("W0");
        QTest::addColumn<int>("u");
        QTest::newRow("wide") << 1000.0 << 80;
        QTest::newRow("narrow") << 320.0 << 40;
        QTest::newRow("just under") << 639.0 << 79;
    }
    void propertyUnit()
    {
        QFETCH(double, W0);
        QTEST(CaveLayout::ArrangeProps(W0, 600).u, "u");
    }

    void propertyGaps()
    {
        const auto p = CaveLayout::ArrangeProps(1000, 500);
        QCOMPARE(p.gap, (500.0 - 66 - 98 - 80) / 3);
        QCOMPARE(p.textsTop, p.gap / 2);
        QCOMPARE(p.attrTop, p.textsTop + 66 + p.gap);
        QCOMPARE(p.atmLeft, (1000.0 - 400) / 2);
        QCOMPARE(CaveLayout::ArrangeProps(1000, 100).gap, 4.0);
    }

    void autoScroll_data()
    {
        QTest::addColumn<double>("pointer");
        QTest::addColumn<double>("pos");
        QTest::addColumn<double>("expected");
        // view 400, surface 1300: the fifth power of the offset from the centre
        QTest::newRow("right edge") << 400.0 << 0.0 << -40.625;
        QTest::newRow("centre") << 200.0 << -100.0 << -100.0;
        QTest::newRow("quarter") << 300.0 << 0.0 << -1300.0 / 1024;
        QTest::newRow("stops at the right end") << 400.0 << -890.0 << -900.0;
        QTest::newRow("left edge stops at the start") << 0.0 << -20.0 << 0.0;
    }
    void autoScroll()
    {
        QFETCH(double, pointer);
        QFETCH(double, pos);
        int bar = 1;
        const double next = CaveLayout::AutoScrollStep(1, pointer, 400, 1300, 1300, pos, &bar);
        QTEST(next, "expected");
        QCOMPARE(bar, static_cast<int>(std::nearbyint(next)));
    }

    void autoScrollWithoutViewOrGain()
    {
        int bar = 0;
        QCOMPARE(CaveLayout::AutoScrollStep(1, 50, 0, 1300, 1300, -10, &bar), -10.0);
        QCOMPARE(CaveLayout::AutoScrollStep(0, 400, 400, 1300, 1300, -10, &bar), -10.0);
    }
};

QTEST_APPLESS_MAIN(TestCaveLayout)
#include "tst_cavelayout.moc"
