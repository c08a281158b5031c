#include "app/platform/FontConfiguration.h"

#if __has_include(<dlfcn.h>)
#include <dlfcn.h>
#endif

namespace {

#if __has_include(<dlfcn.h>)
// Qt is linked with fontconfig where it draws text through it, so its functions are found in the running
// program, and no build needs fontconfig's headers. These are the few it takes, with fontconfig's types
// reduced to what is passed through.
struct Fontconfig
{
    using Pattern = void;
    using Initialise = int (*)();
    using Create = Pattern *(*)();
    using AddString = int (*)(Pattern *, const char *, const unsigned char *);
    using Substitute = int (*)(void *, Pattern *, int);
    using DefaultSubstitute = void (*)(Pattern *);
    using Match = Pattern *(*)(void *, Pattern *, int *);
    using GetString = int (*)(const Pattern *, const char *, int, unsigned char **);
    using Destroy = void (*)(Pattern *);

    static constexpr int MatchPattern = 0; // FcMatchPattern
    static constexpr int ResultMatch = 0;  // FcResultMatch

    template <typename Function> static Function find(const char *name)
    {
        return reinterpret_cast<Function>(dlsym(RTLD_DEFAULT, name));
    }

    Create create = find<Create>("FcPatternCreate");
    AddString addString = find<AddString>("FcPatternAddString");
    Substitute substitute = find<Substitute>("FcConfigSubstitute");
    DefaultSubstitute defaultSubstitute = find<DefaultSubstitute>("FcDefaultSubstitute");
    Match match = find<Match>("FcFontMatch");
    GetString getString = find<GetString>("FcPatternGetString");
    Destroy destroy = find<Destroy>("FcPatternDestroy");

    bool found() const
    {
        return create && addString && substitute && defaultSubstitute && match && getString && destroy;
    }
};
#endif

} // namespace

void readFontConfiguration()
{
#if __has_include(<dlfcn.h>)
    if (const auto init = Fontconfig::find<Fontconfig::Initialise>("FcInit"))
        init();
#endif
}

QString familyShownFor(const QString &family)
{
#if __has_include(<dlfcn.h>)
    const Fontconfig fc;
    if (!fc.found())
        return {};
    // The same question Qt asks for a family it does not have: the configuration's substitutions, then the
    // best of the installed fonts.
    Fontconfig::Pattern *pattern = fc.create();
    if (!pattern)
        return {};
    const QByteArray name = family.toUtf8();
    QString shown;
    if (fc.addString(pattern, "family", reinterpret_cast<const unsigned char *>(name.constData())) &&
        fc.substitute(nullptr, pattern, Fontconfig::MatchPattern)) {
        fc.defaultSubstitute(pattern);
        int result = -1;
        if (Fontconfig::Pattern *best = fc.match(nullptr, pattern, &result)) {
            unsigned char *bestFamily = nullptr;
            if (result == Fontconfig::ResultMatch && fc.getString(best, "family", 0, &bestFamily) == 0 &&
                bestFamily)
                shown = QString::fromUtf8(reinterpret_cast<const char *>(bestFamily));
            fc.destroy(best);
        }
    }
    fc.destroy(pattern);
    return shown.compare(family, Qt::CaseInsensitive) == 0 ? QString() : shown;
#else
    Q_UNUSED(family);
    return {};
#endif
}
