#include "store/defaultcave.h"
#include "store/modzorbel.h"
#include "support/builders.h"

#include <QRandomGenerator>
#include <QtTest>

#include <functional>

using CaveEdit = std::function<void(CaveRecord &)>;
Q_DECLARE_METATYPE(CaveEdit)

namespace {

// The default chamber's numbers and texts over a grid of earth only.
CaveRecord sample(int w = 19, int h = 11)
{
    CaveRecord r = filled(w, h, ';');
    r.Name = "Nepojmenovan\xE1 19\xD7"
             "11";
    return r;
}

int code(const QByteArray &s, int pos1)
{
    return static_cast<unsigned char>(s.at(pos1 - 1));
}

} // namespace

class TestCaveString : public QObject
{
    Q_OBJECT
private slots:
    // Mud "E", name length and name, description length and text, width and height, the times
    // (150 and 0 packed as "PAA"), the five numbers, then the grid.
    void layoutOfTheDefaultChamber()
    {
        const CaveRecord r = sample();
        QCOMPARE(chamberString(r), "ET" + r.Name + "KBez popisuTLPAAKUUUD" + QByteArray(209, ';'));
    }

    void packedUnits_data()
    {
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("gems");
        QTest::addColumn<QByteArray>("codes");
        QTest::newRow("5/0") << 5 << 0 << QByteArray("A") + char(115) + "A";
        QTest::newRow("999/999") << 999 << 999 << QByteArray(3, char(164));
        QTest::newRow("999/7") << 999 << 7 << QByteArray() + char(164) + char(162) + char(65);
        QTest::newRow("0/0") << 0 << 0 << QByteArray("AAA");
    }
    void packedUnits()
    {
        QFETCH(int, total);
        QFETCH(int, gems);
        CaveRecord r = sample(5, 5);
        r.Name.clear();
        r.Description.clear();
        r.TotalTime = static_cast<int16_t>(total);
        r.GemsNeeded = static_cast<int16_t>(gems);
        const QByteArray s = chamberString(r);
        QTEST(s.mid(5, 3), "codes");
        QCOMPARE(StringToCave(s).value(), r);
    }

    // Negative numbers follow floor for the tens and the sign-keeping
    // remainder for the units, both ways.
    void negativeTimesFollowFloorAndRemainder()
    {
        CaveRecord r = sample(5, 5);
        r.TotalTime = -5;
        r.GemsNeeded = -13;
        const QByteArray s = chamberString(r);
        const int nd = int(r.Name.size() + r.Description.size());
        // floor(-5 / 10), then -5 * 10 - 3 = -53, then floor(-13 / 10)
        QCOMPARE(s.mid(5 + nd, 3), QByteArray() + char(65 - 1) + char(65 - 53) + char(65 - 2));
        const auto back = StringToCave(s);
        QVERIFY(back.ok());
        // a = -1, u = -53: TotalTime = -10 + floor(-5.3) = -16; GemsNeeded = -20 - 53 + 60 = -13
        QCOMPARE(int(back->TotalTime), -16);
        QCOMPARE(int(back->GemsNeeded), -13);

        CaveRecord tooLow = sample(5, 5);
        tooLow.TotalTime = -700;
        QVERIFY(!CaveToString(tooLow).ok());
    }

    void endMarkAndTrailer_data()
    {
        QTest::addColumn<QByteArray>("rest");
        QTest::addColumn<QByteArray>("trailer");
        QTest::newRow("letters, mark, CR LF") << QByteArray("abc---\r\n") << QByteArray("abc");
        QTest::newRow("exactly five") << QByteArray("---xy") << QByteArray();
        QTest::newRow("exactly four") << QByteArray("---x") << QByteArray("---x");
        QTest::newRow("mark not at end") << QByteArray("---xyz") << QByteArray("---xyz");
        QTest::newRow("plain") << QByteArray("hello") << QByteArray("hello");
        QTest::newRow("empty") << QByteArray() << QByteArray();
    }
    void endMarkAndTrailer()
    {
        QFETCH(QByteArray, rest);
        CaveRecord r = sample(5, 5);
        const auto back = StringToCave(chamberString(r) + rest);
        QVERIFY(back.ok());
        QTEST(back->Trailer, "trailer");
        QCOMPARE(back->Map[4][4], ';');
    }

    void shortGridGivesBlanks()
    {
        const QByteArray s = chamberString(sample(5, 5));
        const auto back = StringToCave(s.left(s.size() - 3));
        QVERIFY(back.ok());
        // The last row reads ";   " and nothing past the width.
        const char lastRow[] = {';', ' ', ' ', ' ', '\0'};
        for (int x = 1; x <= 5; ++x)
            QCOMPARE(back->Map[x][4], lastRow[x - 1]);
        QVERIFY(back->Trailer.isEmpty());
    }

    void zeroSizeHasNoGrid()
    {
        CaveRecord r = sample(5, 5);
        r.Width = 0;
        const QByteArray s = chamberString(r) + "tail";
        QCOMPARE(s.size(), 13 + r.Name.size() + r.Description.size() + 4);
        const auto back = StringToCave(s);
        QVERIFY(back.ok());
        QCOMPARE(back->Trailer, QByteArray("tail"));
        QCOMPARE(back->Map[0][0], '\0');
    }

    // Each length is the code of 65 more; a trailer is written back as it was.
    void roundTrips_data()
    {
        QTest::addColumn<CaveEdit>("edit");
        const auto row = [](const char *name, CaveEdit edit) { QTest::newRow(name) << edit; };
        row("trailer", [](CaveRecord &r) { r.Trailer = "free text \x01\xFF"; });
        row("longest texts", [](CaveRecord &r) {
            r.Name = QByteArray(190, 'n');
            r.Description = QByteArray(190, 'd');
        });
        row("largest sizes", [](CaveRecord &r) {
            r.Width = 102;
            r.Height = 62;
            for (int x = 0; x < 102; ++x)
                for (int y = 0; y < 62; ++y)
                    r.Map[x][y] = char('A' + (x + y) % 26);
        });
    }
    void roundTrips()
    {
        QFETCH(CaveEdit, edit);
        CaveRecord r = sample(5, 5);
        edit(r);
        const QByteArray s = chamberString(r);
        QCOMPARE(code(s, 2), 65 + int(r.Name.size()));
        QCOMPARE(code(s, 3 + int(r.Name.size())), 65 + int(r.Description.size()));
        QCOMPARE(StringToCave(s).value(), r);
    }

    void writerRefusals_data()
    {
        QTest::addColumn<CaveEdit>("edit");
        const auto row = [](const char *name, CaveEdit edit) { QTest::newRow(name) << edit; };
        row("name 191", [](CaveRecord &r) { r.Name = QByteArray(191, 'x'); });
        row("description 191", [](CaveRecord &r) { r.Description = QByteArray(191, 'x'); });
        row("width 103", [](CaveRecord &r) { r.Width = 103; });
        row("height 63", [](CaveRecord &r) { r.Height = 63; });
        row("points 191", [](CaveRecord &r) { r.Points = 191; });
        row("atmosphere 255", [](CaveRecord &r) { r.Atmosphere = 255; });
        row("gems 1910", [](CaveRecord &r) { r.GemsNeeded = 1910; });
        row("magic wall 200", [](CaveRecord &r) { r.MagicWallTime = 200; });
    }
    void writerRefusals()
    {
        QFETCH(CaveEdit, edit);
        CaveRecord r = sample(5, 5);
        edit(r);
        const auto s = CaveToString(r);
        QVERIFY(!s.ok());
        QVERIFY(!s.error().isEmpty());
    }

    void readerRefusals_data()
    {
        QTest::addColumn<QByteArray>("text");
        const QByteArray good = chamberString(sample(5, 5));
        const int n = 19;
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("only mud") << QByteArray("E");
        QTest::newRow("mud below A") << QByteArray("@") + good.mid(1);
        QTest::newRow("name length below A") << QByteArray("E@");
        QTest::newRow("ends inside name") << QByteArray("EZabc");
        QTest::newRow("no description length") << good.left(2 + n);
        QTest::newRow("description length below A") << good.left(2 + n) + "@";
        QTest::newRow("nine numbers") << good.left(3 + n + 10 + 9);
        QByteArray w = good;
        w[3 + n + 10] = char(65 + 103);
        QTest::newRow("width 103") << w;
        QByteArray h = good;
        h[3 + n + 10 + 1] = char(65 + 63);
        QTest::newRow("height 63") << h;
        for (int i : {0, 1, 5, 6, 7, 8, 9}) {
            QByteArray bad = good;
            bad[3 + n + 10 + i] = char(64);
            QTest::newRow(qPrintable(QStringLiteral("number %1 below A").arg(i))) << bad;
        }
    }
    void readerRefusals()
    {
        QFETCH(QByteArray, text);
        const auto r = StringToCave(text);
        QVERIFY(!r.ok());
        QVERIFY(!r.error().isEmpty());
    }

    void timesBelowAAreRead()
    {
        QByteArray s = chamberString(sample(5, 5));
        s.replace(3 + 19 + 10 + 2, 3, "<<<"); // code 60, below A
        const auto r = StringToCave(s);
        QVERIFY(r.ok());
        QCOMPARE(int(r->TotalTime), -50 + -1);
        QCOMPARE(int(r->GemsNeeded), -50 - 5 + 10);
    }

    void defaultChamber()
    {
        const CaveRecord r = DefaultCave();
        QCOMPARE(r.Name, QByteArray("Nepojmenovan\xE1 19\xD7"
                                    "11"));
        const QByteArray s = chamberString(r);
        const QByteArray grid = s.mid(13 + r.Name.size() + r.Description.size(), 209);
        QCOMPARE(grid.left(19), QByteArray(19, 'W'));
        QCOMPARE(grid.mid(19 * 2, 19), QByteArray("W;1;;;;;;;;;;;;;;;W"));
        QCOMPARE(grid.mid(19 * 9, 19), QByteArray("W;;;;;;;;;;;;;;;;;T"));
        QCOMPARE(grid.right(19), QByteArray(19, 'W'));
        const CaveRecord big = DefaultCave(25, 14);
        QCOMPARE(big.Name, QByteArray("Nepojmenovan\xE1 25\xD7"
                                      "14"));
        QCOMPARE(big.Map[24][12], 'T');
        QCOMPARE(big.Map[25][0], '\0');
    }

    void defaultChamberStaysInsideTheGrid_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("keptWidth");
        QTest::addColumn<int>("keptHeight");
        QTest::newRow("largest grid") << 102 << 62 << 102 << 62;
        QTest::newRow("wider and taller") << 200 << 100 << 102 << 62;
        QTest::newRow("no cells") << 0 << 0 << 3 << 3;
        QTest::newRow("negative") << -4 << 1 << 3 << 3;
    }
    void defaultChamberStaysInsideTheGrid()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, keptWidth);
        QFETCH(int, keptHeight);
        const CaveRecord r = DefaultCave(width, height);
        QCOMPARE(int(r.Width), keptWidth);
        QCOMPARE(int(r.Height), keptHeight);
        QCOMPARE(r.Map[keptWidth - 1][keptHeight - 2], 'T');
        QCOMPARE(r.Map[2][2], '1');
        QVERIFY(CaveToString(r).ok());
    }

    void randomRecordsRoundTrip()
    {
        QRandomGenerator rng(20261208);
        for (int round = 0; round < 500; ++round) {
            CaveRecord r;
            r.TotalTime = static_cast<int16_t>(rng.bounded(5, 1000));
            r.GemsNeeded = static_cast<int16_t>(rng.bounded(0, 1000));
            r.Points = static_cast<uint8_t>(rng.bounded(0, 100));
            r.BonusPoints = static_cast<uint8_t>(rng.bounded(0, 100));
            r.MagicWallTime = static_cast<uint8_t>(rng.bounded(1, 151));
            r.AmoebaTime = static_cast<uint8_t>(rng.bounded(1, 151));
            r.Atmosphere = static_cast<uint8_t>(rng.bounded(0, 15));
            r.MudPermeability = static_cast<uint8_t>(rng.bounded(0, 9));
            r.Width = static_cast<uint8_t>(rng.bounded(5, 51));
            r.Height = static_cast<uint8_t>(rng.bounded(5, 31));
            const auto text = [&rng](int maxLen) {
                QByteArray t(rng.bounded(0, maxLen + 1), '\0');
                for (char &c : t)
                    c = static_cast<char>(rng.bounded(0, 256));
                return t;
            };
            r.Name = text(190);
            r.Description = text(190);
            r.Trailer = text(20);
            if (r.Trailer.size() >= 5 && r.Trailer.at(r.Trailer.size() - 5) == '-')
                r.Trailer[r.Trailer.size() - 5] = 'x';
            for (int x = 0; x < r.Width; ++x)
                for (int y = 0; y < r.Height; ++y)
                    r.Map[x][y] = static_cast<char>(rng.bounded(0, 256));
            const QByteArray s = chamberString(r);
            QCOMPARE(s.size(),
                     13 + r.Name.size() + r.Description.size() + r.Width * r.Height + r.Trailer.size());
            const auto back = StringToCave(s);
            QVERIFY(back.ok());
            QCOMPARE(back.value(), r);
        }
    }
};

QTEST_APPLESS_MAIN(TestCaveString)
#include "tst_cavestring.moc"
