#include "toolkit/filedialogseam.h"

#include "toolkit/application.h"

#include <QDir>
#include <QFileDialog>

namespace Vb {

QString RunFileDialog(QWidget *owner, const FileDialogRequest &request)
{
    if (auto answer = FileDialogSeam::answer(request))
        return *answer;

    QFileDialog dialog(owner, request.title);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // Names only: the detail view's types, sizes and dates follow the system's
    // locale and file-type data, which Qt does not translate.
    dialog.setViewMode(QFileDialog::List);
    // A description that already shows its pattern ("... (*.zb)") is used as it is.
    const QString shown = QStringLiteral("(%1)").arg(request.filterPattern);
    dialog.setNameFilter(request.filterName.endsWith(shown)
                             ? request.filterName
                             : QStringLiteral("%1 %2").arg(request.filterName, shown));
    // The dialog appends it before it asks about replacing, so the question is about the file written.
    dialog.setDefaultSuffix(request.defaultExtension);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.save);
    if (request.showHidden)
        dialog.setFilter(dialog.filter() | QDir::Hidden | QDir::System);
    if (!request.initialDir.isEmpty())
        dialog.setDirectory(request.initialDir);
    if (!request.initialName.isEmpty())
        dialog.selectFile(request.initialName);
    offerNoMinimise(&dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace Vb
