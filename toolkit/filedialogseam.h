#pragma once

#include "toolkit/seam.h"

#include <QString>
#include <QWidget>

// Every file dialog of the program passes through RunFileDialog, so tests
// can answer it.
namespace Vb {

struct FileDialogRequest
{
    bool save = false;
    QString title;
    QString filterName;       // "Sady komnat pro Zorbela (*.zb)"
    QString filterPattern;    // "*.zb"
    QString initialDir;       // may be empty: the platform's default folder
    QString initialName;      // may be empty
    QString defaultExtension; // without the dot
    bool showHidden = false;
};

// The chosen full path, or an empty string when the user cancels.
QString RunFileDialog(QWidget *owner, const FileDialogRequest &request);

using FileDialogSeam = Seam<const FileDialogRequest &, QString>;
using FileDialogAnswerer = FileDialogSeam::Answerer;
inline void setFileDialogAnswerer(FileDialogAnswerer answerer)
{
    FileDialogSeam::set(std::move(answerer));
}

} // namespace Vb
