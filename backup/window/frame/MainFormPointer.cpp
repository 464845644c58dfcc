#include "backup/window/frame/MainWin.h"

// On its own so that code which only reads the pointer (the job helpers the setup program shares)
// links without the window itself.
TMainForm* MainForm = nullptr;
