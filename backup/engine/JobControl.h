#pragma once
// Lets the window's pending messages run, from a long piece of work on the user-interface thread.
// Without an application there is nothing to pump.

void PumpPendingMessages();
