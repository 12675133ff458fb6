#pragma once

namespace Vb {

// Readies the application as the editor starts: its name, and Qt's own
// dialogs, warnings and standard buttons in Czech whatever the machine's locale.
void prepareApplication();

} // namespace Vb
