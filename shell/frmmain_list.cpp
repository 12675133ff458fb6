#include "shell/frmmain.h"

#include "shell/frmcol.h"

frmCol *frmMain::Col()
{
    if (!m_col)
        m_col = new frmCol(this);
    return m_col;
}

void frmMain::AddCave(int) {}
void frmMain::DelCave(int) {}
void frmMain::MoveCave(int, int) {}
