#include "shell/frmmain.h"

#include "editor/frmcave.h"
#include "editor/frmsize.h"
#include "shell/frmcol.h"
#include "toolkit/msgbox.h"
#include "toolkit/vbevents.h"

#include <QMdiArea>
#include <QMdiSubWindow>

frmCave *frmMain::Caves(int i)
{
    if (i < 0 || i >= static_cast<int>(m_caves.size()))
        return nullptr;
    if (!m_caves[static_cast<size_t>(i)])
        m_caves[static_cast<size_t>(i)] = new frmCave(*this);
    return m_caves[static_cast<size_t>(i)];
}

std::vector<frmCave *> frmMain::BoundCaves()
{
    std::vector<frmCave *> bound;
    for (int i = 1; i <= MaxCaveWindow; ++i)
        if (Caves(i)->Tag != FreeTag)
            bound.push_back(Caves(i));
    return bound;
}

frmCave *frmMain::BoundCave(int no)
{
    for (frmCave *c : BoundCaves())
        if (c->CaveNo == no)
            return c;
    return nullptr;
}

void frmMain::SaveCave(const QByteArray &cave, int no)
{
    if (no >= 0 && no < static_cast<int>(CaveData.size()))
        CaveData[static_cast<size_t>(no)] = cave;
}

std::optional<QList<QByteArray>> frmMain::StorableCaves(const std::vector<frmCave *> &windows,
                                                        const QString &stopped)
{
    QList<QByteArray> strings;
    for (frmCave *c : windows) {
        const auto cave = c->CaveString();
        if (!cave.ok()) {
            Vb::MsgBox(QStringLiteral("Komnatu %1 '%2' nelze uložit do sady. %3\r\n%4")
                           .arg(c->CaveNo)
                           .arg(c->CaveName, cave.error(), stopped),
                       Vb::MsgOkOnly, Vb::MsgNoIcon, QString(), this);
            return std::nullopt;
        }
        strings.append(cave.value());
    }
    return strings;
}

bool frmMain::StoreCaves(const std::vector<frmCave *> &windows, int shift, const QString &stopped)
{
    const auto strings = StorableCaves(windows, stopped);
    if (!strings)
        return false;
    for (size_t i = 0; i < windows.size(); ++i) {
        frmCave *c = windows[i];
        c->CaveNo = static_cast<int16_t>(c->CaveNo + shift);
        SaveCave(strings->at(static_cast<qsizetype>(i)), c->CaveNo);
    }
    return true;
}

void frmMain::OpenCave(const QByteArray &cave, int no)
{
    int slot = 1;
    while (slot < static_cast<int>(m_caves.size()) && Caves(slot)->Tag != FreeTag)
        ++slot;
    if (slot >= static_cast<int>(m_caves.size()))
        return; // never within the chamber limit
    frmCave *w = Caves(slot);
    w->CaveNo = static_cast<int16_t>(no);
    w->Tag = QString::number(slot);
    w->OpenCave(cave);
    if (slot > MaxCaveWindow)
        MaxCaveWindow = static_cast<uint8_t>(slot);
}

void frmMain::ShowCave(int no)
{
    frmCave *w = BoundCave(no);
    Vb::DoEvents();
    // The yield may have run a delete or a move: a window no longer holding
    // chamber no must not come up, caption a row or mark the set changed.
    if (!w || BoundCave(no) != w)
        return;
    w->ensureControls();
    w->picCave->setEnabled(false);
    QMdiSubWindow *before = m_mdi->activeSubWindow();
    if (!w->Visible()) {
        w->show();
        w->RefreshCave();
    }
    if (w->Caption() != frmCave::OutOfMemoryCaption) {
        w->SetFocus();
    } else if (before && before != w->subWindow() && before->isVisible()) {
        // Showing made it active; the window the user was in stays the one in use.
        m_mdi->setActiveSubWindow(before);
    }
    Vb::DoEvents();
    w->picCave->setEnabled(true);
}

void frmMain::ShowCloneMarkers(bool visible)
{
    // A window never shown has no markers: no clone point was ever set in it.
    if (frmCave *w = Caves(CloneCave); w && w->controlsMade()) {
        w->picCave->shpClone.setVisible(visible);
        w->picCave->shpClone2.setVisible(w->picCave->shpClone.Visible());
    }
}

void frmMain::SetClonePoint(float XX, float YY, uint8_t f)
{
    CloneX = XX;
    CloneY = YY;
    ShowCloneMarkers(false);
    CloneCave = f;
    if (frmCave *w = Caves(CloneCave); w && w->controlsMade()) {
        auto &one = w->picCave->shpClone;
        auto &two = w->picCave->shpClone2;
        one.move(float(Dil) * XX, float(Dil) * YY);
        two.move(one.Left() + Dil / 4.0, one.Top() + Dil / 4.0);
        one.setVisible(true);
        two.setVisible(one.Visible());
    }
    StrokeStarted = false;
}

void frmMain::GetCD(float XX, float YY)
{
    if (!StrokeStarted) {
        StrokeStartX = XX;
        StrokeStartY = YY;
        StrokeStarted = true;
    }
    const float SX = (XX - StrokeStartX) + CloneX;
    const float SY = (YY - StrokeStartY) + CloneY;
    frmCave *w = Caves(CloneCave);
    if (!w)
        return;
    // Before any clone point the source is slot 0, a window never shown.
    if (w->controlsMade()) {
        auto &one = w->picCave->shpClone;
        auto &two = w->picCave->shpClone2;
        one.move(SX * Dil, SY * Dil);
        two.move(one.Left() + Dil / 4.0, one.Top() + Dil / 4.0);
    }
    const QByteArray ch = w->GetCDXY(SX, SY);
    ImageBox *buffer = picSel[CloneBuffer];
    if (!buffer)
        return;
    buffer->Tag = ch;
    // The buffer shows what painting would show for that character.
    if (ch != frmCave::NoCell && ch.size() == 1)
        buffer->setPicture(w->CellPicture(ch.at(0)));
}

frmSize *frmMain::SizeDialog()
{
    if (!m_size)
        m_size = new frmSize(this);
    return m_size;
}

// ---- what a chamber window asks of its host ----

ImageBox *frmMain::ButtonObject(int button) const
{
    return button >= 0 && button < static_cast<int>(picSel.size()) ? picSel[static_cast<size_t>(button)]
                                                                   : nullptr;
}

const Picture *frmMain::ObjectPicture(int k) const
{
    const ImageBox *entry =
        k >= 0 && k < static_cast<int>(imgS.size()) ? imgS[static_cast<size_t>(k)] : nullptr;
    return entry ? &entry->picture() : nullptr;
}

Picture frmMain::HeroPicture(int d) const
{
    return d >= 0 && d < static_cast<int>(imgZor.size()) ? imgZor[static_cast<size_t>(d)] : Picture();
}

// A maximised chamber window shows the second frame of the frame's strips round it.
void frmMain::ShowMaximisedStrips(bool shown)
{
    for (int g : {3, 7, 8, 9})
        if (ImageBox *strip = imgG[static_cast<size_t>(g)])
            strip->setVisible(shown);
}

void frmMain::SetRowName(int no, const QString &name)
{
    SetWindow()->SetRowName(no, name);
}
