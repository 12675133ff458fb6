#include "shell/frmmain.h"

bool frmMain::SaveCollection(const QString &) { return false; }
void frmMain::OpenCollection(const QString &) {}
void frmMain::JoinCollection(const QString &) {}
bool frmMain::CloseCollection() { return true; }
void frmMain::NewCollection() {}
QString frmMain::RemoveRegChars(const QString &) const { return {}; }
void frmMain::mnuNew_Click() {}
void frmMain::mnuOpen_Click() {}
void frmMain::mnuSave_Click() {}
void frmMain::mnuSaveAs_Click() {}
void frmMain::mnuEnd_Click() { close(); }
void frmMain::mnuJoin_Click() {}

void frmMain::MDIForm_QueryUnload(int &Cancel, int)
{
    Cancel = CloseCollection() ? 0 : 1;
}
