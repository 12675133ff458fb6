// The chamber window's tabs and size command, its layout, scroll bars and auto-scroll.
#include "editor/frmcave.h"

#include "editor/atmospherering.h"
#include "editor/frmsize.h"
#include "rules/cavelayout.h"
#include "toolkit/vbevents.h"

#include <QMdiSubWindow>
#include <QMouseEvent>

#include <cmath>

namespace {

// A bar that is needed takes its place, the surface's range along it and the
// surface's position; one that is not is hidden.
void placeBar(QScrollBar *bar, bool needed, QRect place, int max, int step, double view, double pos)
{
    if (!needed) {
        bar->hide();
        return;
    }
    bar->setGeometry(place);
    bar->setRange(max, 0);
    bar->setSingleStep(step);
    bar->setPageStep(std::max(1, static_cast<int>(view)));
    bar->setValue(static_cast<int>(std::lround(pos)));
    bar->show();
}

} // namespace

bool frmCave::eventFilter(QObject *obj, QEvent *e)
{
    if (e->type() == QEvent::MouseButtonPress) {
        for (int i : {MapTab, PropsTab, SizeCommand}) {
            if (obj == lblCave[static_cast<size_t>(i)]) {
                auto *me = static_cast<QMouseEvent *>(e);
                lblCave_MouseDown(i, Vb::button(me->button()), Vb::shift(me->modifiers()), me->position().x(),
                                  me->position().y());
                return true;
            }
        }
    }
    return VbForm::eventFilter(obj, e);
}

void frmCave::setTabLook(int i, bool pressed)
{
    const auto k = static_cast<size_t>(i);
    const int frame = i == SizeCommand ? 23 : 20;
    const int top = i == SizeCommand ? 3 : 2;
    imgBCave[k]->showPressed(pressed, static_cast<float>(frame));
    lblCave[k]->move(pressed ? 1 : 0, pressed ? top + 1 : top);
}

// A press on a button's picture or caption runs the button at once.
void frmCave::imgBCave_MouseDown(int Index, int, int, double, double)
{
    imgBCave_Click(Index);
}

void frmCave::lblCave_MouseDown(int Index, int Button, int Shift, double X, double Y)
{
    imgBCave_MouseDown(Index, Button, Shift, X, Y);
}

void frmCave::imgBCave_Click(int Index)
{
    if (Index == MapTab || Index == PropsTab) {
        setTabLook(MapTab, false);
        setTabLook(PropsTab, false);
        setTabLook(Index, true);
        picFCave->setVisible(Index == MapTab);
        picFProps->setVisible(Index == PropsTab);
        return;
    }
    if (Index != SizeCommand)
        return;
    setTabLook(SizeCommand, true);
    const int oldW = m_cave.Width, oldH = m_cave.Height;
    if (frmSize *dlg = m_host.SizeDialog()) {
        dlg->txtUD(frmSize::HeightBox)->setText(QString::number(m_cave.Height));
        dlg->txtUD(frmSize::WidthBox)->setText(QString::number(m_cave.Width));
        dlg->exec();
        // A box the user left alone keeps its dimension, even one outside its range.
        using SpinInput::Answer;
        const int h = frmSize::HeightBox, w = frmSize::WidthBox;
        m_cave.Height = static_cast<uint8_t>(Answer(oldH, dlg->txtUD(h)->text(), dlg->spin->range(h)));
        m_cave.Width = static_cast<uint8_t>(Answer(oldW, dlg->txtUD(w)->text(), dlg->spin->range(w)));
    }
    if (m_cave.Width != oldW || m_cave.Height != oldH) {
        picCave->setSurfaceSize(m_cave.Width * TileSize, m_cave.Height * TileSize);
        if (m_cave.Width > oldW)
            for (int Y = 0; Y < m_cave.Height; ++Y)
                for (int X = oldW; X < m_cave.Width; ++X)
                    SetCell(X, Y, Vb::RightButton);
        if (m_cave.Height > oldH)
            for (int X = 0; X < m_cave.Width; ++X)
                for (int Y = oldH; Y < m_cave.Height; ++Y)
                    SetCell(X, Y, Vb::RightButton);
        Arrange();
        setChanged();
    }
    setTabLook(SizeCommand, false);
}

// ---- layout and scrolling ----

void frmCave::resizeEvent(QResizeEvent *)
{
    // A window never shown has nothing to lay out; making its controls lays them out.
    if (m_built)
        Form_Resize();
}

void frmCave::Form_Resize()
{
    m_host.ShowMaximisedStrips(subWindow()->isMaximized());
    Arrange();
}

void frmCave::Arrange()
{
    const int W0 = width();
    const int H0 = height() - 20;
    picButtons->move((W0 - picButtons->width()) / 2, 0);

    CaveLayout::MapInput in;
    in.W0 = W0;
    in.H0 = H0;
    in.Sw = picCave->width();
    in.Sh = picCave->height();
    in.VW = VScroll1->width();
    in.HH = HScroll1->height();
    in.L = picCave->x();
    in.T = picCave->y();
    const auto o = CaveLayout::ArrangeMap(in);
    ViewWidth = o.ViewWidth;
    ViewHeight = o.ViewHeight;
    const QSignalBlocker bh(HScroll1), bv(VScroll1);
    const int step = std::max<int>(TileSize, 1);
    placeBar(HScroll1, o.needH,
             QRect(0, static_cast<int>(o.hTop), std::max(0, static_cast<int>(o.hWidth)), HScroll1->height()),
             o.hMax, step, o.ViewWidth, o.L);
    placeBar(VScroll1, o.needV,
             QRect(static_cast<int>(o.vLeft), 0, VScroll1->width(), std::max(0, static_cast<int>(o.vHeight))),
             o.vMax, step, o.ViewHeight, o.T);
    if (o.checkShown) {
        Check1->move(static_cast<int>(o.checkLeft), static_cast<int>(o.checkTop));
        Check1->show();
        Check1->raise();
        // The auto-scroll belongs to the active window only.
        Timer1->setEnabled(Check1->isChecked() && m_active);
    } else {
        Check1->hide();
        Timer1->setEnabled(false);
    }
    picCave->move(static_cast<int>(std::lround(o.L)), static_cast<int>(std::lround(o.T)));
    picCave->setView(QRect(0, 0, static_cast<int>(o.ViewWidth), static_cast<int>(o.ViewHeight)));
    picFCave->setGeometry(0, 20, std::max(0, W0), std::max(0, H0));

    const auto p = CaveLayout::ArrangeProps(W0, H0);
    picTexts->move(static_cast<int>(p.textsLeft), static_cast<int>(p.textsTop));
    picAttr->move(static_cast<int>(p.attrLeft), static_cast<int>(p.attrTop));
    picAtm->setGeometry(static_cast<int>(p.atmLeft), static_cast<int>(p.atmTop), 5 * p.u, p.u);
    for (int i = 0; i < Atmosphere::ButtonCount; ++i)
        imgAtm[static_cast<size_t>(i)]->setGeometry(i * p.u, 0, p.u, p.u);
    m_ring->setGeometry(0, 0, 5 * p.u, p.u);
    m_ring->raise();
    imgAtm_Click(AtmIndex);
    picFProps->setGeometry(0, 20, std::max(0, W0), std::max(0, H0));
}

void frmCave::HScroll1_Change()
{
    picCave->move(HScroll1->value(), picCave->y());
}

void frmCave::VScroll1_Change()
{
    picCave->move(picCave->x(), VScroll1->value());
}

void frmCave::Check1_Click()
{
    Timer1->setEnabled(Check1->isChecked());
}

void frmCave::Timer1_Timer()
{
    // The position keeps its fraction between steps, so a slow scroll adds up;
    // a surface moved elsewhere since starts from where it stands.
    double L = std::lround(m_autoL) == picCave->x() ? m_autoL : picCave->x();
    double T = std::lround(m_autoT) == picCave->y() ? m_autoT : picCave->y();
    int value = 0;
    if (!HScroll1->isHidden()) {
        L = CaveLayout::AutoScrollStep(ScrollGain, PointerX, ViewWidth, picCave->width(), picCave->width(), L,
                                       &value);
        HScroll1->setValue(value);
    }
    if (!VScroll1->isHidden()) {
        T = CaveLayout::AutoScrollStep(ScrollGain, PointerY, ViewHeight, picCave->height(), picCave->height(),
                                       T, &value);
        VScroll1->setValue(value);
    }
    m_autoL = L;
    m_autoT = T;
    picCave->move(static_cast<int>(std::lround(L)), static_cast<int>(std::lround(T)));
}
