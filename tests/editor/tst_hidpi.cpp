#include "editor/piccave.h"
#include "editorfixture.h"

#include <QPainter>

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
        const QImage &img = f->show(filled(5, 5, ';'))->picCave->image();
        QCOMPARE(img.devicePixelRatio(), 2.0);
        QCOMPARE(img.size(), QSize(5 * 52, 5 * 52));

        QImage expected(52, 52, QImage::Format_RGB32);
        expected.fill(Qt::black);
        QPainter(&expected).drawImage(0, 0, w->imgS[1]->picture().image(QSize(52, 52)));
        QImage cell = img.copy(52, 52, 52, 52).convertToFormat(QImage::Format_RGB32);
        cell.setDevicePixelRatio(1);
        QCOMPARE(cell, expected);
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
