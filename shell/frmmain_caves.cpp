#include "shell/frmmain.h"

#include "editor/frmcave.h"
#include "editor/frmsize.h"

frmCave *frmMain::Caves(int i)
{
    if (!m_caves[i])
        m_caves[i] = new frmCave(this);
    return m_caves[i];
}

void frmMain::SaveCave(const QByteArray &cave, int no)
{
    CaveData[no] = cave;
}

void frmMain::OpenCave(const QByteArray &, int) {}
void frmMain::ShowCave(int) {}
void frmMain::SetClonePoint(float, float, uint8_t) {}
void frmMain::GetCD(float, float) {}

frmSize *frmMain::Size()
{
    if (!m_size)
        m_size = new frmSize(this);
    return m_size;
}
