#pragma once

#include "common/cellchars.h"
#include "editor/frmcave.h"
#include "shell/frmmain.h"
#include "store/defaultcave.h"
#include "store/modzorbel.h"
#include "support/builders.h"

#include <QMdiArea>
#include <QtTest>

#include <memory>

inline void setButton(frmMain &m, int b, char c)
{
    ImageBox *box = m.picSel[static_cast<size_t>(b)];
    box->Tag = QByteArray(1, c);
    box->setPicture(frmCave::CellPicture(c));
}

inline std::unique_ptr<frmMain> makeMain()
{
    auto m = std::make_unique<frmMain>();
    // the left button earth, the right button empty space
    setButton(*m, 1, ';');
    setButton(*m, 2, '.');
    m->resize(1000, 700);
    m->show();
    // Start-up opens the template set; the tests bind their own chambers.
    m->Changed = false;
    m->CloseCollection();
    return m;
}

inline char cell(const frmCave *w, int x, int y)
{
    return w->record().Map[static_cast<size_t>(x)][static_cast<size_t>(y)];
}
