#include "common/tools.h"
#include "rules/drawtools.h"
#include "support/stationerydata.h"

#include <QtTest>

using DrawTools::Cell;
using DrawTools::Cells;

namespace {

QString show(const Cells &cells)
{
    QStringList out;
    for (const auto &c : cells)
        out << QStringLiteral("%1,%2").arg(c.x).arg(c.y);
    return out.join(u' ');
}

// The picture with every cell set to c.
QStringList painted(QStringList rows, const Cells &cells, char c)
{
    for (const auto &cell : cells)
        rows[cell.y][cell.x] = QLatin1Char(c);
    return rows;
}

// The cells a recursive fill sets, neighbours left, up, down, right.
void recursiveFill(QStringList &rows, int x, int y, char c, Cells &out)
{
    const QChar old = rows[y][x];
    if (old == QLatin1Char(c))
        return;
    rows[y][x] = QLatin1Char(c);
    out.push_back({x, y});
    for (const Cell n : {Cell{x - 1, y}, Cell{x, y - 1}, Cell{x, y + 1}, Cell{x + 1, y}})
        if (n.x >= 0 && n.y >= 0 && n.x < rows[0].size() && n.y < rows.size() && rows[n.y][n.x] == old)
            recursiveFill(rows, n.x, n.y, c, out);
}

} // namespace

class TestDrawTools : public QObject
{
    Q_OBJECT
private slots:
    void pixelToCell_data()
    {
        QTest::addColumn<double>("pixel");
        QTest::addColumn<int>("cell");
        QTest::newRow("first pixel") << 0.0 << 0;
        QTest::newRow("last pixel of cell 0") << 25.9 << 0;
        QTest::newRow("cell 1") << 26.0 << 1;
        QTest::newRow("left of the surface") << -40.0 << 0;
        QTest::newRow("right of the surface") << 5000.0 << 18;
        QTest::newRow("last cell") << 493.0 << 18;
    }
    void pixelToCell()
    {
        QFETCH(double, pixel);
        QTEST(DrawTools::PixelToCell(pixel, 26, 19), "cell");
    }

    // The cells a drag from x1,y1 to x2,y2 sets, in order.
    void stroke_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<QList<int>>("drag");
        QTest::addColumn<QString>("cells");
        const auto row = [](const char *name, ToolNumber tool, QList<int> drag, const char *cells) {
            QTest::newRow(name) << int(tool) << drag << QString::fromLatin1(cells);
        };
        row("one cell", ToolLine, {2, 2, 2, 2}, "2,2");
        row("horizontal", ToolLine, {1, 1, 6, 1}, "1,1 2,1 3,1 4,1 5,1 6,1");
        row("horizontal reversed", ToolLine, {6, 1, 1, 1}, "1,1 2,1 3,1 4,1 5,1 6,1");
        row("down", ToolLine, {3, 1, 3, 5}, "3,1 3,2 3,3 3,4 3,5");
        row("up", ToolLine, {3, 5, 3, 1}, "3,5 3,4 3,3 3,2 3,1");
        row("diagonal", ToolLine, {0, 0, 3, 3}, "0,0 0,1 1,1 1,2 2,2 3,2 3,3");
        row("diagonal reversed", ToolLine, {3, 3, 0, 0}, "0,0 0,1 1,1 1,2 2,2 3,2 3,3");
        row("rising", ToolLine, {0, 3, 3, 0}, "0,3 0,2 1,2 1,1 2,1 3,1 3,0");
        row("rising reversed", ToolLine, {3, 0, 0, 3}, "0,3 0,2 1,2 1,1 2,1 3,1 3,0");
        row("dragged right to left", ToolLine, {5, 2, 1, 4}, "1,4 2,4 2,3 3,3 4,3 4,2 5,2");
        row("tie to even 0.5", ToolLine, {0, 0, 3, 1}, "0,0 1,0 2,0 2,1 3,1");
        row("tie to even 1.5", ToolLine, {0, 0, 1, 3}, "0,0 0,1 0,2 1,2 1,3");
        row("shallow", ToolLine, {0, 0, 7, 2}, "0,0 1,0 2,0 2,1 3,1 4,1 5,1 5,2 6,2 7,2");
        // the single-precision slope decides columns 10 and 11
        row("steep and long", ToolLine, {0, 0, 21, 29},
            "0,0 0,1 1,1 1,2 1,3 2,3 2,4 3,4 3,5 4,5 4,6 4,7 5,7 5,8 6,8 6,9 7,9 7,10 7,11 8,11 8,12 9,12 "
            "9,13 10,13 10,14 10,15 11,15 11,16 12,16 12,17 13,17 13,18 14,18 14,19 14,20 15,20 15,21 16,21 "
            "16,22 17,22 17,23 17,24 18,24 18,25 19,25 19,26 20,26 20,27 20,28 21,28 21,29");
        row("rectangle of one cell", ToolRectangle, {2, 2, 2, 2}, "2,2 2,2 2,2 2,2");
        row("outline", ToolRectangle, {1, 1, 4, 3},
            "1,1 1,3 2,1 2,3 3,1 3,3 4,1 4,3 1,1 4,1 1,2 4,2 1,3 4,3");
        row("dragged up left", ToolRectangle, {2, 2, 1, 1}, "2,2 2,1 1,2 1,1 2,2 1,2 2,1 1,1");
    }
    void stroke()
    {
        QFETCH(int, tool);
        QFETCH(QList<int>, drag);
        const auto cells = tool == ToolLine ? DrawTools::LineCells(drag[0], drag[1], drag[2], drag[3])
                                            : DrawTools::RectCells(drag[0], drag[1], drag[2], drag[3]);
        QTEST(show(cells), "cells");
    }

    // A fill from x,y with c: the chamber before and after it side by side,
    // the cells in the order the recursion sets them (the explicit stack must
    // walk the same way), the first of them spelled out.
    void fill_data()
    {
        QTest::addColumn<QStringList>("pictures");
        QTest::addColumn<QList<int>>("start");
        QTest::addColumn<char>("c");
        QTest::addColumn<QString>("first");
        QTest::addColumn<int>("count");
        QTest::newRow("empty chamber") << QStringList(5, "..... ;;;;;") << QList<int>{2, 2} << ';'
                                       << "2,2 1,2 0,2 0,1 0,0 1,0 1,1 2,1 2,0 3,0" << 25;
        // a wall splits the chamber; diagonal neighbours do not join
        QTest::newRow("walls and edges stop it") << QStringList{"..X.. ;;X..", //
                                                                "..X.. ;;X..", //
                                                                "XXX.. XXX..", //
                                                                "..... ....."}
                                                 << QList<int>{0, 0} << ';' << "0,0 0,1 1,1 1,0" << 4;
        QTest::newRow("the same cell sets nothing")
            << QStringList{"..X.. ..X..", "XXX.. XXX.."} << QList<int>{0, 0} << '.' << "" << 0;
        QTest::newRow("diagonal walls") << QStringList{"X........XXX. X........XXX;", //
                                                       ".......XXX... .......XXX;;;", //
                                                       ".....XXX..... .....XXX;;;;;", //
                                                       "...XXX....... ...XXX;;;;;;;", //
                                                       ".XXX........X .XXX;;;;;;;;X", //
                                                       "XX........XXX XX;;;;;;;;XXX", //
                                                       "........XXX.. ;;;;;;;;XXX..", //
                                                       "......XXX.... ;;;;;;XXX....", //
                                                       "....XXX...... ;;;;XXX......"}
                                        << QList<int>{6, 4} << ';' << "6,4" << 50;
        // the largest chamber, from its far corner, with no recursion in the walk
        QTest::newRow("largest chamber") << QStringList(30, QString(50, u'.') + ' ' + QString(50, u';'))
                                         << QList<int>{49, 29} << ';' << "49,29" << 1500;
    }
    void fill()
    {
        QFETCH(QStringList, pictures);
        QFETCH(QList<int>, start);
        QFETCH(char, c);
        QStringList before, after;
        for (const QString &row : pictures)
            before << row.section(u' ', 0, 0), after << row.section(u' ', 1, 1);
        const CaveRecord r = Stationery::caveFromRows(before, {}, {});
        const auto cells = DrawTools::FloodFillCells([&r](int x, int y) { return r.Map[x][y]; }, r.Width,
                                                     r.Height, start[0], start[1], c);
        QCOMPARE(painted(before, cells, c), after);
        QTEST(int(cells.size()), "count");
        QFETCH(QString, first);
        QCOMPARE(show(cells).left(first.size()), first);
        Cells expected;
        recursiveFill(before, start[0], start[1], c, expected);
        QCOMPARE(show(cells), show(expected));
    }
};

QTEST_APPLESS_MAIN(TestDrawTools)
#include "tst_drawtools.moc"
