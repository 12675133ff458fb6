#pragma once

#include <QString>
#include <QWidget>

#include <functional>

// Every file dialog of the program passes through RunFileDialog, so tests
// can answer it.
namespace Vb {

struct FileDialogRequest
{
    bool save = false;
    QString title;
    QString filterName;    // "Sady komnat pro Zorbela (*.zb)"
    QString filterPattern; // "*.zb"
    QString initialDir;    // may be empty: the platform's default folder
    QString initialName;   // may be empty
    QString defaultExtension; // without the dot
    bool showHidden = false;
};

// The chosen full path, or an empty string when the user cancels.
QString RunFileDialog(QWidget *owner, const FileDialogRequest &request);

using FileDialogAnswerer = std::function<QString(const FileDialogRequest &)>;
void setFileDialogAnswerer(FileDialogAnswerer answerer);

} // namespace Vb
