#pragma once

#include <QString>

class QWidget;

namespace Vb {

// The program's name: the application's, the main window's title and a message box's title unless given.
inline const QString ProgramName = QStringLiteral("Editor komnat");

// Readies the application as the editor starts: its name, Qt's own dialogs, warnings and
// standard buttons in Czech whatever the machine's locale, and none of them minimisable.
void prepareApplication();

// A modal window a window manager must not minimise or maximise (minimised, it would take
// the whole editor with it). Some (openbox) read that only from the window type, which X
// takes from the made window, so the window is made first.
void offerNoMinimise(QWidget *w);

} // namespace Vb
