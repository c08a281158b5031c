#pragma once

#include "companion/logic/CompanionSearch.h"

#include <functional>

// The "Databank" button of the main menu: find SKP.exe and start it, or offer the download window.
namespace companion {

// Where the launcher and the folder window look for the program. An empty member means the host's own: the
// default locations of this platform below QDir::homePath(), and the file system through platform(). Tests
// replace them so that no real install location or home folder is ever looked at.
struct LauncherSetup
{
    std::function<CompanionPlatform()> locations;
    std::function<FileProbe()> probe;
};

// Installs a setup and returns the previous one.
LauncherSetup setLauncherSetup(LauncherSetup setup);

CompanionPlatform launcherPlatform();
FileProbe launcherProbe();

// The launch sequence. Each failing step is passed over without a message; when nothing is found the
// download window opens.
void cmdSKP_Click();

} // namespace companion
