#pragma once

#include <functional>

// What the main menu's "Databank" button runs: the companion program's launcher. The program registers it,
// so that the menu needs nothing of the companion's windows; without a launcher the button does nothing.
namespace databanklauncher {

using Launcher = std::function<void()>;

void setLauncher(Launcher launcher);
void launch();

} // namespace databanklauncher
