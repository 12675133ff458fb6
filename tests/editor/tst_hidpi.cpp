#include "editorfixture.h"

// On a screen of two device pixels to the logical pixel the surface holds
// its pictures at that density, not 26-pixel pictures scaled up.
class TestHiDpi : public QObject, FreshWindow<EditorFixture>
{
    Q_OBJECT
private slots:
    void init() { start(); }
    void cleanup() { reset(); }
    void surfaceTilesAtTheDevicePixelRatio()
    {
        frmCave *cave = f->show(filled(5, 5, ';'));
        QCOMPARE(cave->picCave->image().devicePixelRatio(), 2.0);
        QCOMPARE(cave->picCave->image().size(), QSize(5 * 52, 5 * 52));
        QVERIFY(cellShows(cave, 1, 1, w->imgS[1]->picture()));
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHiDpi t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_hidpi.moc"
