#pragma once

#include <QString>

namespace Vb {

// The program's name: the application's, the main window's title and a message box's title unless given.
inline const QString ProgramName = QStringLiteral("Editor komnat");

// Readies the application as the editor starts: its name, and Qt's own
// dialogs, warnings and standard buttons in Czech whatever the machine's locale.
void prepareApplication();

} // namespace Vb
