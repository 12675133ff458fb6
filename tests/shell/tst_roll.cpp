#include "tst_mainframe_fixture.h"

#include "shell/rollsteps.h"

namespace {
const QStringList Groups = {"Picture8", "Picture9", "Picture10", "Picture11"};
const QStringList Labels = {"Label1", "Label4", "Label6", "Label8"};
const QStringList Arrows = {"Image1", "Image3", "Image2", "Image4"};
const QStringList Frames = {"Shape3", "Shape4", "Shape5", "Shape6"};
const QString Collapsed = QStringLiteral(":/pic/grp_collapsed.svg");
const QString Expanded = QStringLiteral(":/pic/grp_expanded.svg");
} // namespace

class TestRoll : public QObject
{
    Q_OBJECT
private slots:
    void headerOrArrowOpensAndShuts_data();
    void headerOrArrowOpensAndShuts();
    void firstTickOfZakladni();
    void reverseAndRepeat();
    void interruptedGroupShutsNext();
    void objectBar();
    void tagWithoutCode();

private:
    static QList<float> tops(const MainWindowFixture &f)
    {
        QList<float> t;
        for (const QString &g : Groups)
            t << f.box(g)->Top();
        return t;
    }
    static void checkStacked(const MainWindowFixture &f)
    {
        for (int g = 0; g < 4; ++g) {
            const PictureBox *box = f.box(Groups[g]);
            QCOMPARE(f.control<VbShape>(Frames[g])->Height(), box->Height());
            QCOMPARE(f.control<VbShape>(Frames[g])->height(), box->height());
            if (g > 0) {
                const PictureBox *above = f.box(Groups[g - 1]);
                QCOMPARE(box->Top(), above->Top() + above->Height() + 7);
                // Whole pixels keep the 7-pixel gap too, give or take rounding.
                QVERIFY(qAbs(box->y() - (above->y() + above->height()) - 7) <= 1);
            }
        }
    }
};

void TestRoll::headerOrArrowOpensAndShuts_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<bool>("arrow");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QList<float>>("openTops");
    QTest::newRow("Základní header") << 0 << false << 7 << QList<float>{100, 222, 246, 270};
    QTest::newRow("Základní arrow") << 0 << true << 7 << QList<float>{100, 222, 246, 270};
    QTest::newRow("Zdi header") << 1 << false << 7 << QList<float>{100, 124, 277, 301};
    QTest::newRow("Tvorové arrow") << 2 << true << 8 << QList<float>{100, 124, 148, 363};
    QTest::newRow("Tvorové header") << 2 << false << 8 << QList<float>{100, 124, 148, 363};
    QTest::newRow("Klíče arrow") << 3 << true << 7 << QList<float>{100, 124, 148, 172};
}

void TestRoll::headerOrArrowOpensAndShuts()
{
    QFETCH(int, group);
    QFETCH(bool, arrow);
    QFETCH(int, ticks);
    QFETCH(QList<float>, openTops);
    FrameFixture f;
    QWidget *target = arrow ? static_cast<QWidget *>(f.image(Arrows[group])) : f.control(Labels[group]);
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(4, 4));
    QCOMPARE(f.w->tmrRoll->Tag, QString::number(3 + 2 * group));
    QVERIFY(f.w->tmrRoll->Enabled());
    QCOMPARE(f.w->tmrRoll->interval(), 50);
    QCOMPARE(f.rollToEnd(), ticks);
    QCOMPARE(f.box(Groups[group])->Height(), Roll::GroupExpanded[group]);
    QCOMPARE(f.image(Arrows[group])->picture().path(), Expanded);
    QCOMPARE(tops(f), openTops);
    checkStacked(f);

    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(4, 4));
    QCOMPARE(f.w->tmrRoll->Tag, QString::number(4 + 2 * group));
    QCOMPARE(f.rollToEnd(), ticks);
    QCOMPARE(f.box(Groups[group])->Height(), 17.0f);
    QCOMPARE(f.image(Arrows[group])->picture().path(), Collapsed);
    QCOMPARE(tops(f), (QList<float>{100, 124, 148, 172}));
    checkStacked(f);
}

void TestRoll::firstTickOfZakladni()
{
    FrameFixture f;
    QTest::mouseClick(f.control("Label1"), Qt::LeftButton);
    // Nothing moves before the first tick.
    QCOMPARE(f.box("Picture8")->Height(), 17.0f);
    f.w->tmrRoll_Timer();
    QCOMPARE(f.box("Picture8")->Height(), 19.25f);
    QCOMPARE(f.box("Picture8")->height(), 19);
    QCOMPARE(f.image("Image1")->picture().path(), Expanded);
    QCOMPARE(tops(f), (QList<float>{100, 126.25f, 150.25f, 174.25f}));
    checkStacked(f);
    QVERIFY(f.w->tmrRoll->Enabled());
}

void TestRoll::reverseAndRepeat()
{
    FrameFixture f;
    QTest::mouseClick(f.control("Label6"), Qt::LeftButton);
    f.w->tmrRoll_Timer();
    f.w->tmrRoll_Timer();
    f.w->tmrRoll_Timer();
    const float partway = f.box("Picture10")->Height();
    QVERIFY(partway > 17 && partway < 208);

    // A click on an expanding group reverses it; the arrow turns on the next tick.
    QTest::mouseClick(f.control("Label6"), Qt::LeftButton);
    QCOMPARE(f.w->tmrRoll->Tag, QStringLiteral("8"));
    QCOMPARE(f.image("Image2")->picture().path(), Expanded);
    f.w->tmrRoll_Timer();
    QVERIFY(f.box("Picture10")->Height() < partway);
    QCOMPARE(f.image("Image2")->picture().path(), Collapsed);

    // A click on a collapsing group starts the same shrink again.
    QTest::mouseClick(f.image("Image2"), Qt::LeftButton, {}, QPoint(4, 4));
    QCOMPARE(f.w->tmrRoll->Tag, QStringLiteral("8"));
    f.rollToEnd();
    QCOMPARE(f.box("Picture10")->Height(), 17.0f);
    checkStacked(f);
}

void TestRoll::interruptedGroupShutsNext()
{
    FrameFixture f;
    QTest::mouseClick(f.control("Label1"), Qt::LeftButton);
    f.w->tmrRoll_Timer();
    f.w->tmrRoll_Timer();
    const float stopped = f.box("Picture8")->Height();
    const QList<float> stoppedTops = tops(f);

    // Another group's header takes the timer over; "Základní" stays where it was.
    QTest::mouseClick(f.control("Label8"), Qt::LeftButton);
    QCOMPARE(f.w->tmrRoll->Tag, QStringLiteral("9"));
    f.rollToEnd();
    QCOMPARE(f.box("Picture8")->Height(), stopped);
    QCOMPARE(tops(f), stoppedTops);
    QCOMPARE(f.box("Picture11")->Height(), 146.0f);

    // Part-way counts as expanded: its next header click shuts it.
    QTest::mouseClick(f.control("Label1"), Qt::LeftButton);
    QCOMPARE(f.w->tmrRoll->Tag, QStringLiteral("4"));
    f.rollToEnd();
    QCOMPARE(f.box("Picture8")->Height(), 17.0f);
    QCOMPARE(tops(f), (QList<float>{100, 124, 148, 172}));
}

void TestRoll::objectBar()
{
    FrameFixture f;
    PictureBox *bar = f.box("Picture1");
    PictureBox *obj = f.box("picObj");
    QWidget *mdi = f.control("MDIClient");
    QCOMPARE(bar->Width() * 15, 1500.0f);

    f.w->HideObjBar();
    QCOMPARE(f.w->tmrRoll->Tag, QStringLiteral("1"));
    int ticks = 0;
    while (f.w->tmrRoll->Enabled()) {
        f.w->tmrRoll_Timer();
        ++ticks;
        // The palette stays flush with the bar's right edge, in fractions and pixels.
        QCOMPARE(obj->Left() + obj->Width(), bar->ScaleWidth());
        QCOMPARE(obj->x() + obj->width(), bar->width());
        QCOMPARE(mdi->x(), bar->width());
    }
    QCOMPARE(ticks, 7);
    QCOMPARE(bar->Width() * 15, 45.0f);
    QCOMPARE(obj->Left(), -97.0f);

    f.w->ShowObjBar();
    QCOMPARE(f.w->tmrRoll->Tag, QStringLiteral("2"));
    QCOMPARE(f.rollToEnd(), 7);
    QCOMPARE(bar->Width() * 15, 1500.0f);
    QCOMPARE(obj->Left(), 0.0f);
    QCOMPARE(mdi->x(), 100);

    // A group's header during the bar's roll stops the bar where it is.
    f.w->HideObjBar();
    f.w->tmrRoll_Timer();
    const float partway = bar->Width();
    // The bar shows only the header's right end now.
    QTest::mouseClick(f.control("Label4"), Qt::LeftButton, {}, QPoint(50, 7));
    f.rollToEnd();
    QCOMPARE(bar->Width(), partway);
}

void TestRoll::tagWithoutCode()
{
    FrameFixture f;
    f.w->tmrRoll->Tag = QStringLiteral("x");
    f.w->tmrRoll->setEnabled(true);
    f.w->tmrRoll_Timer();
    QVERIFY(f.w->tmrRoll->Enabled());
    QCOMPARE(tops(f), (QList<float>{100, 124, 148, 172}));
    QCOMPARE(f.box("Picture1")->Width(), 100.0f);
    f.w->tmrRoll->setEnabled(false);
}

QTEST_MAIN(TestRoll)
#include "tst_roll.moc"
