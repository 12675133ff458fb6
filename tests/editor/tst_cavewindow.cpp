#include "editorfixture.h"
#include "support/testsupport.h"

#include <QMdiSubWindow>

class TestCaveWindow : public QObject
{
    Q_OBJECT
private slots:
    void firstBindingTakesSlotOne()
    {
        auto m = makeMain();
        m->OpenCave(chamberString(DefaultCave()), 1);
        QCOMPARE(m->Caves(1)->Tag, QStringLiteral("1"));
        QCOMPARE(m->Caves(1)->CaveNo, int16_t(1));
        QCOMPARE(m->MaxCaveWindow, uint8_t(1));
        QVERIFY(!m->Caves(1)->Visible());
        QCOMPARE(m->CaveData[1], chamberString(DefaultCave()));
        QCOMPARE(m->Caves(1)->CaveName, QString::fromUtf8("Nepojmenovaná 19×11"));
    }

    void showPaintsColumnByColumn()
    {
        auto m = makeMain();
        m->OpenCave(chamberString(DefaultCave()), 1);
        m->ShowCave(1);
        frmCave *w = m->Caves(1);
        QVERIFY(w->Visible());
        QCOMPARE(w->picCave->size(), QSize(494, 286));
        QCOMPARE(w->Caption(), QString::fromUtf8("Komnata - Nepojmenovaná 19×11"));
        QVERIFY(w->picCave->hasImage());
    }
};

QTEST_MAIN(TestCaveWindow)
#include "tst_cavewindow.moc"
