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
        const uint8_t before = m->MaxCaveWindow; // the template set's windows
        m->OpenCave(chamberString(DefaultCave()), 1);
        QCOMPARE(m->Caves(1)->Tag, QStringLiteral("1"));
        QCOMPARE(m->Caves(1)->CaveNo, int16_t(1));
        QCOMPARE(m->MaxCaveWindow, std::max<uint8_t>(before, 1));
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

    // ZB_GRAB_DIR=path writes a grab of a painted 50 by 30 chamber there.
    void grabLargestChamber()
    {
        const QString dir = qEnvironmentVariable("ZB_GRAB_DIR");
        if (dir.isEmpty())
            QSKIP("set ZB_GRAB_DIR to grab");
        auto m = makeMain();
        m->resize(1400, 900);
        CaveRecord r = DefaultCave(50, 30);
        const char objects[] = ".RDXWAMKESLFBI#%&$:JGN";
        for (int x = 1; x < 49; ++x)
            for (int y = 1; y < 29; ++y)
                if ((x * 7 + y * 3) % 5 == 0)
                    r.Map[x][y] = objects[(x + y) % (sizeof objects - 1)];
        r.Map[10][10] = '7';
        m->OpenCave(chamberString(r), 1);
        m->ShowCave(1);
        frmCave *w = m->Caves(1);
        w->subWindow()->resize(1340, 840);
        QCoreApplication::processEvents();
        QVERIFY(w->subWindow()->grab().save(dir + QStringLiteral("/chamber-window.png")));
        w->imgBCave_Click(1);
        QVERIFY(w->subWindow()->grab().save(dir + QStringLiteral("/chamber-props.png")));
    }
};

QTEST_MAIN(TestCaveWindow)
#include "tst_cavewindow.moc"
