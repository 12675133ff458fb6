#include "store/allowedtext.h"

#include <QtTest>

namespace {

// Types text key by key at the caret, normalising after every key as the box does.
AllowedEdit typeKeys(const QString &keys, AllowedEdit e = {})
{
    for (QChar c : keys) {
        e.text.insert(e.caret, c);
        e = NormalizeAllowed(e.text, e.caret + 1);
    }
    return e;
}

} // namespace

class TestAllowed : public QObject
{
    Q_OBJECT
private slots:
    void typing_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::newRow("separators") << QStringLiteral("1 2,3§4ů5") << QStringLiteral("01;02;03;04;5") << 13;
        QTest::newRow("two digits kept") << QStringLiteral("12;7;") << "12;07;" << 6;
        QTest::newRow("lone separator") << QStringLiteral(";") << "00;" << 3;
        QTest::newRow("three digits") << QStringLiteral("123;") << "23;" << 3;
        QTest::newRow("one by one") << QStringLiteral("1;2;3;") << "01;02;03;" << 9;
        QTest::newRow("after five") << QStringLiteral("5;") << "05;" << 3;
        QTest::newRow("leading zeros") << QStringLiteral("007;") << "07;" << 3;
        QTest::newRow("no number") << QStringLiteral("x;") << "00;" << 3;
        QTest::newRow("last item as typed") << QStringLiteral("4;0") << "04;0" << 4;
        QTest::newRow("empty") << QStringLiteral("") << "" << 0;
    }

    void typing()
    {
        QFETCH(QString, keys);
        const AllowedEdit e = typeKeys(keys);
        QTEST(e.text, "text");
        QTEST(e.caret, "caret");
    }

    void secondPassChangesNothing_data()
    {
        QTest::addColumn<QString>("text");
        for (const char *t : {"1 2,3§4ů5", "12;7;", ";;", "1.5;2", "-3;", "99999999999999999999;", "1e3;x7;"})
            QTest::newRow(t) << QString::fromUtf8(t);
    }

    void secondPassChangesNothing()
    {
        QFETCH(QString, text);
        const AllowedEdit once = NormalizeAllowed(text, int(text.size()));
        const AllowedEdit twice = NormalizeAllowed(once.text, once.caret);
        QCOMPARE(twice.text, once.text);
        QCOMPARE(twice.caret, once.caret);
    }

    // Editing an item in the middle keeps the caret after the typed digit.
    void editInTheMiddle()
    {
        AllowedEdit e = typeKeys(QStringLiteral("12;34;5"));
        QCOMPARE(e.text, QStringLiteral("12;34;5"));
        e.caret = 4; // between 3 and 4
        e = typeKeys(QStringLiteral("7"), e);
        QCOMPARE(e.text, QStringLiteral("12;74;5"));
        QCOMPARE(e.caret, 4);
        // Deleting the last item's digits leaves the caret where the text now ends.
        e = NormalizeAllowed(QStringLiteral("12;74;"), 6);
        QCOMPARE(e.caret, 6);
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
