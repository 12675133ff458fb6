#pragma once

#include <QString>

#include <cstdint>

class QWidget;

// The open and save dialogs of the set files, and the file-name stem.
namespace CommonDialogy {

// Hidden and system files are listed too.
constexpr uint32_t OFN_FORCESHOWHIDDEN = 0x10000000;

// The folder the next dialog starts in, with its trailing separator; empty
// until an initial path with a separator is given, then kept for the run.
extern QString InitDir;

// The user's documents folder, or the home folder where there is none: where
// a dialog starts before any folder is remembered.
QString DocumentsFolder();

// Shows the open (save false) or save dialog. The filter is "name;pattern"
// pairs, the first pair in force. An initial path with a separator sets
// InitDir to its folder and gives the initial name; one without keeps InitDir
// and starts with no name (in DocumentsFolder() while InitDir is empty). A
// save dialog appends the default extension to a name typed without one and
// asks before replacing that file; an open dialog takes only an existing file.
// Returns the chosen path, or "" on cancel.
QString ShowFileDialog(QWidget *owner, bool save, const QString &title, const QString &filter,
                       const QString &initialPath, uint32_t extraFlags, const QString &defaultExtension);

// A plain file-name stem of a set name: lower case, accented letters without
// their accents, punctuation replaced, blanks dropped, anything else above
// "z" in code page 1250 as "~", control characters dropped ("Čáry & Máry"
// gives "caryandmary").
QString RemoveRegChars(const QString &txt);

} // namespace CommonDialogy
