// Prints how long the main menu takes to be shown and idle, and how long each window of the program takes to
// open and close, as ratios against a bare Qt window shown the same way in the same run.
// Run with QT_QPA_PLATFORM=offscreen (or on a desktop).

#include "app/Program.h"
#include "app/shell/AppWindow.h"
#include "app/shell/WindowCatalog.h"
#include "app/shell/WindowManager.h"
#include "bench/common/WindowTiming.h"

#include <QApplication>
#include <cstdio>

using benchtiming::medianMicros;
using benchtiming::settle;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    constexpr int Runs = 15;

    const double bare = benchtiming::bareWindowMicros(Runs);

    const double menu = medianMicros(Runs, [] {
        WindowManager manager;
        installWindowManager(&manager);
        registerProgramWindows(manager);
        startProgram(manager);
        settle();
    });
    std::printf("bare window shown and idle: %.0f us\n", bare);
    std::printf("start to menu shown and idle: %.2f x bare window (goal <= 1.3)\n", menu / bare);

    WindowManager manager;
    installWindowManager(&manager);
    registerProgramWindows(manager);
    startProgram(manager);
    settle();
    double slowest = 0;
    QString slowestName;
    for (const WindowSpec &spec : windowCatalog()) {
        if (spec.name == QLatin1String("frmMenu"))
            continue;
        const double t = medianMicros(5, [&] {
            manager.OpenPage(spec.name);
            settle();
            manager.ClosePage(spec.name);
            settle();
        });
        std::printf("  %-22s open and close: %.2f x bare window\n", qPrintable(spec.name), t / bare);
        if (t > slowest) {
            slowest = t;
            slowestName = spec.name;
        }
    }
    std::printf("slowest window open and close: %s, %.2f x bare window (goal <= 2)\n",
                qPrintable(slowestName), slowest / bare);
    return 0;
}
