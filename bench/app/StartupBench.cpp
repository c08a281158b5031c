// Prints how long the main menu takes to be shown and idle, and how long each window of the program takes to
// open and close, as ratios against a bare Qt window shown the same way in the same run.
// Run with QT_QPA_PLATFORM=offscreen (or on a desktop).

#include "app/Program.h"
#include "app/shell/AppWindow.h"
#include "app/shell/WindowCatalog.h"
#include "app/shell/WindowManager.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Runs the event loop until every pending event (painting and deferred deletes included) has been handled.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Median of several runs, in microseconds.
double medianMicros(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1000.0);
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[runs / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    constexpr int Runs = 15;

    // The yardstick: a bare window of the page size, shown and idle, then gone.
    const double bare = medianMicros(Runs, [] {
        auto window = std::make_unique<QWidget>();
        window->resize(792, 534);
        window->show();
        settle();
    });

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
