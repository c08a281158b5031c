class WindowManager;

#ifdef AMBRELIS_HAS_PAGES_REFERENCE
void registerReferenceWindows(WindowManager &manager);
#endif
#ifdef AMBRELIS_HAS_PAGES_VIEWERS
void registerViewersWindows(WindowManager &manager);
#endif
#ifdef AMBRELIS_HAS_PAGES_ACTIONSPAGE
void registerActionspageWindows(WindowManager &manager);
#endif
#ifdef AMBRELIS_HAS_PAGES_BACH
void registerBachWindows(WindowManager &manager);
#endif

void registerPagesWindows([[maybe_unused]] WindowManager &manager)
{
#ifdef AMBRELIS_HAS_PAGES_REFERENCE
    registerReferenceWindows(manager);
#endif
#ifdef AMBRELIS_HAS_PAGES_VIEWERS
    registerViewersWindows(manager);
#endif
#ifdef AMBRELIS_HAS_PAGES_ACTIONSPAGE
    registerActionspageWindows(manager);
#endif
#ifdef AMBRELIS_HAS_PAGES_BACH
    registerBachWindows(manager);
#endif
}
