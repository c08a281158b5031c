#include "app/shell/DatabankLauncher.h"

namespace databanklauncher {

namespace {

Launcher &registered()
{
    static Launcher launcher;
    return launcher;
}

} // namespace

void setLauncher(Launcher launcher)
{
    registered() = std::move(launcher);
}

void launch()
{
    if (registered())
        registered()();
}

} // namespace databanklauncher
