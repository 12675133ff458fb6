#include "tst_mainframe_fixture.h"

class TestRoll : public QObject, FreshWindow<FrameFixture>
{
    Q_OBJECT
private slots:
    void init() { start(); }
    void cleanup() { reset(); }
    // The roll's steps and tick counts are Roll's; the window shows each step and stops when it ends.
    void headerOrArrowOpensAndShuts_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<bool>("arrow");
        QTest::addColumn<QList<float>>("openTops");
        QTest::newRow("Základní header") << 0 << false << QList<float>{100, 222, 246, 270};
        QTest::newRow("Základní arrow") << 0 << true << QList<float>{100, 222, 246, 270};
        QTest::newRow("Zdi header") << 1 << false << QList<float>{100, 124, 277, 301};
        QTest::newRow("Tvorové arrow") << 2 << true << QList<float>{100, 124, 148, 363};
        QTest::newRow("Tvorové header") << 2 << false << QList<float>{100, 124, 148, 363};
        QTest::newRow("Klíče arrow") << 3 << true << QList<float>{100, 124, 148, 172};
    }

    void headerOrArrowOpensAndShuts()
    {
        QFETCH(int, group);
        QFETCH(bool, arrow);
        QWidget *target = arrow ? static_cast<QWidget *>(f->arrow(group)) : f->header(group);
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(4, 4));
        QCOMPARE(w->tmrRoll->Tag, f->growCode(group));
        QVERIFY(w->tmrRoll->Enabled());
        QCOMPARE(w->tmrRoll->interval(), 50);
        QCOMPARE(f->group(group)->Height(), Roll::GroupCollapsed); // nothing moves before the first tick
        w->tmrRoll_Timer();
        const float first = Roll::GroupStep(Roll::GroupCollapsed, true, Roll::GroupExpanded[group]).value;
        QCOMPARE(f->group(group)->Height(), first);
        QCOMPARE(f->group(group)->height(), qRound(first));
        QCOMPARE(f->arrow(group)->picture().path(), Expanded);
        f->checkStacked();
        QVERIFY(w->tmrRoll->Enabled());
        QVERIFY(f->rollToEnd() < 50);
        QCOMPARE(f->group(group)->Height(), Roll::GroupExpanded[group]);
        QCOMPARE(f->arrow(group)->picture().path(), Expanded);
        QTEST(f->tops(), "openTops");
        f->checkStacked();

        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(4, 4));
        QCOMPARE(w->tmrRoll->Tag, f->shrinkCode(group));
        QVERIFY(f->rollToEnd() < 50);
        QCOMPARE(f->group(group)->Height(), Roll::GroupCollapsed);
        QCOMPARE(f->arrow(group)->picture().path(), Collapsed);
        QCOMPARE(f->tops(), ShutTops);
        f->checkStacked();
    }

    void reverseAndRepeat()
    {
        QTest::mouseClick(f->header(2), Qt::LeftButton);
        f->rollToEnd(3);
        const float partway = f->group(2)->Height();
        QVERIFY(partway > 17 && partway < 208);

        // A click on an expanding group reverses it; the arrow turns on the next tick.
        QTest::mouseClick(f->header(2), Qt::LeftButton);
        QCOMPARE(w->tmrRoll->Tag, f->shrinkCode(2));
        QCOMPARE(f->arrow(2)->picture().path(), Expanded);
        w->tmrRoll_Timer();
        QVERIFY(f->group(2)->Height() < partway);
        QCOMPARE(f->arrow(2)->picture().path(), Collapsed);

        // A click on a collapsing group starts the same shrink again.
        QTest::mouseClick(f->arrow(2), Qt::LeftButton, {}, QPoint(4, 4));
        QCOMPARE(w->tmrRoll->Tag, f->shrinkCode(2));
        f->rollToEnd();
        QCOMPARE(f->group(2)->Height(), Roll::GroupCollapsed);
        f->checkStacked();
    }

    void interruptedGroupShutsNext()
    {
        QTest::mouseClick(f->header(0), Qt::LeftButton);
        f->rollToEnd(2);
        const float stopped = f->group(0)->Height();
        const QList<float> stoppedTops = f->tops();

        // Another group's header takes the timer over; "Základní" stays where it was.
        QTest::mouseClick(f->header(3), Qt::LeftButton);
        QCOMPARE(w->tmrRoll->Tag, f->growCode(3));
        f->rollToEnd();
        QCOMPARE(f->group(0)->Height(), stopped);
        QCOMPARE(f->tops(), stoppedTops);
        QCOMPARE(f->group(3)->Height(), 146.0f);

        // Part-way counts as expanded: its next header click shuts it.
        QTest::mouseClick(f->header(0), Qt::LeftButton);
        QCOMPARE(w->tmrRoll->Tag, f->shrinkCode(0));
        f->rollToEnd();
        QCOMPARE(f->group(0)->Height(), Roll::GroupCollapsed);
        QCOMPARE(f->tops(), ShutTops);
    }

    void objectBar()
    {
        PictureBox *bar = f->box("Picture1");
        PictureBox *obj = f->box("picObj");
        QWidget *mdi = f->control("MDIClient");
        QCOMPARE(bar->Width() * 15, 1500.0f);

        w->HideObjBar();
        QCOMPARE(w->tmrRoll->Tag, QString::number(Roll::HideBar));
        for (int ticks = 0; w->tmrRoll->Enabled() && ticks < 50; ++ticks) {
            w->tmrRoll_Timer();
            // The palette stays flush with the bar's right edge, in fractions and pixels.
            QCOMPARE(obj->Left() + obj->Width(), bar->ScaleWidth());
            QCOMPARE(obj->x() + obj->width(), bar->width());
            QCOMPARE(mdi->x(), bar->width());
        }
        QCOMPARE(bar->Width() * 15, 45.0f);
        QCOMPARE(obj->Left(), -97.0f);

        w->ShowObjBar();
        QCOMPARE(w->tmrRoll->Tag, QString::number(Roll::ShowBar));
        QVERIFY(f->rollToEnd() < 50);
        QCOMPARE(bar->Width() * 15, 1500.0f);
        QCOMPARE(obj->Left(), 0.0f);
        QCOMPARE(mdi->x(), 100);

        // A group's header during the bar's roll stops the bar where it is.
        w->HideObjBar();
        w->tmrRoll_Timer();
        const float partway = bar->Width();
        // The bar shows only the header's right end now.
        QTest::mouseClick(f->header(1), Qt::LeftButton, {}, QPoint(50, 7));
        f->rollToEnd();
        QCOMPARE(bar->Width(), partway);
    }

    void tagWithoutCode()
    {
        w->tmrRoll->Tag = QStringLiteral("x");
        w->tmrRoll->setEnabled(true);
        w->tmrRoll_Timer();
        QVERIFY(w->tmrRoll->Enabled());
        QCOMPARE(f->tops(), ShutTops);
        QCOMPARE(f->box("Picture1")->Width(), 100.0f);
        w->tmrRoll->setEnabled(false);
    }
};

QTEST_MAIN(TestRoll)
#include "tst_roll.moc"
