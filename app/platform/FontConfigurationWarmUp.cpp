#include "app/platform/FontConfigurationWarmUp.h"

#if __has_include(<dlfcn.h>)
#include <dlfcn.h>
#endif

namespace {

using Initialise = int (*)();

// Qt's text drawing reads the configuration through fontconfig where the system has it; Qt is linked with it
// then, so the function is found in the running program, and no build needs fontconfig's headers.
Initialise fontconfigInit()
{
#if __has_include(<dlfcn.h>)
    return reinterpret_cast<Initialise>(dlsym(RTLD_DEFAULT, "FcInit"));
#else
    return nullptr;
#endif
}

} // namespace

FontConfigurationWarmUp::FontConfigurationWarmUp()
{
    if (const Initialise init = fontconfigInit())
        m_reading = std::thread(init);
}

FontConfigurationWarmUp::~FontConfigurationWarmUp()
{
    finish();
}

void FontConfigurationWarmUp::finish()
{
    if (m_reading.joinable())
        m_reading.join();
}
