#include "app/platform/FontConfiguration.h"

#if __has_include(<dlfcn.h>)
#include <dlfcn.h>
#endif

void readFontConfiguration()
{
#if __has_include(<dlfcn.h>)
    // Qt is linked with fontconfig where it draws text through it, so the function is found in the running
    // program, and no build needs fontconfig's headers.
    using Initialise = int (*)();
    if (const auto init = reinterpret_cast<Initialise>(dlsym(RTLD_DEFAULT, "FcInit")))
        init();
#endif
}
