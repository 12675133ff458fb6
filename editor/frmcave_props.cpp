// The chamber window's property page: the name, the description, the seven numbers and the atmosphere.
#include "editor/frmcave.h"

#include "common/text8.h"
#include "editor/atmospherering.h"

void frmCave::txtUD_Change(int Index)
{
    setChanged();
    CaveSpins::SetValue(m_cave, Index, spin->checkText(Index));
}

void frmCave::txtName_Change()
{
    setChanged();
    const QString name = txtName->text();
    m_cave.Name = Text8::fromUnicode(name);
    showName(name);
}

// The name reaches the caption, CaveName and the chamber's row of the set window.
void frmCave::showName(const QString &name)
{
    m_host.SetRowName(CaveNo, name);
    setCaption(QStringLiteral("Komnata - ") + name);
    CaveName = name;
}

void frmCave::txtDesc_Change()
{
    const QByteArray bytes = txtDesc->Bytes();
    if (bytes != m_cave.Description)
        setChanged();
    m_cave.Description = bytes;
}

void frmCave::imgAtm_Click(int Index)
{
    if (Index < 0 || Index >= Atmosphere::ButtonCount)
        return;
    if (Index != AtmIndex) {
        setChanged();
        if (Atmosphere::ButtonForValue(m_cave.Atmosphere) != Index)
            m_cave.Atmosphere = static_cast<uint8_t>(Atmosphere::FirstValue(Index));
    }
    AtmIndex = static_cast<int16_t>(Index);
    const QRect g = imgAtm[static_cast<size_t>(Index)]->geometry();
    const double s = g.width() / 8.0 * 5;
    shpAtm = QRectF(g.left() + g.width() / 16.0 * 3, g.top() + g.height() / 16.0 * 3, s, s);
    m_ring->ring = shpAtm;
    m_ring->update();
}
