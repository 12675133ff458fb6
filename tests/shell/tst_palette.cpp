#include "tst_mainframe_fixture.h"

#include "common/cellchars.h"
#include "common/tools.h"

class TestPalette : public QObject, FreshWindow<FrameFixture>
{
    Q_OBJECT
private slots:
    void init() { start(); }
    void cleanup() { reset(); }
    void startUpState()
    {
        QCOMPARE(f->carried(), (QStringList{";", f->entryPictureName(1), ".", f->entryPictureName(0)}));
        QVERIFY(f->tag(frmMain::CloneBuffer).isEmpty());
        QVERIFY(w->picSel[frmMain::CloneBuffer]->picture().isNull());
        QVERIFY(!w->picSel[frmMain::CloneBuffer]->isVisibleTo(w));
        QCOMPARE(int(w->Nastroj), int(ToolPencil));
        QCOMPARE(int(w->Dil), int(frmMain::DefaultTileSize));
        QCOMPARE(w->Changed, false);
        QCOMPARE(f->entry(HeroObject)->Tag, QByteArray("1"));
        QCOMPARE(f->entry(HeroObject)->picture().path(), QStringLiteral(":/pic/hero1.svg"));
        QCOMPARE(f->tops(), ShutTops);
        for (int g = 0; g < 4; ++g) {
            QCOMPARE((QList{f->group(g)->Height(), float(f->group(g)->height()), f->frame(g)->Height()}),
                     (QList<float>{17, 17, 17}));
            QCOMPARE(f->arrow(g)->picture().path(), Collapsed);
        }
        QCOMPARE(f->dog(ButterflyStack)->picture(), f->dog(0)->picture());
        QCOMPARE(f->dog(FireflyStack)->picture(), f->dog(0)->picture());
        QCOMPARE(f->dog(CatArrow)->picture().path(), QStringLiteral(":/pic/catarrow.svg"));
        QCOMPARE(f->box("picObj")->Left(), 0.0f);
        QCOMPARE(f->image("imgList")->Top(), 0.0f);
        QCOMPARE(f->control<VbLabel>("Label2")->pos(), QPoint(9, 3));
        QCOMPARE(w->windowTitle(), QStringLiteral("Editor komnat"));
    }

    void entriesCarryTheirObjects()
    {
        for (int n = 0; n < ObjectCount; ++n) {
            ImageBox *e = f->entry(n);
            QCOMPARE(e->objectName(), QStringLiteral("imgS(%1)").arg(n));
            QCOMPARE(e->toolTip(), QString::fromUtf8(PaletteObjects[n].name));
            QCOMPARE(e->size(), QSize(28, 28));
            QVERIFY(!e->picture().isNull());
            QCOMPARE(e->isVisibleTo(w), n != BiomassObject);
            if (n != HeroObject) {
                QCOMPARE(e->Tag, QByteArray(1, PaletteObjects[n].cell));
                QCOMPARE(e->picture().path(), f->entryPictureName(n));
            }
        }
        // Places as the rows give them, inside the groups.
        QCOMPARE((QList{f->entry(3)->pos(), f->entry(15)->pos(), f->entry(16)->pos(), f->stack(3)->pos()}),
                 (QList<QPoint>{{6, 50}, {37, 112}, {6, 143}, {12, 174}}));
        QCOMPARE(f->entry(35)->parentWidget(), f->group(3));
        QCOMPARE(f->entry(33)->parentWidget(), f->stack(3));
        // A stack's topmost entry takes the press: the first of the butterflies and of the fireflies, + 1.
        f->openAllGroups();
        QCOMPARE(f->stack(ButterflyStack)->childAt(5, 5), f->entry(FirstButterfly));
        QCOMPARE(f->stack(FireflyStack)->childAt(5, 5), f->entry(FirstFirefly + 1));
    }

    void picking_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("button");
        QTest::addColumn<QByteArray>("left");
        QTest::addColumn<QByteArray>("right");
        QTest::newRow("left Kámen") << 2 << int(Qt::LeftButton) << QByteArray("R") << QByteArray(".");
        QTest::newRow("right Bedna") << 12 << int(Qt::RightButton) << QByteArray(";") << QByteArray("K");
        QTest::newRow("middle ignored") << 2 << int(Qt::MiddleButton) << QByteArray(";") << QByteArray(".");
        QTest::newRow("left hero") << HeroObject << int(Qt::LeftButton) << QByteArray("1") << QByteArray(".");
        QTest::newRow("right butterfly")
            << FirstButterfly << int(Qt::RightButton) << QByteArray(";") << QByteArray("U");
        QTest::newRow("left white key") << 35 << int(Qt::LeftButton) << QByteArray("$") << QByteArray(".");
        QTest::newRow("back button ignored")
            << 2 << int(Qt::BackButton) << QByteArray(";") << QByteArray(".");
    }

    void picking()
    {
        QFETCH(int, entry);
        QFETCH(int, button);
        f->openAllGroups();
        const Picture leftBefore = w->picSel[Vb::LeftButton]->picture();
        const Picture rightBefore = w->picSel[Vb::RightButton]->picture();
        QTest::mousePress(f->entry(entry), Qt::MouseButton(button), {}, QPoint(14, 14));
        // The pick happens on the press.
        QTEST(f->tag(Vb::LeftButton), "left");
        QTEST(f->tag(Vb::RightButton), "right");
        QTest::mouseRelease(f->entry(entry), Qt::MouseButton(button), {}, QPoint(14, 14));
        const Picture picked = f->entry(entry)->picture();
        QCOMPARE(w->picSel[Vb::LeftButton]->picture(), button == Qt::LeftButton ? picked : leftBefore);
        QCOMPARE(w->picSel[Vb::RightButton]->picture(), button == Qt::RightButton ? picked : rightBefore);
    }

    void swapTwice()
    {
        f->openAllGroups();
        QTest::mousePress(f->entry(30), Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mousePress(f->entry(30), Qt::RightButton, {}, QPoint(3, 3));
        QTest::mousePress(f->entry(5), Qt::LeftButton, {}, QPoint(3, 3));
        const QStringList xi = {"X", f->entryPictureName(5), "I", f->entryPictureName(30)};
        QCOMPARE(f->carried(), xi);
        QTest::mouseClick(f->image("Image5"), Qt::LeftButton);
        QCOMPARE(f->carried(), (QStringList{"I", f->entryPictureName(30), "X", f->entryPictureName(5)}));
        QTest::mouseClick(f->image("Image5"), Qt::LeftButton);
        QCOMPARE(f->carried(), xi);
        // Both buttons may carry the same object; swapping keeps it so.
        QTest::mousePress(f->entry(5), Qt::RightButton, {}, QPoint(3, 3));
        QTest::mouseClick(f->image("Image5"), Qt::LeftButton);
        QCOMPARE(f->carried(), (QStringList{"X", f->entryPictureName(5), "X", f->entryPictureName(5)}));
    }

    void heroMenu()
    {
        f->openAllGroups();
        QTest::mousePress(f->entry(HeroObject), Qt::LeftButton, {}, QPoint(3, 3));
        ImageBox *arrow = f->dog(0);
        QMenu *shown = nullptr;
        float arrowTopDuringMenu = 0;
        Vb::setPopupAnswerer([&](QMenu *m) {
            shown = m;
            arrowTopDuringMenu = arrow->Top();
            return m->actions().at(4); // the fifth
        });
        QTest::mouseClick(arrow, Qt::LeftButton, {}, QPoint(8, 8));
        QVERIFY(shown);
        QCOMPARE(shown->title(), QStringLiteral("Pes"));
        QCOMPARE(shown->actions().size(), 9);
        QCOMPARE(shown->actions().at(4)->text(), QStringLiteral("Zorbel &5"));
        QVERIFY(!shown->defaultAction());
        QCOMPARE(arrowTopDuringMenu, -28.0f);
        QCOMPARE(arrow->Top(), 0.0f);
        // The menu opens at the stack's top right corner in the client area
        // ("Tvorové" below the open "Základní" and "Zdi").
        QCOMPARE(f->group(2)->Top(), 375.0f);
        const QPoint corner(7 + 12 + 47, 57 + 375 + 19);
        QCOMPARE(Vb::lastPopupPosition(), w->centralWidget()->mapToGlobal(corner));

        QCOMPARE(f->entry(HeroObject)->Tag, QByteArray("5"));
        QCOMPARE(f->entry(HeroObject)->picture().path(), QStringLiteral(":/pic/hero5.svg"));
        QCOMPARE(f->entry(HeroObject)->toolTip(), QStringLiteral("Zorbel 1"));
        // The button object keeps its own copy.
        QCOMPARE(f->tag(Vb::LeftButton), QByteArray("1"));
        QCOMPARE(f->picturePath(Vb::LeftButton), QStringLiteral(":/pic/hero1.svg"));
        QTest::mousePress(f->entry(HeroObject), Qt::RightButton, {}, QPoint(3, 3));
        QCOMPARE(f->tag(Vb::RightButton), QByteArray("5"));

        // A variant outside 1..9 is refused rather than read beyond the pictures.
        w->mnuH_Click(0);
        w->mnuH_Click(10);
        QCOMPARE(f->entry(HeroObject)->Tag, QByteArray("5"));
    }

    void insectMenus_data()
    {
        QTest::addColumn<int>("stack");
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("defaultItem");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QByteArray>("tag");
        QTest::newRow("butterfly Nahoru") << ButterflyStack << 2 << "Dolu" << 23 << QByteArray("Z");
        QTest::newRow("butterfly Doleva") << ButterflyStack << 1 << "Dolu" << 22 << QByteArray("Y");
        QTest::newRow("butterfly Doprava") << ButterflyStack << 3 << "Dolu" << 24 << QByteArray("B");
        QTest::newRow("butterfly Dolu") << ButterflyStack << 4 << "Dolu" << 21 << QByteArray("U");
        QTest::newRow("firefly Doleva") << FireflyStack << 1 << "Doleva" << 18 << QByteArray("O");
        QTest::newRow("firefly Nahoru") << FireflyStack << 2 << "Doleva" << 19 << QByteArray("P");
        QTest::newRow("firefly Doprava") << FireflyStack << 3 << "Doleva" << 20 << QByteArray("Q");
        QTest::newRow("firefly Dolu") << FireflyStack << 4 << "Doleva" << 17 << QByteArray("F");
        // A first menu dismissed: the fireflies switch from O to F, the butterflies keep U.
        QTest::newRow("firefly dismissed") << FireflyStack << 0 << "Doleva" << 17 << QByteArray("F");
        QTest::newRow("butterfly dismissed") << ButterflyStack << 0 << "Dolu" << 21 << QByteArray("U");
    }

    void insectMenus()
    {
        QFETCH(int, stack);
        QFETCH(int, item);
        QFETCH(int, shown);
        f->openAllGroups();
        QCOMPARE(f->shownEntries(stack).size(), 4); // the whole stack before its first menu
        ImageBox *arrow = f->dog(stack);
        QString offeredDefault;
        Vb::setPopupAnswerer([&](QMenu *m) {
            offeredDefault = m->defaultAction() ? m->defaultAction()->text() : QString();
            return item ? m->actions().at(item - 1) : nullptr;
        });
        QTest::mouseClick(arrow, Qt::LeftButton, {}, QPoint(8, 8));
        QTEST(offeredDefault, "defaultItem");
        QCOMPARE(f->shownEntries(stack), QList<int>{shown});

        // The visible entry takes the press.
        QCOMPARE(f->stack(stack)->childAt(14, 14), f->entry(shown));
        QTest::mousePress(f->entry(shown), Qt::LeftButton, {}, QPoint(14, 14));
        QTEST(f->tag(Vb::LeftButton), "tag");
        QCOMPARE(w->picSel[Vb::LeftButton]->picture(), f->entry(shown)->picture());

        // Dismissed, the menu shows the stack's last direction again.
        Vb::setPopupAnswerer([](QMenu *) { return nullptr; });
        QTest::mouseClick(arrow, Qt::LeftButton, {}, QPoint(8, 8));
        QCOMPARE(f->shownEntries(stack), QList<int>{shown});
        QCOMPARE(arrow->Top(), 0.0f);
    }

    void catLeavesEverything()
    {
        f->openAllGroups();
        auto snapshot = [this] {
            QStringList s = f->carried() << QString::fromLatin1(f->tag(frmMain::CloneBuffer))
                                         << f->picturePath(frmMain::CloneBuffer);
            for (int n = 0; n < ObjectCount; ++n)
                s << QString::fromLatin1(f->entry(n)->Tag) << f->entry(n)->picture().path()
                  << QString::number(f->entry(n)->isVisibleTo(w));
            return s << QString::number(w->Nastroj) << QString::number(w->Changed);
        };
        const QStringList before = snapshot();
        bool popped = false;
        Vb::setPopupAnswerer([&](QMenu *) {
            popped = true;
            return nullptr;
        });
        QTest::mouseClick(f->dog(CatArrow), Qt::LeftButton, {}, QPoint(8, 8));
        QVERIFY(!popped);
        const Vb::MessageRequest meow{"Mňau!\r\n\r\nZatím nefunguje :-)", "Program kočky", Vb::MsgOkOnly,
                                      Vb::MsgInformation};
        QCOMPARE(user->messages, QList{meow});
        QCOMPARE(snapshot(), before);
        QCOMPARE(f->dog(CatArrow)->Top(), 0.0f);
    }

    void toolClicks_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<int>("left");
        QTest::addColumn<QString>("tip");
        QTest::newRow("pencil") << int(ToolPencil) << 0 << "Tužka";
        QTest::newRow("line") << int(ToolLine) << 32 << "Čára";
        QTest::newRow("clone") << int(ToolClone) << 128 << "Klonující tužka";
        QTest::newRow("rectangle") << int(ToolRectangle) << 64 << "Obdélník";
        QTest::newRow("fill") << int(ToolFill) << 96 << "Výplň";
    }

    void toolClicks()
    {
        QFETCH(int, tool);
        // Start from another tool so every row changes something.
        QTest::mouseClick(f->tool((tool + 1) % ToolCount), Qt::LeftButton, {}, QPoint(14, 14));
        ImageBox *button = f->tool(tool);
        QTEST(button->x(), "left");
        QTEST(button->toolTip(), "tip");
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(14, 14));
        QCOMPARE(int(w->Nastroj), tool);
        for (int i = 0; i < ToolCount; ++i)
            QCOMPARE(f->tool(i)->Top(), i == tool ? -28.0f : 0.0f);
        // A right click is no click.
        QTest::mouseClick(f->tool((tool + 2) % ToolCount), Qt::RightButton, {}, QPoint(14, 14));
        QCOMPARE(int(w->Nastroj), tool);
    }
};

QTEST_MAIN(TestPalette)
#include "tst_palette.moc"
