#include "support/testsupport.h"

#include "shell/frmcol.h"
#include "shell/frmmain.h"
#include "support/mouse.h"

#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyleOptionTitleBar>
#include <QtTest>

ScriptedUser::ScriptedUser()
    : m_messageSeam([this](const Vb::MessageRequest &r) {
          messages.append(r);
          if (messageAnswers.isEmpty())
              return r.buttons == Vb::MsgOkOnly ? Vb::MsgOk : Vb::MsgCancel;
          return messageAnswers.takeFirst();
      }),
      m_dialogSeam([this](const Vb::FileDialogRequest &r) {
          dialogs.append(r);
          return dialogAnswers.isEmpty() ? QString() : dialogAnswers.takeFirst();
      })
{
}

char *Vb::toString(const MessageRequest &m)
{
    return QTest::toString(QStringLiteral("%1 | %2 | buttons %3 | icon %4")
                               .arg(m.text, m.title)
                               .arg(int(m.buttons))
                               .arg(int(m.icon)));
}

QStringList rowNames(frmMain &m)
{
    QStringList names;
    for (int k = 1; k <= m.NumCaves; ++k)
        names << m.SetWindow()->RowName(k);
    return names;
}

QPoint titleButton(QMdiSubWindow *sub, QStyle::SubControl button)
{
    QStyleOptionTitleBar opt;
    opt.initFrom(sub);
    opt.subControls = QStyle::SC_All;
    opt.titleBarFlags = sub->windowFlags();
    opt.titleBarState = sub->windowState();
    opt.text = sub->windowTitle();
    opt.rect = QRect(0, 0, sub->width(), sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, &opt, sub));
    return sub->style()->subControlRect(QStyle::CC_TitleBar, &opt, button, sub).center();
}

bool chooseFromMenu(QMenuBar *bar, QMenu *menu, const QString &text)
{
    pointerClick(bar, bar->actionGeometry(menu->menuAction()).center());
    if (!QTest::qWaitFor([menu] { return menu->isVisible(); }))
        return false;
    const auto entries = menu->actions();
    for (QAction *a : entries)
        if (a->text() == text) {
            pointerClick(menu, menu->actionGeometry(a).center());
            return true;
        }
    return false;
}
