#pragma once
// Lets the window's pending messages run during long work on the user-interface thread.
// Without an application there is nothing to pump.

void PumpPendingMessages();
