#pragma once

#include <QString>
#include <thread>

// What a start reads before its first window that needs neither the display nor the application object: the
// system's font configuration, and the family it shows for the design's. A thread reads it from the
// program's first line while the application object connects to the display, which keeps the main thread
// waiting for the display server more than working; it runs at a lower priority, on the time they leave.
// It still slows the main thread where the two share a core, so it reads only what the first window needs.
class EarlyReading
{
public:
    EarlyReading();
    ~EarlyReading();
    EarlyReading(const EarlyReading &) = delete;
    EarlyReading &operator=(const EarlyReading &) = delete;

    // Waits until all of it has been read, and hands the design family's shown family to the windows. Call it
    // before the first window is built.
    void finish();

private:
    QString m_designFamilyShown; // written by the thread, read once it has ended
    std::thread m_reading;
};
