#include "support/testsupport.h"

#include "shell/frmcol.h"
#include "shell/frmmain.h"

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

QStringList rowNames(frmMain &m)
{
    QStringList names;
    for (int k = 1; k <= m.NumCaves; ++k)
        names << m.SetWindow()->RowName(k);
    return names;
}
