#include "app/ProgramFeatures.h"
#include "app/shell/WindowManager.h"

// Each feature library that the build has declares one registration function.
#ifdef AMBRELIS_HAS_CATALOGUE
void registerCatalogueWindows(WindowManager &manager);
#endif
#ifdef AMBRELIS_HAS_PAGES
void registerPagesWindows(WindowManager &manager);
#endif
#ifdef AMBRELIS_HAS_INDICATIONS
void registerIndicationsWindows(WindowManager &manager);
#endif
#ifdef AMBRELIS_HAS_PRINT
void registerPrintWindows(WindowManager &manager);
#endif
#ifdef AMBRELIS_HAS_MAIL
void registerMailWindows(WindowManager &manager);
#endif
#ifdef AMBRELIS_HAS_COMPANION
void registerCompanionWindows(WindowManager &manager);
#endif
#ifdef AMBRELIS_HAS_SETTINGS
void registerSettingsWindows(WindowManager &manager);
#endif

void registerFeatureWindows([[maybe_unused]] WindowManager &manager)
{
#ifdef AMBRELIS_HAS_CATALOGUE
    registerCatalogueWindows(manager);
#endif
#ifdef AMBRELIS_HAS_PAGES
    registerPagesWindows(manager);
#endif
#ifdef AMBRELIS_HAS_INDICATIONS
    registerIndicationsWindows(manager);
#endif
#ifdef AMBRELIS_HAS_PRINT
    registerPrintWindows(manager);
#endif
#ifdef AMBRELIS_HAS_MAIL
    registerMailWindows(manager);
#endif
#ifdef AMBRELIS_HAS_COMPANION
    registerCompanionWindows(manager);
#endif
#ifdef AMBRELIS_HAS_SETTINGS
    registerSettingsWindows(manager);
#endif
}
