#include "store/allowedtext.h"

#include <QtTest>

class TestAllowed : public QObject
{
    Q_OBJECT
private slots:
    void typing_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("at"); // the caret in start
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        const auto row = [](const char *name, const char *keys, const char *text, int caret,
                            const char *start = "", int at = 0) {
            QTest::newRow(name) << QString::fromUtf8(start) << at << QString::fromUtf8(keys)
                                << QString::fromUtf8(text) << caret;
        };
        row("separators", "1 2,3§4ů5", "01;02;03;04;5", 13);
        row("two digits kept", "12;7;", "12;07;", 6);
        row("lone separator", ";", "00;", 3);
        row("three digits", "123;", "23;", 3);
        row("one by one", "1;2;3;", "01;02;03;", 9);
        row("after five", "5;", "05;", 3);
        row("leading zeros", "007;", "07;", 3);
        row("no number", "x;", "00;", 3);
        row("last item as typed", "4;0", "04;0", 4);
        row("empty", "", "", 0);
        row("items as kept", "12;34;5", "12;34;5", 7);
        // Editing an item in the middle keeps the caret after the typed digit.
        row("edit in the middle", "7", "12;74;5", 4, "12;34;5", 4);
        // Deleting the last item's digits leaves the caret where the text now ends.
        row("last item deleted", "", "12;74;", 6, "12;74;", 6);
        // Whole texts put in at once.
        row("pasted separators", "", "01;02;03;04;5", 13, "1 2,3§4ů5", 13);
        row("pasted two digits", "", "12;07;", 6, "12;7;", 5);
        row("pasted separators alone", "", "00;00;", 6, ";;", 2);
        row("pasted fraction", "", ".5;2", 4, "1.5;2", 5);
        row("pasted minus", "", "-3;", 3, "-3;", 3);
        row("pasted huge number", "", "20;", 3, "99999999999999999999;", 21);
        row("pasted exponent", "", "00;00;", 6, "1e3;x7;", 7);
    }
    // Keys typed one by one at the caret, the box normalising after every key; a second pass
    // over what it keeps changes nothing.
    void typing()
    {
        QFETCH(QString, start);
        QFETCH(int, at);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(int, caret);
        AllowedEdit e = NormalizeAllowed(start, at);
        for (QChar c : keys) {
            e.text.insert(e.caret, c);
            e = NormalizeAllowed(e.text, e.caret + 1);
        }
        QCOMPARE(std::pair(e.text, e.caret), std::pair(text, caret));
        e = NormalizeAllowed(e.text, e.caret);
        QCOMPARE(std::pair(e.text, e.caret), std::pair(text, caret));
    }

    void leadingValue_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<double>("value");
        QTest::newRow("digits") << "12" << 12.0;
        QTest::newRow("blanks first") << "\t 7" << 7.0;
        QTest::newRow("stops at junk") << "4a5" << 4.0;
        QTest::newRow("fraction") << "1.5" << 1.5;
        QTest::newRow("none") << "x1" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("exponent") << "2e2" << 200.0;
        QTest::newRow("bare e") << "2e" << 2.0;
    }

    void leadingValue()
    {
        QFETCH(QString, item);
        QTEST(LeadingValue(item), "value");
    }
};

QTEST_APPLESS_MAIN(TestAllowed)
#include "tst_allowed.moc"
