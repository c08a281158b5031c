#pragma once

#include "app/platform/PlatformServices.h"

#include <QString>
#include <QStringList>
#include <optional>

// The program that lets the user remove installed programs: the control panel applet on Windows, the
// desktop's software manager elsewhere.
struct RemovalPanel
{
    QString program;
    QStringList arguments;
    PlatformServices::WindowStyle style = PlatformServices::WindowStyle::Normal;
};

// The panel to start on this platform; nothing when no software manager is installed.
std::optional<RemovalPanel> removalPanel();
