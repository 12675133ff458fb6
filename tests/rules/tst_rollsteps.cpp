#include "rules/rollsteps.h"

#include <QtTest>

class TestRollSteps : public QObject
{
    Q_OBJECT
private slots:

    void codeOfTag_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<int>("code");
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("one") << "1" << 1;
        QTest::newRow("twelve") << "12" << 12;
        QTest::newRow("thirteen is none") << "13" << 0;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("leading number") << "7x" << 7;
        QTest::newRow("leading blanks") << "  4" << 4;
        QTest::newRow("fraction") << "3.5" << 0;
        QTest::newRow("whole fraction") << "3.0" << 3;
        QTest::newRow("text") << "abc" << 0;
        QTest::newRow("negative") << "-3" << 0;
    }

    void codeOfTag()
    {
        QFETCH(QString, tag);
        QTEST(Roll::CodeOf(tag), "code");
    }

    void headerCodes()
    {
        for (int g = 0; g < 4; ++g) {
            const int grow = Roll::HeaderCode(g, 17);
            const int shrink = Roll::HeaderCode(g, 17.5f);
            QCOMPARE(grow, 3 + 2 * g);
            QCOMPARE(shrink, 4 + 2 * g);
            QVERIFY(Roll::GroupCodeGrows(grow));
            QVERIFY(!Roll::GroupCodeGrows(shrink));
            QCOMPARE(Roll::GroupOfCode(grow), g);
            QCOMPARE(Roll::GroupOfCode(shrink), g);
            // A fully expanded group shrinks too.
            QCOMPARE(Roll::HeaderCode(g, Roll::GroupExpanded[g]), shrink);
        }
        QVERIFY(!Roll::IsGroupCode(2));
        QVERIFY(Roll::IsGroupCode(3));
        QVERIFY(Roll::IsGroupCode(10));
        QVERIFY(!Roll::IsGroupCode(11));
    }

    // A whole roll of a group or of the object bar (-1), growing and shrinking.
    void ticks_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("ticks");
        QTest::newRow("Základní") << 0 << 7;
        QTest::newRow("Zdi") << 1 << 7;
        QTest::newRow("Tvorové") << 2 << 8;
        QTest::newRow("Klíče") << 3 << 7;
        QTest::newRow("object bar") << -1 << 7;
    }

    void ticks()
    {
        QFETCH(int, group);
        QFETCH(int, ticks);
        const float low = group < 0 ? Roll::BarMinTwips : Roll::GroupCollapsed;
        const float high = group < 0 ? 1500 : Roll::GroupExpanded[group];
        for (bool grow : {true, false}) {
            float h = grow ? low : high;
            int n = 0;
            Roll::Step s{h, false};
            float last = h;
            while (!s.done && n < 100) {
                s = group < 0 ? Roll::BarStep(h, grow, high) : Roll::GroupStep(h, grow, high);
                QVERIFY(grow ? s.value > last : s.value < last);
                last = h = s.value;
                ++n;
            }
            QCOMPARE(n, ticks);
            QCOMPARE(h, grow ? high : low);
        }
    }

    // One tick of a group (or of the bar) from a height towards end.
    void step_data()
    {
        QTest::addColumn<bool>("bar");
        QTest::addColumn<float>("from");
        QTest::addColumn<bool>("grow");
        QTest::addColumn<float>("end");
        QTest::addColumn<float>("value");
        QTest::addColumn<bool>("done");
        QTest::newRow("first growth") << false << 17.0f << true << 115.0f << 19.25f << false;
        // Fractions carry over: whole pixels would never leave 17 (3 * 1.75 = 5.25 → 19).
        QTest::newRow("second growth")
            << false << 19.25f << true << 115.0f << float((19.25 - 14) * 1.75 + 14) << false;
        // (19.25 - 14) / 1.75 + 14 is exactly 17: set, and the roll goes on.
        QTest::newRow("landing on the end") << false << 19.25f << false << 115.0f << 17.0f << false;
        QTest::newRow("then stopping") << false << 17.0f << false << 115.0f << 17.0f << true;
        // The bar: 78.75 / 1.75 is exactly 45.
        QTest::newRow("bar landing on the end") << true << 78.75f << false << 1500.0f << 45.0f << false;
        QTest::newRow("bar then stopping") << true << 45.0f << false << 1500.0f << 45.0f << true;
        // Growth past the end lands on it and stops.
        for (int g = 0; g < 4; ++g) {
            const float max = Roll::GroupExpanded[g];
            QTest::addRow("group %d past the end", g) << false << max - 1 << true << max << max << true;
            QTest::addRow("group %d at the end", g) << false << max << true << max << max << true;
        }
    }
    void step()
    {
        QFETCH(bool, bar);
        QFETCH(float, from);
        QFETCH(bool, grow);
        QFETCH(float, end);
        const Roll::Step s = bar ? Roll::BarStep(from, grow, end) : Roll::GroupStep(from, grow, end);
        QTEST(s.value, "value");
        QTEST(s.done, "done");
    }

    void restack()
    {
        std::array<float, 4> tops = {100, 0, 0, 0};
        std::array<float, 4> heights = {17, 17, 17, 17};
        Roll::Restack(tops, heights, 1);
        QCOMPARE(tops, (std::array<float, 4>{100, 124, 148, 172}));
        heights[0] = 19.25f; // "Základní" after its first tick
        Roll::Restack(tops, heights, 1);
        QCOMPARE(tops, (std::array<float, 4>{100, 126.25f, 150.25f, 174.25f}));
        heights[0] = 115;
        Roll::Restack(tops, heights, 1);
        QCOMPARE(tops, (std::array<float, 4>{100, 222, 246, 270}));
        // Restacking below a lower group leaves the ones above alone.
        heights[2] = 19.25f;
        tops[1] = 500;
        Roll::Restack(tops, heights, 3);
        QCOMPARE(tops, (std::array<float, 4>{100, 500, 246, 272.25f}));
        Roll::Restack(tops, heights, 4);
        QCOMPARE(tops[3], 272.25f);
    }
};

QTEST_APPLESS_MAIN(TestRollSteps)
#include "tst_rollsteps.moc"
