#pragma once
// The program's entry: one process per start drive. A second start for the same drive only brings
// the running window forward.

#include <string>

// Brings an existing application window with the title to the front; false when there is none.
bool BringRunningInstanceForward(const std::u16string& title);
// Sets up the application object and creates the main window for the argument (empty: none).
void CreateMainWindow(const std::u16string& argument);
