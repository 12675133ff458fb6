#include "store/modzorbel.h"
#include "store/setfile.h"
#include "support/stationerydata.h"

#include <QFile>
#include <QtTest>

// The template set beside the program is a set file of our own writer.
class TestStationery : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        const QString target = qEnvironmentVariable("ZB_WRITE_STATIONERY");
        if (target.isEmpty())
            return;
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(WriteSetFile(Stationery::set()).value());
        qInfo("wrote %s", qPrintable(target));
    }

    void installedTemplateIsOurs()
    {
        // The build copies it beside the executable, where the tests run.
        QFile file(QStringLiteral("stationery.zb~"));
        QVERIFY2(file.open(QIODevice::ReadOnly), "stationery.zb~ is missing beside the program");
        const auto set = ReadSetFile(file.readAll());
        QVERIFY2(set.ok(), qPrintable(set.error()));
        QCOMPARE(set.value(), Stationery::set());
    }

    void chambersAreWhole()
    {
        for (const QByteArray &text : Stationery::set().Caves) {
            const auto cave = StringToCave(text);
            QVERIFY(cave.ok());
            const CaveRecord &r = cave.value();
            QVERIFY(r.Width >= 5 && r.Width <= 50 && r.Height >= 5 && r.Height <= 30);
            int heroes = 0, exits = 0, gems = 0;
            for (int x = 0; x < r.Width; ++x) {
                for (int y = 0; y < r.Height; ++y) {
                    const char c = r.Map[x][y];
                    heroes += c == '1';
                    exits += c == 'T';
                    gems += c == 'D';
                    if (x == 0 || y == 0 || x == r.Width - 1 || y == r.Height - 1)
                        QVERIFY(c == 'W' || c == 'T');
                }
            }
            QCOMPARE(heroes, 1);
            QCOMPARE(exits, 1);
            QVERIFY(gems >= r.GemsNeeded);
        }
    }
};

QTEST_APPLESS_MAIN(TestStationery)
#include "tst_stationery.moc"
