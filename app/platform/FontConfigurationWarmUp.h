#pragma once

#include <thread>

// Reading the system's font configuration is the largest single piece of a start's work on the main thread
// (its files parsed, its font caches loaded: about a fifth of it). The first window needs it for its first
// text, but it needs nothing of Qt, so a thread reads it while the application object is built and the
// windows are registered. Where fonts are not configured this way, it does nothing.
class FontConfigurationWarmUp
{
public:
    FontConfigurationWarmUp();
    ~FontConfigurationWarmUp();
    FontConfigurationWarmUp(const FontConfigurationWarmUp &) = delete;
    FontConfigurationWarmUp &operator=(const FontConfigurationWarmUp &) = delete;

    // Waits until the configuration has been read. Call it before the first window is built: a window that
    // asked for a font sooner would read the configuration a second time, alongside the thread.
    void finish();

private:
    std::thread m_reading;
};
