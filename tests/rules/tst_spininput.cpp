#include "rules/spininput.h"

#include <QtTest>

class TestSpinInput : public QObject
{
    Q_OBJECT
private slots:
    void spinDirection_data()
    {
        QTest::addColumn<double>("row");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("step");
        QTest::newRow("plus") << 3.0 << 0 << 1;
        QTest::newRow("last plus row") << 10.0 << 0 << 1;
        QTest::newRow("divider") << 11.0 << -23 << 0;
        QTest::newRow("minus") << 12.0 << -46 << -1;
    }
    void spinDirection()
    {
        QFETCH(double, row);
        const auto d = SpinInput::ForRow(row);
        QTEST(d.top, "top");
        QTEST(d.step, "step");
    }
};

QTEST_APPLESS_MAIN(TestSpinInput)
#include "tst_spininput.moc"
