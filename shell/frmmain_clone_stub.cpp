#include "shell/frmmain.h"

// Placeholder until the cloning source lands beside SetClonePoint and GetCD.
void frmMain::ShowCloneMarkers(bool) {}
