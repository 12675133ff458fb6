#pragma once

#include "rules/rollsteps.h"
#include "support/mainwindow.h"

#include <QMenu>

// The palette's groups in screen order ("Základní", "Zdi", "Tvorové", "Klíče"): the group, its header,
// its arrow and its frame.
struct PaletteGroup
{
    const char *box, *label, *arrow, *frame;
};
inline const PaletteGroup Groups[4] = {{"Picture8", "Label1", "Image1", "Shape3"},
                                       {"Picture9", "Label4", "Image3", "Shape4"},
                                       {"Picture10", "Label6", "Image2", "Shape5"},
                                       {"Picture11", "Label8", "Image4", "Shape6"}};
inline const QString Collapsed = QStringLiteral(":/pic/grp_collapsed.svg");
inline const QString Expanded = QStringLiteral(":/pic/grp_expanded.svg");
// The groups' tops with every group shut.
inline const QList<float> ShutTops = {100, 124, 148, 172};
// The stacks of butterflies (imgSDog(1)) and fireflies (imgSDog(2)): their first entry.
constexpr int ButterflyStack = 1, FireflyStack = 2, CatArrow = 3;
constexpr int FirstButterfly = 21, FirstFirefly = 17;

// A menu's items, "-" for a separator.
inline QStringList texts(const QList<QAction *> &actions)
{
    QStringList s;
    for (QAction *i : actions)
        s << (i->isSeparator() ? QStringLiteral("-") : i->text());
    return s;
}

// The main window with the palette's roll driven by hand.
struct FrameFixture : MainWindowFixture
{
    static QString entryPictureName(int n)
    {
        return QStringLiteral(":/pic/obj%1.svg").arg(n, 2, 10, QChar(u'0'));
    }
    // The roll timer's tag while group g grows, and while it shrinks.
    static QString growCode(int g) { return QString::number(Roll::FirstGroup + 2 * g); }
    static QString shrinkCode(int g) { return QString::number(Roll::FirstGroup + 2 * g + 1); }
    PictureBox *group(int g) const { return box(QLatin1String(Groups[g].box)); }
    ImageBox *arrow(int g) const { return image(QLatin1String(Groups[g].arrow)); }
    QWidget *header(int g) const { return control(QLatin1String(Groups[g].label)); }
    VbShape *frame(int g) const { return control<VbShape>(QLatin1String(Groups[g].frame)); }
    ImageBox *tool(int t) const { return image(QStringLiteral("imgTool(%1)").arg(t)); }
    // The arrows of the hero, the insect stacks and the cat; the insect stacks.
    ImageBox *dog(int i) const { return image(QStringLiteral("imgSDog(%1)").arg(i)); }
    PictureBox *stack(int i) const { return box(QStringLiteral("Picture7(%1)").arg(i)); }
    QByteArray tag(int button) const { return w->picSel[button]->Tag; }
    QString picturePath(int button) const { return w->picSel[button]->picture().path(); }
    // What the left and the right button carry: tag and picture of each.
    QStringList carried() const
    {
        return {QString::fromLatin1(tag(Vb::LeftButton)), picturePath(Vb::LeftButton),
                QString::fromLatin1(tag(Vb::RightButton)), picturePath(Vb::RightButton)};
    }

    // Runs the roll timer's ticks until the roll ends; the number of ticks.
    int rollToEnd(int limit = 50)
    {
        int ticks = 0;
        while (w->tmrRoll->Enabled() && ticks < limit) {
            w->tmrRoll_Timer();
            ++ticks;
        }
        return ticks;
    }

    // Opens every palette group, so that all entries can be pressed.
    void openAllGroups()
    {
        for (int g = 0; g < 4; ++g) {
            QTest::mouseClick(header(g), Qt::LeftButton);
            rollToEnd();
        }
    }

    QList<float> tops() const { return {group(0)->Top(), group(1)->Top(), group(2)->Top(), group(3)->Top()}; }
    // Each frame is as tall as its group and the groups keep the 7-pixel gap.
    void checkStacked() const
    {
        for (int g = 0; g < 4; ++g) {
            const PictureBox *box = group(g);
            QCOMPARE(frame(g)->Height(), box->Height());
            QCOMPARE(frame(g)->height(), box->height());
            if (g > 0) {
                const PictureBox *above = group(g - 1);
                QCOMPARE(box->Top(), above->Top() + above->Height() + 7);
                // Whole pixels keep the 7-pixel gap too, give or take rounding.
                QVERIFY(qAbs(box->y() - (above->y() + above->height()) - 7) <= 1);
            }
        }
    }

    // The entries an insect stack shows now.
    QList<int> shownEntries(int stack) const
    {
        const int first = stack == ButterflyStack ? FirstButterfly : FirstFirefly;
        QList<int> shown;
        for (int n = first; n < first + 4; ++n)
            if (entry(n)->isVisibleTo(w.get()))
                shown.append(n);
        return shown;
    }
};
