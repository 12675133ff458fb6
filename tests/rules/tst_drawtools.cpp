#include "rules/drawtools.h"

#include <QtTest>

using DrawTools::Cell;
using Cells = std::vector<Cell>;
Q_DECLARE_METATYPE(Cells)

namespace {

Cells parse(const char *text)
{
    Cells cells;
    const QStringList parts = QString::fromLatin1(text).split(u' ', Qt::SkipEmptyParts);
    for (const QString &p : parts) {
        const auto xy = p.split(u',');
        cells.push_back({xy[0].toInt(), xy[1].toInt()});
    }
    return cells;
}

QString show(const Cells &cells)
{
    QStringList out;
    for (const auto &c : cells)
        out << QStringLiteral("%1,%2").arg(c.x).arg(c.y);
    return out.join(u' ');
}

} // namespace

class TestDrawTools : public QObject
{
    Q_OBJECT
private slots:
    void pixelToCell_data()
    {
        QTest::addColumn<double>("pixel");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("cell");
        QTest::newRow("first pixel") << 0.0 << 19 << 0;
        QTest::newRow("last pixel of cell 0") << 25.9 << 19 << 0;
        QTest::newRow("cell 1") << 26.0 << 19 << 1;
        QTest::newRow("left of the surface") << -40.0 << 19 << 0;
        QTest::newRow("right of the surface") << 5000.0 << 19 << 18;
        QTest::newRow("last cell") << 493.0 << 19 << 18;
    }
    void pixelToCell()
    {
        QFETCH(double, pixel);
        QFETCH(int, count);
        QFETCH(int, cell);
        QCOMPARE(DrawTools::PixelToCell(pixel, 26, count), cell);
    }

    void line_data()
    {
        QTest::addColumn<int>("x1");
        QTest::addColumn<int>("y1");
        QTest::addColumn<int>("x2");
        QTest::addColumn<int>("y2");
        QTest::addColumn<QString>("cells");
        QTest::newRow("one cell") << 2 << 2 << 2 << 2 << "2,2";
        QTest::newRow("horizontal") << 1 << 1 << 6 << 1 << "1,1 2,1 3,1 4,1 5,1 6,1";
        QTest::newRow("horizontal reversed") << 6 << 1 << 1 << 1 << "1,1 2,1 3,1 4,1 5,1 6,1";
        QTest::newRow("down") << 3 << 1 << 3 << 5 << "3,1 3,2 3,3 3,4 3,5";
        QTest::newRow("up") << 3 << 5 << 3 << 1 << "3,5 3,4 3,3 3,2 3,1";
        QTest::newRow("diagonal") << 0 << 0 << 3 << 3 << "0,0 0,1 1,1 1,2 2,2 3,2 3,3";
        QTest::newRow("diagonal reversed") << 3 << 3 << 0 << 0 << "0,0 0,1 1,1 1,2 2,2 3,2 3,3";
        QTest::newRow("rising") << 0 << 3 << 3 << 0 << "0,3 0,2 1,2 1,1 2,1 3,1 3,0";
        QTest::newRow("rising reversed") << 3 << 0 << 0 << 3 << "0,3 0,2 1,2 1,1 2,1 3,1 3,0";
        QTest::newRow("dragged right to left") << 5 << 2 << 1 << 4 << "1,4 2,4 2,3 3,3 4,3 4,2 5,2";
        QTest::newRow("tie to even 0.5") << 0 << 0 << 3 << 1 << "0,0 1,0 2,0 2,1 3,1";
        QTest::newRow("tie to even 1.5") << 0 << 0 << 1 << 3 << "0,0 0,1 0,2 1,2 1,3";
        QTest::newRow("shallow") << 0 << 0 << 7 << 2 << "0,0 1,0 2,0 2,1 3,1 4,1 5,1 5,2 6,2 7,2";
    }
    void line()
    {
        QFETCH(int, x1);
        QFETCH(int, y1);
        QFETCH(int, x2);
        QFETCH(int, y2);
        QFETCH(QString, cells);
        QCOMPARE(show(DrawTools::LineCells(x1, y1, x2, y2)), cells);
    }

    // The single-precision slope decides column 10 and 11 of this line.
    void lineSinglePrecision()
    {
        const Cells cells = DrawTools::LineCells(0, 0, 21, 29);
        Cells col10, col11;
        for (const auto &c : cells) {
            if (c.x == 10)
                col10.push_back(c);
            if (c.x == 11)
                col11.push_back(c);
        }
        QCOMPARE(show(col10), QStringLiteral("10,13 10,14 10,15"));
        QCOMPARE(show(col11), QStringLiteral("11,15 11,16"));
        QCOMPARE(cells.front(), (Cell{0, 0}));
        QCOMPARE(cells.back(), (Cell{21, 29}));
    }

    void rectangle_data()
    {
        QTest::addColumn<int>("x1");
        QTest::addColumn<int>("y1");
        QTest::addColumn<int>("x2");
        QTest::addColumn<int>("y2");
        QTest::addColumn<QString>("cells");
        QTest::newRow("one cell") << 2 << 2 << 2 << 2 << "2,2 2,2 2,2 2,2";
        QTest::newRow("outline") << 1 << 1 << 4 << 3
                                 << "1,1 1,3 2,1 2,3 3,1 3,3 4,1 4,3 1,1 4,1 1,2 4,2 1,3 4,3";
        QTest::newRow("dragged up left") << 2 << 2 << 1 << 1 << "2,2 2,1 1,2 1,1 2,2 1,2 2,1 1,1";
    }
    void rectangle()
    {
        QFETCH(int, x1);
        QFETCH(int, y1);
        QFETCH(int, x2);
        QFETCH(int, y2);
        QFETCH(QString, cells);
        QCOMPARE(show(DrawTools::RectCells(x1, y1, x2, y2)), cells);
    }

    void fillOrderOnEmptyChamber()
    {
        const auto cells = DrawTools::FloodFillCells([](int, int) { return '.'; }, 5, 5, 2, 2, ';');
        QCOMPARE(cells.size(), size_t(25));
        const Cells first(cells.begin(), cells.begin() + 10);
        QCOMPARE(show(first), show(parse("2,2 1,2 0,2 0,1 0,0 1,0 1,1 2,1 2,0 3,0")));
    }

    // The explicit stack must visit the cells exactly as the recursion does.
    void fillMatchesTheRecursion()
    {
        const int w = 13, h = 9;
        std::vector<char> map(w * h);
        for (int i = 0; i < w * h; ++i)
            map[i] = ((i * 7919) % 11) < 3 ? 'X' : '.';
        const auto at = [&](int x, int y) { return map[y * w + x]; };

        std::vector<char> rec = map;
        Cells expected;
        std::function<void(int, int)> fill = [&](int x, int y) {
            const char old = rec[y * w + x];
            if (old == ';')
                return;
            rec[y * w + x] = ';';
            expected.push_back({x, y});
            if (x > 0 && rec[y * w + x - 1] == old)
                fill(x - 1, y);
            if (y > 0 && rec[(y - 1) * w + x] == old)
                fill(x, y - 1);
            if (y < h - 1 && rec[(y + 1) * w + x] == old)
                fill(x, y + 1);
            if (x < w - 1 && rec[y * w + x + 1] == old)
                fill(x + 1, y);
        };
        fill(6, 4);
        QCOMPARE(show(DrawTools::FloodFillCells(at, w, h, 6, 4, ';')), show(expected));
    }

    void fillStopsAtOtherCellsAndEdges()
    {
        // a wall splits the chamber; diagonal neighbours do not join
        const char *rows[] = {"..X..", "..X..", "XXX..", "....."};
        const auto at = [&](int x, int y) { return rows[y][x]; };
        const auto cells = DrawTools::FloodFillCells(at, 5, 4, 0, 0, ';');
        QCOMPARE(show(cells), QStringLiteral("0,0 0,1 1,1 1,0"));
        QVERIFY(DrawTools::FloodFillCells(at, 5, 4, 0, 0, '.').empty());
    }

    void fillsLargestChamberWithoutRecursion()
    {
        const auto cells = DrawTools::FloodFillCells([](int, int) { return '.'; }, 50, 30, 49, 29, ';');
        QCOMPARE(cells.size(), size_t(1500));
    }
};

QTEST_APPLESS_MAIN(TestDrawTools)
#include "tst_drawtools.moc"
