#pragma once
// Ending the program from outside as a player ends it: when the session or a process manager
// asks it to stop (SIGTERM) or the terminal interrupts it (SIGINT), every window is closed as its
// close button would close it, so the main window saves its settings on the way out. The signal
// only wakes the event loop; the windows close on the UI thread.

// Call after the application object exists; calling it again changes nothing. Fails with an
// operating-system error when the wake-up channel cannot be made.
void CloseWindowsOnTerminationSignals();
