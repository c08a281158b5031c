#pragma once

class WindowManager;

// Implemented by the program target: registers the windows of the feature folders that are built.
void registerFeatureWindows(WindowManager &manager);
