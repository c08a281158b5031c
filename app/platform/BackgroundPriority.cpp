#include "app/platform/BackgroundPriority.h"

#if defined(__linux__)
#include <sys/resource.h>
#include <unistd.h>
#endif

void runInBackgroundPriority()
{
#if defined(__linux__)
    // On Linux a thread has a niceness of its own; 10 is what background tasks commonly take.
    constexpr int Niceness = 10;
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), Niceness);
#endif
}
