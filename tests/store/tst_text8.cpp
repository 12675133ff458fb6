#include "common/cellchars.h"
#include "common/text8.h"

#include <QtTest>

class TestText8 : public QObject
{
    Q_OBJECT
private slots:
    void everyCodeComesBack()
    {
        QByteArray all;
        for (int c = 0; c < 256; ++c)
            all.append(char(c));
        QCOMPARE(Text8::fromUnicode(Text8::toUnicode(all)), all);
        QCOMPARE(Text8::fromBoxText(Text8::toBoxText(all)), all);
    }

    void czechLetters()
    {
        QCOMPARE(Text8::toUnicode("\xD7"), QStringLiteral("×"));
        QCOMPARE(Text8::fromUnicode(QStringLiteral("Příliš žluťoučký kůň")),
                 QByteArray("P\xF8\xEDli\x9A \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2"));
    }

    void lineBreaks()
    {
        QCOMPARE(Text8::toBoxText("a\r\nb"), QStringLiteral("a\nb"));
        QCOMPARE(Text8::fromBoxText(QStringLiteral("a\nb\nc")), QByteArray("a\r\nb\r\nc"));
        for (const QByteArray &raw :
             {QByteArray("a\rb"), QByteArray("a\nb"), QByteArray("\n\r\r\n\r"), QByteArray("\r\n\r\n")})
            QCOMPARE(Text8::fromBoxText(Text8::toBoxText(raw)), raw);
    }

    void cellTable()
    {
        const QByteArray named(".$CH70 a\0", 9);
        const int objects[] = {0, 35, 29, 4, 4, UnknownObject, UnknownObject, UnknownObject, UnknownObject};
        for (int i = 0; i < named.size(); ++i)
            QCOMPARE(ObjectForCell(named[i]), objects[i]);
        QCOMPARE(HeroVariantForCell('0'), 0);
        QCOMPARE(HeroVariantForCell('9'), 9);
        // every entry but the hero paints with itself
        for (int k = 0; k < ObjectCount; ++k)
            if (k != HeroObject)
                QCOMPARE(ObjectForCell(PaletteObjects[k].cell), k);
        QSet<char> cells;
        for (const auto &o : PaletteObjects)
            cells.insert(o.cell);
        QCOMPARE(cells.size(), ObjectCount);
    }
};

QTEST_APPLESS_MAIN(TestText8)
#include "tst_text8.moc"
