#include "toolkit/msgbox.h"

#include "toolkit/application.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace Vb {

MsgResult MsgBox(const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title, QWidget *parent)
{
    const MessageRequest request{text, title, buttons, icon};
    if (const auto answer = MessageSeam::answer(request))
        return *answer;

    QMessageBox box(parent ? parent : QApplication::activeWindow());
    box.setWindowTitle(title.isEmpty() ? ProgramName : title);
    // Plain text: a set name or path holding "<" is shown as written, and the
    // line breaks stay breaks.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box.setTextFormat(Qt::PlainText);
    box.setText(shown);
    box.setIcon(icon == MsgQuestion      ? QMessageBox::Question
                : icon == MsgInformation ? QMessageBox::Information
                                         : QMessageBox::NoIcon);
    if (buttons == MsgYesNoCancel) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("Ano"));
        box.button(QMessageBox::No)->setText(QStringLiteral("Ne"));
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("Storno"));
        // Access keys without an ampersand: the texts show as written in every style.
        box.button(QMessageBox::Yes)->setShortcut(QKeySequence(Qt::ALT | Qt::Key_A));
        box.button(QMessageBox::No)->setShortcut(QKeySequence(Qt::ALT | Qt::Key_N));
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    // A window manager draws the title in bold beside an icon and up to three
    // buttons with gaps, each about a line high; a box narrower cuts the title.
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const QFontMetrics titleMetrics(titleFont);
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(
            new QSpacerItem(titleMetrics.horizontalAdvance(box.windowTitle()) + 8 * titleMetrics.height(), 0),
            grid->rowCount(), 0, 1, grid->columnCount());
    offerNoMinimise(&box);
    box.exec();
    if (buttons != MsgYesNoCancel)
        return MsgOk;
    const auto *clicked = box.clickedButton();
    if (clicked == box.button(QMessageBox::Yes))
        return MsgYes;
    if (clicked == box.button(QMessageBox::No))
        return MsgNo;
    return MsgCancel;
}

} // namespace Vb
