#pragma once

// Lowers the calling thread's scheduling priority, so that work done on it while the program starts takes
// the time the main thread and the display server leave rather than competing with them for a core. Where
// the system cannot lower one thread's priority, it does nothing.
void runInBackgroundPriority();
