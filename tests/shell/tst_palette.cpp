#include "tst_mainframe_fixture.h"

#include "common/cellchars.h"

class TestPalette : public QObject
{
    Q_OBJECT
private slots:
    void startUpState();
    void entriesCarryTheirObjects();
    void picking_data();
    void picking();
    void swapTwice();
    void heroMenu();
    void insectMenus_data();
    void insectMenus();
    void dismissedFirstMenu_data();
    void dismissedFirstMenu();
    void catLeavesEverything();
    void toolClicks_data();
    void toolClicks();
};

void TestPalette::startUpState()
{
    FrameFixture f;
    frmMain &w = *f.w;
    QCOMPARE(w.picSel[1]->Tag, QByteArray(";"));
    QCOMPARE(w.picSel[1]->picture().path(), entryPictureName(1));
    QCOMPARE(w.picSel[2]->Tag, QByteArray("."));
    QCOMPARE(w.picSel[2]->picture().path(), entryPictureName(0));
    QVERIFY(w.picSel[3]->Tag.isEmpty());
    QVERIFY(w.picSel[3]->picture().isNull());
    QVERIFY(!w.picSel[3]->isVisibleTo(&w));
    QCOMPARE(int(w.Nastroj), 0);
    QCOMPARE(int(w.Dil), 26);
    QCOMPARE(w.Changed, false);
    QCOMPARE(w.imgS[4]->Tag, QByteArray("1"));
    QCOMPARE(w.imgS[4]->picture().path(), QStringLiteral(":/pic/hero1.svg"));

    const QList<float> tops = {100, 124, 148, 172};
    const QStringList groups = {"Picture8", "Picture9", "Picture10", "Picture11"};
    const QStringList frames = {"Shape3", "Shape4", "Shape5", "Shape6"};
    const QStringList arrows = {"Image1", "Image3", "Image2", "Image4"};
    for (int g = 0; g < 4; ++g) {
        QCOMPARE(f.box(groups[g])->Height(), 17.0f);
        QCOMPARE(f.box(groups[g])->height(), 17);
        QCOMPARE(f.box(groups[g])->Top(), tops[g]);
        QCOMPARE(f.control<VbShape>(frames[g])->Height(), 17.0f);
        QCOMPARE(f.image(arrows[g])->picture().path(), QStringLiteral(":/pic/grp_collapsed.svg"));
    }
    QCOMPARE(f.image("imgSDog(1)")->picture(), f.image("imgSDog(0)")->picture());
    QCOMPARE(f.image("imgSDog(2)")->picture(), f.image("imgSDog(0)")->picture());
    QCOMPARE(f.image("imgSDog(3)")->picture().path(), QStringLiteral(":/pic/catarrow.svg"));
    QCOMPARE(f.box("Picture1")->Width(), 100.0f);
    QCOMPARE(f.box("picObj")->Left(), 0.0f);
    QCOMPARE(f.image("imgList")->Top(), 0.0f);
    QCOMPARE(f.control<VbLabel>("Label2")->pos(), QPoint(9, 3));
    QCOMPARE(w.windowTitle(), QStringLiteral("Editor komnat"));
}

void TestPalette::entriesCarryTheirObjects()
{
    FrameFixture f;
    for (int n = 0; n < ObjectCount; ++n) {
        ImageBox *e = f.entry(n);
        QCOMPARE(e->objectName(), QStringLiteral("imgS(%1)").arg(n));
        QCOMPARE(e->toolTip(), QString::fromUtf8(PaletteObjects[n].name));
        QCOMPARE(e->size(), QSize(28, 28));
        QVERIFY(!e->picture().isNull());
        QCOMPARE(e->isVisibleTo(f.w.get()), n != BiomassObject);
        if (n != HeroObject) {
            QCOMPARE(e->Tag, QByteArray(1, PaletteObjects[n].cell));
            QCOMPARE(e->picture().path(), entryPictureName(n));
        }
    }
    // Places as the rows give them, inside the groups.
    QCOMPARE(f.entry(3)->pos(), QPoint(6, 50));
    QCOMPARE(f.entry(15)->pos(), QPoint(37, 112));
    QCOMPARE(f.entry(35)->parentWidget()->objectName(), QStringLiteral("Picture11"));
    QCOMPARE(f.entry(16)->pos(), QPoint(6, 143));
    QCOMPARE(f.box("Picture7(3)")->pos(), QPoint(12, 174));
    QCOMPARE(f.entry(33)->parentWidget()->objectName(), QStringLiteral("Picture7(3)"));
    // A stack's topmost entry takes the press: 21 of the butterflies, 18 of the fireflies.
    f.openAllGroups();
    QCOMPARE(f.box("Picture7(1)")->childAt(5, 5), f.entry(21));
    QCOMPARE(f.box("Picture7(2)")->childAt(5, 5), f.entry(18));
}

void TestPalette::picking_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("button");
    QTest::addColumn<QByteArray>("left");
    QTest::addColumn<QByteArray>("right");
    QTest::newRow("left Kámen") << 2 << int(Qt::LeftButton) << QByteArray("R") << QByteArray(".");
    QTest::newRow("right Bedna") << 12 << int(Qt::RightButton) << QByteArray(";") << QByteArray("K");
    QTest::newRow("middle ignored") << 2 << int(Qt::MiddleButton) << QByteArray(";") << QByteArray(".");
    QTest::newRow("left hero") << 4 << int(Qt::LeftButton) << QByteArray("1") << QByteArray(".");
    QTest::newRow("right butterfly") << 21 << int(Qt::RightButton) << QByteArray(";") << QByteArray("U");
    QTest::newRow("left white key") << 35 << int(Qt::LeftButton) << QByteArray("$") << QByteArray(".");
    QTest::newRow("back button ignored") << 2 << int(Qt::BackButton) << QByteArray(";") << QByteArray(".");
}

void TestPalette::picking()
{
    QFETCH(int, entry);
    QFETCH(int, button);
    QFETCH(QByteArray, left);
    QFETCH(QByteArray, right);
    FrameFixture f;
    f.openAllGroups();
    const Picture leftBefore = f.w->picSel[1]->picture();
    const Picture rightBefore = f.w->picSel[2]->picture();
    QTest::mousePress(f.entry(entry), Qt::MouseButton(button), {}, QPoint(14, 14));
    // The pick happens on the press.
    QCOMPARE(f.w->picSel[1]->Tag, left);
    QCOMPARE(f.w->picSel[2]->Tag, right);
    QTest::mouseRelease(f.entry(entry), Qt::MouseButton(button), {}, QPoint(14, 14));
    const Picture picked = f.entry(entry)->picture();
    QCOMPARE(f.w->picSel[1]->picture(), button == Qt::LeftButton ? picked : leftBefore);
    QCOMPARE(f.w->picSel[2]->picture(), button == Qt::RightButton ? picked : rightBefore);
}

void TestPalette::swapTwice()
{
    FrameFixture f;
    f.openAllGroups();
    QTest::mousePress(f.entry(30), Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mousePress(f.entry(30), Qt::RightButton, {}, QPoint(3, 3));
    QTest::mousePress(f.entry(5), Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(f.w->picSel[1]->Tag, QByteArray("X"));
    QCOMPARE(f.w->picSel[2]->Tag, QByteArray("I"));

    QTest::mouseClick(f.image("Image5"), Qt::LeftButton);
    QCOMPARE(f.w->picSel[1]->Tag, QByteArray("I"));
    QCOMPARE(f.w->picSel[1]->picture().path(), entryPictureName(30));
    QCOMPARE(f.w->picSel[2]->Tag, QByteArray("X"));
    QCOMPARE(f.w->picSel[2]->picture().path(), entryPictureName(5));
    QTest::mouseClick(f.image("Image5"), Qt::LeftButton);
    QCOMPARE(f.w->picSel[1]->Tag, QByteArray("X"));
    QCOMPARE(f.w->picSel[1]->picture().path(), entryPictureName(5));
    QCOMPARE(f.w->picSel[2]->Tag, QByteArray("I"));
    QCOMPARE(f.w->picSel[2]->picture().path(), entryPictureName(30));

    // Both buttons may carry the same object; swapping keeps it so.
    QTest::mousePress(f.entry(5), Qt::RightButton, {}, QPoint(3, 3));
    QTest::mouseClick(f.image("Image5"), Qt::LeftButton);
    QCOMPARE(f.w->picSel[1]->Tag, QByteArray("X"));
    QCOMPARE(f.w->picSel[2]->Tag, QByteArray("X"));
}

void TestPalette::heroMenu()
{
    FrameFixture f;
    f.openAllGroups();
    QTest::mousePress(f.entry(4), Qt::LeftButton, {}, QPoint(3, 3));

    QMenu *shown = nullptr;
    float arrowTopDuringMenu = 0;
    Vb::setPopupAnswerer([&](QMenu *m) {
        shown = m;
        arrowTopDuringMenu = f.image("imgSDog(0)")->Top();
        QAction *fifth = m->actions().at(4);
        return fifth;
    });
    QTest::mouseClick(f.image("imgSDog(0)"), Qt::LeftButton, {}, QPoint(8, 8));
    QVERIFY(shown);
    QCOMPARE(shown->title(), QStringLiteral("Pes"));
    QCOMPARE(shown->actions().size(), 9);
    QCOMPARE(shown->actions().at(4)->text(), QStringLiteral("Zorbel &5"));
    QVERIFY(!shown->defaultAction());
    QCOMPARE(arrowTopDuringMenu, -28.0f);
    QCOMPARE(f.image("imgSDog(0)")->Top(), 0.0f);
    // The menu opens at the stack's top right corner in the client area
    // ("Tvorové" below the open "Základní" and "Zdi").
    QCOMPARE(f.box("Picture10")->Top(), 375.0f);
    const QPoint corner(7 + 12 + 47, 57 + 375 + 19);
    QCOMPARE(Vb::lastPopupPosition(), f.w->centralWidget()->mapToGlobal(corner));

    QCOMPARE(f.entry(4)->Tag, QByteArray("5"));
    QCOMPARE(f.entry(4)->picture().path(), QStringLiteral(":/pic/hero5.svg"));
    QCOMPARE(f.entry(4)->toolTip(), QStringLiteral("Zorbel 1"));
    // The button object keeps its own copy.
    QCOMPARE(f.w->picSel[1]->Tag, QByteArray("1"));
    QCOMPARE(f.w->picSel[1]->picture().path(), QStringLiteral(":/pic/hero1.svg"));
    QTest::mousePress(f.entry(4), Qt::RightButton, {}, QPoint(3, 3));
    QCOMPARE(f.w->picSel[2]->Tag, QByteArray("5"));

    // A variant outside 1..9 is refused rather than read beyond the pictures.
    f.w->mnuH_Click(0);
    f.w->mnuH_Click(10);
    QCOMPARE(f.entry(4)->Tag, QByteArray("5"));
}

void TestPalette::insectMenus_data()
{
    QTest::addColumn<int>("stack");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("defaultItem");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QByteArray>("tag");
    QTest::newRow("butterfly Nahoru") << 1 << 2 << "Dolu" << 23 << QByteArray("Z");
    QTest::newRow("butterfly Doleva") << 1 << 1 << "Dolu" << 22 << QByteArray("Y");
    QTest::newRow("butterfly Doprava") << 1 << 3 << "Dolu" << 24 << QByteArray("B");
    QTest::newRow("butterfly Dolu") << 1 << 4 << "Dolu" << 21 << QByteArray("U");
    QTest::newRow("firefly Doleva") << 2 << 1 << "Doleva" << 18 << QByteArray("O");
    QTest::newRow("firefly Nahoru") << 2 << 2 << "Doleva" << 19 << QByteArray("P");
    QTest::newRow("firefly Doprava") << 2 << 3 << "Doleva" << 20 << QByteArray("Q");
    QTest::newRow("firefly Dolu") << 2 << 4 << "Doleva" << 17 << QByteArray("F");
}

void TestPalette::insectMenus()
{
    QFETCH(int, stack);
    QFETCH(int, item);
    QFETCH(QString, defaultItem);
    QFETCH(int, shown);
    QFETCH(QByteArray, tag);
    FrameFixture f;
    f.openAllGroups();
    const int first = stack == 1 ? 21 : 17;
    ImageBox *arrow = f.image(QStringLiteral("imgSDog(%1)").arg(stack));

    QString offeredDefault;
    Vb::setPopupAnswerer([&](QMenu *m) {
        offeredDefault = m->defaultAction() ? m->defaultAction()->text() : QString();
        return m->actions().at(item - 1);
    });
    QTest::mouseClick(arrow, Qt::LeftButton, {}, QPoint(8, 8));
    QCOMPARE(offeredDefault, defaultItem);
    QCOMPARE(f.shownEntries(first), QList<int>{shown});

    // The visible entry takes the press.
    QWidget *stackBox = arrow->parentWidget();
    QCOMPARE(stackBox->childAt(14, 14), f.entry(shown));
    QTest::mousePress(f.entry(shown), Qt::LeftButton, {}, QPoint(14, 14));
    QCOMPARE(f.w->picSel[1]->Tag, tag);
    QCOMPARE(f.w->picSel[1]->picture(), f.entry(shown)->picture());

    // Dismissed, the menu shows the stack's last direction again.
    Vb::setPopupAnswerer([](QMenu *) { return nullptr; });
    QTest::mouseClick(arrow, Qt::LeftButton, {}, QPoint(8, 8));
    QCOMPARE(f.shownEntries(first), QList<int>{shown});
    QCOMPARE(arrow->Top(), 0.0f);
}

void TestPalette::dismissedFirstMenu_data()
{
    QTest::addColumn<int>("stack");
    QTest::addColumn<QList<int>>("before");
    QTest::addColumn<int>("after");
    QTest::newRow("fireflies switch from O to F") << 2 << QList<int>{17, 18, 19, 20} << 17;
    QTest::newRow("butterflies keep U") << 1 << QList<int>{21, 22, 23, 24} << 21;
}

void TestPalette::dismissedFirstMenu()
{
    QFETCH(int, stack);
    QFETCH(QList<int>, before);
    QFETCH(int, after);
    FrameFixture f;
    f.openAllGroups();
    const int first = stack == 1 ? 21 : 17;
    QCOMPARE(f.shownEntries(first), before);
    Vb::setPopupAnswerer([](QMenu *) { return nullptr; });
    QTest::mouseClick(f.image(QStringLiteral("imgSDog(%1)").arg(stack)), Qt::LeftButton, {}, QPoint(8, 8));
    QCOMPARE(f.shownEntries(first), QList<int>{after});
}

void TestPalette::catLeavesEverything()
{
    FrameFixture f;
    f.openAllGroups();
    auto snapshot = [&f] {
        QStringList s;
        for (int b = 1; b <= 3; ++b)
            s << QString::fromLatin1(f.w->picSel[b]->Tag) << f.w->picSel[b]->picture().path();
        for (int n = 0; n < ObjectCount; ++n)
            s << QString::fromLatin1(f.entry(n)->Tag) << f.entry(n)->picture().path()
              << QString::number(f.entry(n)->isVisibleTo(f.w.get()));
        s << QString::number(f.w->Nastroj) << QString::number(f.w->Changed);
        return s;
    };
    const QStringList before = snapshot();
    bool popped = false;
    Vb::setPopupAnswerer([&](QMenu *) {
        popped = true;
        return nullptr;
    });
    QTest::mouseClick(f.image("imgSDog(3)"), Qt::LeftButton, {}, QPoint(8, 8));
    QVERIFY(!popped);
    QCOMPARE(f.user.messages.size(), 1);
    const Vb::MessageRequest &m = f.user.messages.first();
    QCOMPARE(m.text, QStringLiteral("Mňau!\r\n\r\nZatím nefunguje :-)"));
    QCOMPARE(m.title, QStringLiteral("Program kočky"));
    QCOMPARE(m.icon, Vb::MsgInformation);
    QCOMPARE(m.buttons, Vb::MsgOkOnly);
    QCOMPARE(snapshot(), before);
    QCOMPARE(f.image("imgSDog(3)")->Top(), 0.0f);
}

void TestPalette::toolClicks_data()
{
    QTest::addColumn<int>("tool");
    QTest::addColumn<int>("left");
    QTest::addColumn<QString>("tip");
    QTest::newRow("pencil") << 0 << 0 << "Tužka";
    QTest::newRow("line") << 1 << 32 << "Čára";
    QTest::newRow("clone") << 2 << 128 << "Klonující tužka";
    QTest::newRow("rectangle") << 3 << 64 << "Obdélník";
    QTest::newRow("fill") << 4 << 96 << "Výplň";
}

void TestPalette::toolClicks()
{
    QFETCH(int, tool);
    QFETCH(int, left);
    QFETCH(QString, tip);
    FrameFixture f;
    // Start from another tool so every row changes something.
    QTest::mouseClick(f.image(QStringLiteral("imgTool(%1)").arg((tool + 1) % 5)), Qt::LeftButton, {},
                      QPoint(14, 14));
    ImageBox *button = f.image(QStringLiteral("imgTool(%1)").arg(tool));
    QCOMPARE(button->x(), left);
    QCOMPARE(button->toolTip(), tip);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(14, 14));
    QCOMPARE(int(f.w->Nastroj), tool);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(f.image(QStringLiteral("imgTool(%1)").arg(i))->Top(), i == tool ? -28.0f : 0.0f);
    // A right click is no click.
    QTest::mouseClick(f.image(QStringLiteral("imgTool(%1)").arg((tool + 2) % 5)), Qt::RightButton, {},
                      QPoint(14, 14));
    QCOMPARE(int(f.w->Nastroj), tool);
}

QTEST_MAIN(TestPalette)
#include "tst_palette.moc"
