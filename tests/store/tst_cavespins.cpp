#include "store/cavespins.h"

#include <QtTest>

class TestCaveSpins : public QObject
{
    Q_OBJECT
private slots:
    void spinRange_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("below the minimum") << QStringLiteral("05999") << "0" << 5;
        QTest::newRow("empty") << QStringLiteral("00999") << "" << 0;
        QTest::newRow("above") << QStringLiteral("01150") << "151" << 150;
        QTest::newRow("leading number") << QStringLiteral("0099") << "42abc" << 42;
        QTest::newRow("no number") << QStringLiteral("008") << "x5" << 0;
        QTest::newRow("long text") << QStringLiteral("0530") << "1919" << 30;
    }
    void spinRange()
    {
        QFETCH(QString, tag);
        QFETCH(QString, text);
        QTEST(SpinRange::Clamp(SpinRange::LeadingNumber(text), SpinRange::Parse(tag)), "value");
    }

    void atmosphereTable()
    {
        const int buttons[15] = {2, 4, 1, 0, 0, 1, 3, 3, 2, 0, 1, 2, 3, 4, 4};
        for (int v = 0; v < 15; ++v) {
            QCOMPARE(Atmosphere::ButtonForValue(v), buttons[v]);
            QCOMPARE(Atmosphere::ButtonForValue(Atmosphere::FirstValue(buttons[v])), buttons[v]);
        }
        QCOMPARE(Atmosphere::ButtonForValue(15), -1);
    }
};

QTEST_APPLESS_MAIN(TestCaveSpins)
#include "tst_cavespins.moc"
