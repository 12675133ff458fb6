#include "store/kodovani.h"
#include "store/modzorbel.h"
#include "store/setfile.h"
#include "support/builders.h"

#include <QRandomGenerator>
#include <QtTest>

#include <functional>
#include <sys/resource.h>

using SetEdit = std::function<void(SetFileData &)>;
Q_DECLARE_METATYPE(SetEdit)

namespace {

// Texts in code page 1250 and chambers of many sizes.
SetFileData sampleSet(int caves)
{
    SetFileData s = setOf(0);
    s.Name = "Moje sada \xE8\xED\x73lo"; // "Moje sada číslo" in code page 1250
    s.Description = "Popis\r\nna dva \xF8\xE1\x64ky";
    for (int k = 1; k <= caves; ++k)
        s.Caves.append(cave(k, 5 + k % 46, 5 + k % 26));
    return s;
}

// The plain lines of a file: every stored line deciphered.
QList<QByteArray> plainLines(const QByteArray &file)
{
    QList<QByteArray> out;
    for (const QByteArray &line : SplitSetFileLines(file))
        out.append(DecodeLine(line));
    return out;
}

// A file from plain lines, each enciphered and ended with end.
QByteArray fileOf(const QList<QByteArray> &plain, const QByteArray &end = "\r\n")
{
    CipherRandom random(3);
    QByteArray out;
    for (const QByteArray &line : plain)
        out += EncodeLine(line, random) + end;
    return out;
}

QList<QByteArray> headerLines(const QByteArray &allowed = "A")
{
    return {QByteArray("Dabc") + allowed, "BxPopis", "a@b.czF"};
}

// A file of the three header lines, then rest.
QByteArray headed(const QList<QByteArray> &rest, const QByteArray &end = "\r\n")
{
    return fileOf(headerLines() + rest, end);
}

// The header, chambers 1..n, then last.
QList<QByteArray> chambers(int n, const QByteArray &allowed = "A", const QByteArray &last = "Gratulace")
{
    QList<QByteArray> plain = headerLines(allowed);
    for (int k = 1; k <= n; ++k)
        plain << cave(k);
    return plain << last;
}

} // namespace

class TestSetFile : public QObject
{
    Q_OBJECT
private slots:
    void roundTripsByteForByte_data()
    {
        QTest::addColumn<int>("caves");
        QTest::addColumn<SetEdit>("edit");
        QTest::newRow("1 chamber") << 1 << SetEdit();
        QTest::newRow("3 chambers") << 3 << SetEdit();
        QTest::newRow("100 chambers") << 100 << SetEdit();
        QTest::newRow("empty congratulation")
            << 2 << SetEdit([](SetFileData &s) { s.Congratulation.clear(); });
        QTest::newRow("longest name and author") << 1 << SetEdit([](SetFileData &s) {
            s.Name = QByteArray(190, 'n');
            s.Author = QByteArray(190, 'a');
        });
    }
    void roundTripsByteForByte()
    {
        QFETCH(int, caves);
        QFETCH(SetEdit, edit);
        SetFileData set = sampleSet(caves);
        for (int k = 1; k <= caves; k += 2)
            set.Allowed[k] = true;
        set.Allowed[caves] = true; // the last one too: chamber 100 is "\xA4"
        if (edit)
            edit(set);

        CipherRandom random(11);
        const auto written = WriteSetFile(set, random);
        QVERIFY2(written.ok(), qPrintable(written.error()));
        const QByteArray bytes = written.value();

        // N + 4 lines, each CR LF ended, only cipher letters between.
        QCOMPARE(bytes.count("\r\n"), caves + 4);
        QVERIFY(bytes.endsWith("\r\n"));
        QByteArray first = char(65 + set.Name.size()) + set.Name; // 255 at the longest
        for (int k = 1; k <= caves; ++k)
            if (set.Allowed[k])
                first += char(64 + k);
        const QByteArray second = char(65 + set.Author.size()) + set.Author + set.Description;
        QCOMPARE(plainLines(bytes), QList<QByteArray>({first, second, set.Mail + set.CollFlag}) + set.Caves
                                        << set.Congratulation);

        const auto read = ReadSetFile(bytes);
        QVERIFY2(read.ok(), qPrintable(read.error()));
        QCOMPARE(read.value(), set);

        // Written again with the same draws, the file is the same to the byte.
        CipherRandom again(11);
        QCOMPARE(WriteSetFile(read.value(), again).value(), bytes);
    }

    void allowedTextAfterLoad_data()
    {
        QTest::addColumn<QList<int>>("allowed");
        QTest::addColumn<int>("numCaves");
        QTest::addColumn<QString>("text");
        QTest::newRow("1 3") << QList<int>{1, 3} << 3 << "01;03;";
        QTest::newRow("1 5 12") << QList<int>{1, 5, 12} << 20 << "01;05;012;";
        QTest::newRow("100") << QList<int>{1, 100} << 100 << "01;0100;";
        QTest::newRow("none") << QList<int>{} << 3 << "";
        QTest::newRow("above the set") << QList<int>{2, 9} << 3 << "02;";
    }
    void allowedTextAfterLoad()
    {
        QFETCH(QList<int>, allowed);
        QFETCH(int, numCaves);
        AllowedFlags flags{};
        for (int k : allowed)
            flags[k] = true;
        QTEST(AllowedCavesText(flags, numCaves), "text");
    }

    void allowedTextBeforeSave_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("numCaves");
        QTest::addColumn<QList<int>>("allowed");
        QTest::newRow("empty box still allows 1") << "" << 5 << QList<int>{1};
        QTest::newRow("01;03;") << "01;03;" << 5 << QList<int>{1, 3};
        QTest::newRow("last item without ;") << "01;5" << 5 << QList<int>{1, 5};
        QTest::newRow("only an item") << "4" << 5 << QList<int>{1, 4};
        QTest::newRow("last item 12") << "02;12" << 20 << QList<int>{1, 2, 12};
        QTest::newRow("last item 007") << "007" << 20 << QList<int>{1, 7};
        QTest::newRow("last item 123") << "123" << 30 << QList<int>{1, 23};
        QTest::newRow("last item 100 is 00") << "100" << 100 << QList<int>{1, 100};
        QTest::newRow("last item not a number") << "02;x" << 5 << QList<int>{1, 2};
        QTest::newRow("00; is chamber 100") << "00;" << 100 << QList<int>{1, 100};
        QTest::newRow("10; is ten, not one") << "10;" << 10 << QList<int>{1, 10};
        QTest::newRow("11 in 111;") << "111;" << 11 << QList<int>{1, 11};
        QTest::newRow("above numCaves ignored") << "02;09;" << 5 << QList<int>{1, 2};
        QTest::newRow("case and exact form") << "5;" << 5 << QList<int>{1};
    }
    void allowedTextBeforeSave()
    {
        QFETCH(QString, text);
        QFETCH(int, numCaves);
        QFETCH(QList<int>, allowed);
        AllowedFlags flags{};
        flags[numCaves < 100 ? numCaves + 1 : 0] = true; // above the set: left alone
        ApplyAllowedCavesText(flags, text, numCaves);
        AllowedFlags expected{};
        for (int k : allowed)
            expected[k] = true;
        expected[numCaves < 100 ? numCaves + 1 : 0] = true;
        QCOMPARE(flags, expected);
    }

    // The chambers end at the first empty line, or the last line is the congratulation. Blank
    // lines a text editor adds after the last line are no chambers; a last line with text is one
    // only when it reads as one. Any line ends, the last one there or not.
    void whereTheChambersEnd_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("caves");
        QTest::addColumn<QByteArray>("congratulation");
        const QByteArray done = "Hotovo", c1 = cave(1), c2 = cave(2);
        const auto file = [](const QList<QByteArray> &rest, const QByteArray &end = "\r\n") {
            return fileOf(headerLines("AB") + rest, end);
        };
        QTest::newRow("empty line") << file({c1, c2, "", "", ""}) << 2 << QByteArray();
        QTest::newRow("last line") << file({c1, c2}) << 1 << c2;
        QTest::newRow("CR LF") << file({c1, c2, done}) << 2 << done;
        QTest::newRow("CR LF, last line open") << file({c1, c2, done}).chopped(2) << 2 << done;
        QTest::newRow("lone LF") << file({c1, c2, done}, "\n") << 2 << done;
        QTest::newRow("lone CR") << file({c1, c2, done}, "\r") << 2 << done;
        QTest::newRow("lone LF, last line open") << file({c1, c2, done}, "\n").chopped(1) << 2 << done;
        QTest::newRow("CR LF, blank") << file({c1, c2, done}) + "\r\n" << 2 << done;
        QTest::newRow("lone LF, two blank") << file({c1, c2, done}, "\n") + "\n\n" << 2 << done;
        QTest::newRow("lone CR, blank") << file({c1, c2, done}, "\r") + "\r" << 2 << done;
        QTest::newRow("mixed ends, last open") << file({c1, c2, done}) + "\n\r\r\n\n" << 2 << done;
        QTest::newRow("one chamber") << file({c1, done}) + "\r\n" << 1 << done;
        QTest::newRow("empty congratulation") << file({c1, c2, ""}) + "\r\n" << 2 << QByteArray();
        QTest::newRow("last chamber, then blank lines") << file({c1, c2}) + "\n\r\n" << 2 << QByteArray();
    }
    void whereTheChambersEnd()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, caves);
        const auto read = ReadSetFile(bytes);
        QVERIFY2(read.ok(), qPrintable(read.error()));
        QCOMPARE(read.value().Caves, (QList<QByteArray>{cave(1), cave(2)}.mid(0, caves)));
        QTEST(read.value().Congratulation, "congratulation");
        QCOMPARE(read.value().Allowed[2], caves == 2); // "B" names a chamber only when there is one
        const auto joined = ReadJoinedCaves(bytes, 1);
        QVERIFY2(joined.ok(), qPrintable(joined.error()));
        QCOMPARE(joined.value().size(), caves);
    }

    void singleCharacterThirdLine()
    {
        const auto read = ReadSetFile(fileOf({"DabcA", "BxPopis", "%", cave(1), "Gratulace"}));
        QVERIFY(read.ok());
        const SetFileData &r = read.value();
        QCOMPARE((QList<QByteArray>{r.Name, r.Author, r.Description, r.Mail, r.CollFlag}),
                 (QList<QByteArray>{"abc", "x", "Popis", "", "%"}));
    }

    void splitCountsLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("lines");
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("one end") << QByteArray("\r\n") << 1;
        QTest::newRow("two ends") << QByteArray("\r\n\r\n") << 2;
        QTest::newRow("no end") << QByteArray("ABC") << 1;
        QTest::newRow("CR then CR LF") << QByteArray("A\r\rB\r\n") << 3;
        QTest::newRow("LF CR is two ends") << QByteArray("A\n\rB") << 3;
    }
    void splitCountsLines()
    {
        QFETCH(QByteArray, bytes);
        QTEST(int(SplitSetFileLines(bytes).size()), "lines");
    }

    void allowedCharactersWithoutChamber()
    {
        // "?" and 0xA5 lie outside the flags, "@" (chamber 0) and "D" (chamber 4
        // of a three-chamber file) name nothing: all are passed over.
        const auto read = ReadSetFile(fileOf(chambers(3, "?@ACD\xA4\xA5\xFF", "")));
        QVERIFY2(read.ok(), qPrintable(read.error()));
        AllowedFlags expected{};
        expected[1] = expected[3] = true;
        QCOMPARE(read.value().Allowed, expected);
    }

    // Open and Join refuse the same files alike: the whole file is checked,
    // also what a join would not take.
    void refusals_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("numCaves"); // in the set the chambers are joined to
        const auto row = [](const char *name, const QByteArray &bytes, const char *fault, int numCaves = 10) {
            QTest::newRow(name) << bytes << QString::fromUtf8(fault) << numCaves;
        };
        const QByteArray c1 = cave(1);
        row("empty file", QByteArray(), "Soubor je prázdný.");
        row("one line", fileOf({"Dabc"}), "jen 1 řádek,");
        row("four lines", headed({c1}), "jen 4 řádky,");
        row("empty name line", fileOf({"", "BAu", "x@F", c1, ""}), "Řádek 1 je prázdný");
        row("length below A", fileOf({"@abc", "BAu", "x@F", c1, ""}), "délkou jména sady");
        row("empty author line", fileOf({"DabcA", "", "x@F", c1, ""}), "Řádek 2 je prázdný");
        row("author length below A", fileOf({"DabcA", "7", "x@F", c1, ""}), "autora");
        row("empty third line", fileOf({"DabcA", "BAu", "", c1, ""}), "Řádek 3 je prázdný");
        row("empty line 4", fileOf({"DabcA", "BAu", "x@F", "", c1, ""}), "Řádek 4");
        row("line 5 not a chamber", fileOf({"DabcA", "BAu", "x@F", c1, "\x01", c1, ""}),
            "Řádek 5 není komnata");
        row("101 chambers", headed(QList<QByteArray>(101, c1) << ""),
            "Na řádku 104 je už 101. komnata, sada jich smí mít nejvýše 100.");
        // "ZZZZZZ" deciphers to nothing, so chamber 2 would be read as the congratulation.
        row("chamber line deciphering empty", headed({c1}) + "ZZZZZZ\r\n" + fileOf({c1, "konec"}),
            "Soubor je poškozený. Za gratulací na řádku 5 následuje ještě neprázdný řádek 6.");
        row("chamber after empty lines", headed({c1, "", "", c1, ""}),
            "Za gratulací na řádku 5 následuje ještě neprázdný řádek 7.");
        // The line before the last may be a congratulation the last keeps from being read as such.
        row("text after the congratulation and a blank line", headed({c1, "Hotovo", "Navíc"}) + "\r\n",
            "Řádek 5 není komnata. Text komnaty končí dřív, než začnou její čísla. "
            "Je-li to gratulace, nesmí za ní být neprázdný řádek 6.");
        row("no letters after the congratulation", headed({c1, ""}) + "x", "neprázdný řádek 6.");
        row("bad chamber", headed({c1, "AA", cave(2), ""}), "Řádek 5");
        row("bad chamber past the limit", headed({c1, cave(2), "AA", cave(3), ""}), "Řádek 6", 97);
        row("bad chamber, set full", headed({c1, "AA", cave(2), ""}), "Řádek 5", 99);
        row("chamber line deciphering empty, then a blank line",
            headed({c1}) + "ZZZZZZ\r\n" + fileOf({cave(2), ""}), "neprázdný řádek 6");
        QByteArray notCipher = headed({c1, ""});
        notCipher.replace(0, 1, "a");
        row("not letters", notCipher, "Soubor není sada komnat. Řádek 1 obsahuje");
        QByteArray noise(4096, 0);
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
        row("random bytes", noise, "Soubor není sada komnat");
    }
    void refusals()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, fault);
        const auto read = ReadSetFile(bytes);
        QVERIFY(!read.ok());
        QVERIFY2(read.error().contains(fault), qPrintable(read.error()));
        QFETCH(int, numCaves);
        const auto joined = ReadJoinedCaves(bytes, numCaves);
        QVERIFY(!joined.ok());
        QVERIFY2(joined.error().contains(fault), qPrintable(joined.error()));
    }

    // Letters that are no exact output of the cipher still decode, and a length
    // past its line takes what the line has.
    void readsWhatTheDecoderReads_data()
    {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("second");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("author");
        CipherRandom random(5);
        const auto enc = [&random](const char *plain) { return EncodeLine(plain, random); };
        const QByteArray line1 = enc("DabcA");
        const QByteArray line2 = enc("BxPopis");
        // "FPA": base 10, quotient 5, remainder 15 is "A" (65) all the same.
        QTest::newRow("remainder above the base")
            << enc("D") + "FPA" + enc("bcA") << line2 << QByteArray("Abc") << QByteArray("x");
        // "ZZZ" (425) has no character and repeats the one before.
        QTest::newRow("code above 255")
            << enc("Dab") + "ZZZ" + enc("A") << line2 << QByteArray("abb") << QByteArray("x");
        // "GHA" is "C" and "JHA" "a"; the lone "J" reuses that remainder and base.
        QTest::newRow("line not in threes")
            << QByteArray("GHAJHAJ") << line2 << QByteArray("aa") << QByteArray("x");
        QTest::newRow("name past the line") << enc("Zab") << line2 << QByteArray("ab") << QByteArray("x");
        QTest::newRow("author past the line") << line1 << enc("Gab") << QByteArray("abc") << QByteArray("ab");
    }
    void readsWhatTheDecoderReads()
    {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, second);
        const QByteArray bytes = first + "\r\n" + second + "\r\n" + fileOf({"a@b.czF", cave(1), ""});
        const auto read = ReadSetFile(bytes);
        QVERIFY2(read.ok(), qPrintable(read.error()));
        QTEST(read.value().Name, "name");
        QTEST(read.value().Author, "author");
        QCOMPARE(read.value().Caves, QList<QByteArray>{cave(1)});
    }

    // A file of line ends alone once took 25 times its size in line records.
    void readHoldsLittleMoreThanTheFile()
    {
        constexpr qsizetype size = 40 * 1024 * 1024;
        const QByteArray bytes(size, '\n');
        rusage before{};
        getrusage(RUSAGE_SELF, &before);
        QVERIFY(!ReadSetFile(bytes).ok());
        QVERIFY(ReadSetFile(QByteArray(headed({cave(1)}) + bytes)).ok());
        rusage after{};
        getrusage(RUSAGE_SELF, &after);
        QVERIFY2((after.ru_maxrss - before.ru_maxrss) * 1024 < 3 * size,
                 qPrintable(QString::number(after.ru_maxrss - before.ru_maxrss)));
    }

    void joinLimits_data()
    {
        QTest::addColumn<int>("numCaves");
        QTest::addColumn<int>("joined");
        QTest::newRow("1") << 1 << 5;
        QTest::newRow("94") << 94 << 5;
        QTest::newRow("97") << 97 << 2;
        QTest::newRow("98") << 98 << 1;
        QTest::newRow("99") << 99 << 0;
        QTest::newRow("100") << 100 << 0;
    }
    void joinLimits()
    {
        QFETCH(int, numCaves);
        QFETCH(int, joined);
        qsizetype left = -1;
        const auto read = ReadJoinedCaves(fileOf(chambers(5)), numCaves, &left);
        QVERIFY2(read.ok(), qPrintable(read.error()));
        QCOMPARE(read.value(), chambers(5).mid(3, joined)); // after the header lines
        QCOMPARE(left, 5 - joined);
    }

    void writerRefusals_data()
    {
        QTest::addColumn<SetEdit>("edit");
        QTest::addColumn<QString>("fault");
        const auto row = [](const char *name, const char *fault, SetEdit edit) {
            QTest::newRow(name) << edit << QString::fromUtf8(fault);
        };
        row("name of 191", "Jméno sady", [](SetFileData &s) { s.Name = QByteArray(191, 'n'); });
        row("author of 191", "autora", [](SetFileData &s) { s.Author = QByteArray(191, 'a'); });
        row("no chamber", "žádnou", [](SetFileData &s) { s.Caves.clear(); });
        row("101 chambers", "více než 100", [](SetFileData &s) { s.Caves.resize(101, cave(1)); });
        row("empty chamber string", "Komnatu 2", [](SetFileData &s) { s.Caves[1].clear(); });
    }
    void writerRefusals()
    {
        QFETCH(SetEdit, edit);
        QFETCH(QString, fault);
        SetFileData set = sampleSet(3);
        edit(set);
        const auto written = WriteSetFile(set);
        QVERIFY(!written.ok());
        QVERIFY2(written.error().contains(fault), qPrintable(written.error()));
    }

    void missingFlagGetsTheDefault()
    {
        SetFileData set = sampleSet(1);
        set.CollFlag.clear();
        QCOMPARE(ReadSetFile(WriteSetFile(set).value()).value().CollFlag, QByteArray(1, DefaultCollFlag));
    }
};

QTEST_APPLESS_MAIN(TestSetFile)
#include "tst_setfile.moc"
