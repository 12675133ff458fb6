// The main window's palette and button objects, its tool bar and the roll animations of the object bar,
// the palette's groups and the set window's sheet.
#include "shell/frmmain.h"

#include "common/cellchars.h"
#include "rules/palettelayout.h"
#include "rules/rollsteps.h"
#include "shell/frmcol.h"
#include "toolkit/msgbox.h"
#include "toolkit/vbevents.h"

#include <QMenu>

#include <cmath>

// ---- palette and button objects ----

void frmMain::imgS_MouseDown(int Index, int Button, int, float, float)
{
    // Only the left and the right button carry an object; a press of any
    // other button (middle, or one without a number) picks nothing.
    if (Button != Vb::LeftButton && Button != Vb::RightButton)
        return;
    picSel[Button]->setPicture(imgS[Index]->picture());
    picSel[Button]->Tag = imgS[Index]->Tag;
}

void frmMain::Image5_Click()
{
    ImageBox *left = picSel[Vb::LeftButton];
    ImageBox *right = picSel[Vb::RightButton];
    const Picture picture = left->picture();
    const QByteArray tag = left->Tag;
    left->setPicture(right->picture());
    left->Tag = right->Tag;
    right->setPicture(picture);
    right->Tag = tag;
}

void frmMain::mnuH_Click(int Index)
{
    if (Index < 1 || Index > 9)
        return;
    imgS[HeroObject]->setPicture(imgZor[Index]);
    imgS[HeroObject]->Tag = QByteArray::number(Index);
}

void frmMain::mnuI_Click(int Index)
{
    mnuInsectTag = QString::number(Index);
}

void frmMain::imgSDog_Click(int Index)
{
    using namespace PaletteLayout;
    imgSDog[Index]->showPressed(true, ButtonFrame);
    PictureBox *creatures = m_group[Creatures];
    const QPoint at(qRound(creatures->Left() + Picture7[Index]->Left() + Picture7[Index]->Width()),
                    qRound(picTools->Height() + creatures->Top() + Picture7[Index]->Top()));
    const QPoint global = m_client->mapToGlobal(at);

    if (Index == HeroStack) {
        Vb::PopupMenu(mnuDog, global);
    } else if (Index == ButterflyStack || Index == FireflyStack) {
        const int dir = Index == ButterflyStack ? 0 : 1;
        mnuInsectTag = QString::number(InsectDir[dir]);
        Vb::PopupMenu(mnuInsect, global, Index == ButterflyStack ? mnuI[4] : mnuI[1]);
        for (int n : Stacks[Index].entries)
            imgS[n]->hide();
        const int d = static_cast<int>(std::nearbyint(mnuInsectTag.toDouble()));
        imgS[Index == ButterflyStack ? ButterflyEntry(d) : FireflyEntry(d)]->show();
        InsectDir[dir] = static_cast<uint8_t>(d);
    } else if (Index == CatStack) {
        Vb::MsgBox(QStringLiteral("Mňau!\r\n\r\nZatím nefunguje :-)"), Vb::MsgOkOnly, Vb::MsgInformation,
                   QStringLiteral("Program kočky"), this);
    }
    imgSDog[Index]->showPressed(false, ButtonFrame);
}

// ---- tool bar ----

void frmMain::imgTool_Click(int Index)
{
    for (ImageBox *button : imgTool)
        button->showPressed(false, ButtonFrame);
    imgTool[Index]->showPressed(true, ButtonFrame);
    Nastroj = static_cast<uint8_t>(Index);
    ShowCloneMarkers(Index == ToolClone);
}

// ---- roll animations ----

void frmMain::startRoll(int code)
{
    tmrRoll->Tag = QString::number(code);
    tmrRoll->setEnabled(true);
}

void frmMain::stopRoll()
{
    tmrRoll->setEnabled(false);
}

bool frmMain::rollRunning() const
{
    return tmrRoll && tmrRoll->Enabled();
}

void frmMain::Label1_Click()
{
    startRoll(Roll::HeaderCode(0, m_group[0]->Height()));
}
void frmMain::Label4_Click()
{
    startRoll(Roll::HeaderCode(1, m_group[1]->Height()));
}
void frmMain::Label6_Click()
{
    startRoll(Roll::HeaderCode(2, m_group[2]->Height()));
}
void frmMain::Label8_Click()
{
    startRoll(Roll::HeaderCode(3, m_group[3]->Height()));
}
void frmMain::Image1_Click()
{
    Label1_Click();
}
void frmMain::Image3_Click()
{
    Label4_Click();
}
void frmMain::Image2_Click()
{
    Label6_Click();
}
void frmMain::Image4_Click()
{
    Label8_Click();
}

void frmMain::ShowObjBar()
{
    startRoll(Roll::ShowBar);
}

void frmMain::HideObjBar()
{
    startRoll(Roll::HideBar);
}

void frmMain::tmrRoll_Timer()
{
    // The code is read once: a step that writes a new one acts next tick.
    const int code = Roll::CodeOf(tmrRoll->Tag);
    if (code == Roll::HideBar || code == Roll::ShowBar)
        barRollStep(code);
    else if (Roll::IsGroupCode(code))
        groupRollStep(code);
    else if (code == Roll::SheetDown || code == Roll::SheetUp)
        SetWindow()->SheetRollStep(code);
}

void frmMain::groupRollStep(int code)
{
    const int g = Roll::GroupOfCode(code);
    const bool grow = Roll::GroupCodeGrows(code);
    const Roll::Step step = Roll::GroupStep(m_group[g]->Height(), grow, Roll::GroupExpanded[g]);
    m_group[g]->setHeight(step.value);
    if (step.done)
        tmrRoll->setEnabled(false);
    m_groupFrame[g]->setHeight(m_group[g]->Height());
    m_groupArrow[g]->setPicture(grow ? imgA2 : imgA1);
    std::array<float, 4> tops{}, heights{};
    for (int k = 0; k < 4; ++k) {
        tops[k] = m_group[k]->Top();
        heights[k] = m_group[k]->Height();
    }
    Roll::Restack(tops, heights, g + 1);
    for (int k = g + 1; k < 4; ++k)
        m_group[k]->setTop(tops[k]);
}

void frmMain::barRollStep(int code)
{
    const float twips = Picture1->Width() * Roll::TwipsPerPixel;
    const Roll::Step step =
        Roll::BarStep(twips, code == Roll::ShowBar, picObj->Width() * Roll::TwipsPerPixel);
    Picture1->setWidth(step.value / Roll::TwipsPerPixel);
    if (step.done)
        tmrRoll->setEnabled(false);
    picObj->setLeft(Picture1->ScaleWidth() - picObj->Width());
    layoutClient();
}
