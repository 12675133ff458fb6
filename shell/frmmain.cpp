#include "shell/frmmain.h"

#include "toolkit/vbevents.h"

#include <QCloseEvent>
#include <QMdiArea>

namespace {
frmMain *g_main = nullptr;
}

frmMain::frmMain(QWidget *parent) : QMainWindow(parent)
{
    g_main = this;
    setWindowTitle(QStringLiteral("Editor komnat"));
    m_mdi = new QMdiArea(this);
    m_mdi->setBackground(QColor(0x60, 0x30, 0x00));
    setCentralWidget(m_mdi);
    tmrRoll = new VbTimer(this);
    tmrRoll->setInterval(50);
    connect(tmrRoll, &QTimer::timeout, this, &frmMain::tmrRoll_Timer);
    MDIForm_Load();
}

frmMain::~frmMain()
{
    if (g_main == this)
        g_main = nullptr;
}

frmMain *frmMain::instance()
{
    return g_main;
}

void frmMain::MDIForm_Load()
{
    Dil = 26;
    Changed = false;
}

void frmMain::closeEvent(QCloseEvent *e)
{
    int cancel = 0;
    MDIForm_QueryUnload(cancel, Vb::CloseFromControlBox);
    if (cancel)
        e->ignore();
    else
        e->accept();
}

void frmMain::imgS_MouseDown(int, int, int, float, float) {}
void frmMain::Image5_Click() {}
void frmMain::imgSDog_Click(int) {}
void frmMain::mnuH_Click(int) {}
void frmMain::mnuI_Click(int) {}
void frmMain::imgTool_Click(int Index) { Nastroj = static_cast<uint8_t>(Index); }
void frmMain::tmrRoll_Timer() {}
void frmMain::ShowObjBar() {}
void frmMain::HideObjBar() {}
void frmMain::mnuTile_Click() {}
void frmMain::mnuHelp_Click() {}
