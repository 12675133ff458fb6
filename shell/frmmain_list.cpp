#include "shell/frmmain.h"

#include "editor/frmcave.h"
#include "editor/frmsize.h"
#include "rules/collayout.h"
#include "shell/frmcol.h"
#include "store/defaultcave.h"
#include "store/modzorbel.h"
#include "store/setfile.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>

frmCol *frmMain::SetWindow()
{
    if (!m_col) {
        m_col = new frmCol(m_mdi, *this);
        QMdiSubWindow *sub = m_col->subWindow();
        sub->setWindowIcon(windowIcon());
        // The subwindow's frame around the window's inner 448 x 409.
        sub->resize(sub->sizeHint());
    }
    return m_col;
}

namespace {

// The size dialog offers the default chamber's size and has no cancel: whatever its boxes show when it
// goes is the size.
void askNewCaveSize(frmMain &m, int &width, int &height)
{
    frmSize *size = m.SizeDialog();
    size->txtUD(frmSize::HeightBox)->setText(QString::number(DefaultCaveHeight));
    size->txtUD(frmSize::WidthBox)->setText(QString::number(DefaultCaveWidth));
    size->exec();
    // The boxes' own ranges: the dialog settles them as it closes, this keeps any other text out.
    const auto answer = [size](int box) {
        return SpinRange::Clamp(SpinRange::LeadingNumber(size->txtUD(box)->text()), size->spin->range(box));
    };
    width = answer(frmSize::WidthBox);
    height = answer(frmSize::HeightBox);
}

} // namespace

std::vector<frmCave *> frmMain::BoundCavesFrom(int no)
{
    std::vector<frmCave *> from;
    for (frmCave *c : BoundCaves())
        if (c->CaveNo >= no)
            from.push_back(c);
    return from;
}

void frmMain::AddCave(int no)
{
    if (NumCaves >= JoinCaveLimit)
        return;
    // With no chamber selected (an empty set) the new chamber goes first, not to number 0.
    if (no < 1)
        no = 1;
    if (!StoreCaves(BoundCavesFrom(no), 1, QStringLiteral("Nová komnata proto nebyla přidána.")))
        return;
    NumCaves += 1;
    const int n = NumCaves;

    frmCol *col = SetWindow();
    col->CreateRow(n);
    col->update();
    col->SendSelToBack();
    col->SetCanvasHeight(n * ColLayout::RowHeight);
    col->Form_Resize();
    for (int k = n; k >= no + 1; --k)
        col->SetRowName(k, col->RowName(k - 1));
    col->SetRowName(no, QString());

    int width = 0, height = 0;
    askNewCaveSize(*this, width, height);
    const Result<QByteArray> cave = CaveToString(DefaultCave(width, height));
    // The default chamber always has a string: its texts are short and its size within the grid.
    Q_ASSERT(cave.ok());
    OpenCave(cave.value(), no);
    ShowCave(no);
    Changed = true;
}

void frmMain::DelCave(int no)
{
    if (NumCaves < 2)
        return;
    frmCave *freed = BoundCave(no);
    if (!StoreCaves(BoundCavesFrom(no + 1), -1, QStringLiteral("Komnata %1 proto nebyla smazána.").arg(no)))
        return;
    frmCol *col = SetWindow();
    for (int k = no; k <= NumCaves - 1; ++k)
        col->SetRowName(k, col->RowName(k + 1));
    if (freed) {
        freed->Tag = FreeTag;
        freed->hide();
    }
    col->DestroyRow(NumCaves);
    col->update();
    NumCaves -= 1;
    col->SetCanvasHeight(NumCaves * ColLayout::RowHeight);
    col->lblCName_Click(no);
    col->Form_Resize();
    Changed = true;
}

void frmMain::MoveCave(int no, int offset)
{
    const int t = no + offset;
    if (t > NumCaves || t < 1)
        return;
    frmCave *w1 = BoundCave(no);
    frmCave *w2 = BoundCave(t);
    // A number without a window would leave the list and the set apart; change nothing.
    if (!w1 || !w2)
        return;
    const auto strings =
        StorableCaves({w1, w2}, QStringLiteral("Komnata %1 proto nebyla přesunuta.").arg(no));
    if (!strings)
        return;
    w1->CaveNo = int16_t(t);
    w2->CaveNo = int16_t(no);
    frmCol *col = SetWindow();
    col->SetRowName(no, w2->CaveName);
    col->SetRowName(t, w1->CaveName);
    col->lblCName_Click(t);
    SaveCave(strings->at(0), t);
    SaveCave(strings->at(1), no);
    Changed = true;
}
