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
        QTest::addColumn<double>("L0"); // where the surface was
        QTest::addColumn<bool>("needH");
        QTest::addColumn<bool>("needV");
        QTest::addColumn<double>("L");
        QTest::addColumn<double>("T");
        const auto addRow = [](const char *name, double W0, double H0, double Sw, double Sh, double L0,
                               bool needH, bool needV, double L, double T) {
            QTest::newRow(name) << W0 << H0 << Sw << Sh << L0 << needH << needV << L << T;
        };
        addRow("centred", 600.0, 380.0, 494.0, 286.0, 0.0, false, false, 53.0, 47.0);
        addRow("exactly as wide", 494.0, 380.0, 494.0, 286.0, 0.0, false, false, 0.0, 47.0);
        addRow("one pixel wider", 493.0, 380.0, 494.0, 286.0, 0.0, true, false, 0.0, 42.5);
        addRow("fits only without the bars", 500.0, 280.0, 494.0, 286.0, 0.0, true, true, 0.0, 0.0);
        addRow("vertical bar only", 600.0, 200.0, 494.0, 286.0, 0.0, false, true, 48.5, 0.0);
        // scrolled to the far left, then the window grows: the right edge follows the view
        addRow("scrolled, window grown", 800.0, 380.0, 1300.0, 286.0, -900.0, true, false, -500.0, 42.5);
        addRow("scrolled past the start", 800.0, 380.0, 1300.0, 286.0, 30.0, true, false, 0.0, 42.5);
    }
    void arrange()
    {
        QFETCH(double, W0);
        QFETCH(double, H0);
        QFETCH(double, Sw);
        QFETCH(double, Sh);
        QFETCH(double, L0);
        CaveLayout::MapInput in{W0, H0, Sw, Sh, 9, 9, L0, 0};
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
        QTest::addColumn<double>("gain");
        QTest::addColumn<double>("view");
        QTest::addColumn<double>("pointer");
        QTest::addColumn<double>("pos");
        QTest::addColumn<double>("expected");
        const auto addRow = [](const char *name, double gain, double view, double pointer, double pos,
                               double expected) {
            QTest::newRow(name) << gain << view << pointer << pos << expected;
        };
        // view 400, surface 1300: the fifth power of the offset from the centre
        addRow("right edge", 1.0, 400.0, 400.0, 0.0, -40.625);
        addRow("centre", 1.0, 400.0, 200.0, -100.0, -100.0);
        addRow("quarter", 1.0, 400.0, 300.0, 0.0, -1300.0 / 1024);
        addRow("a fifth right of the centre", 1.0, 400.0, 280.0, 0.0, -0.416);
        addRow("stops at the right end", 1.0, 400.0, 400.0, -890.0, -900.0);
        addRow("left edge stops at the start", 1.0, 400.0, 0.0, -20.0, 0.0);
        addRow("no view", 1.0, 0.0, 50.0, -10.0, -10.0);
        addRow("no gain", 0.0, 400.0, 400.0, -10.0, -10.0);
    }
    void autoScroll()
    {
        QFETCH(double, gain);
        QFETCH(double, view);
        QFETCH(double, pointer);
        QFETCH(double, pos);
        int bar = 1;
        const double next = CaveLayout::AutoScrollStep(gain, pointer, view, 1300, 1300, pos, &bar);
        QTEST(next, "expected");
        QCOMPARE(bar, static_cast<int>(std::nearbyint(next)));
    }
};

QTEST_APPLESS_MAIN(TestCaveLayout)
#include "tst_cavelayout.moc"
