// Prints the program's resident memory while a page is opened, shown with its pictures, and closed fifty
// times, for the indications page and an oil page: after the first few cycles it should stay flat (goal:
// cycle 50 within 2 MB of cycle 5). Runs from the application folder, under an X server or with
// QT_QPA_PLATFORM=offscreen.

#include "app/Program.h"
#include "app/shell/WindowManager.h"
#include "bench/common/ProcessMemory.h"
#include "bench/common/WindowTiming.h"

#include <QApplication>
#include <QThreadPool>
#include <cstdio>
#include <cstdlib>

using benchtiming::settle;

namespace {

constexpr int Cycles = 50;
constexpr int Settled = 5;
constexpr long GoalKb = 2 * 1024;

// Opens and closes the page, with its pictures drawn in between; returns the growth in kB from cycle 5 to 50.
long cycle(WindowManager &manager, FormId page)
{
    long settledKb = 0;
    long lastKb = 0;
    for (int i = 1; i <= Cycles; ++i) {
        if (!manager.OpenPage(page)) {
            std::fprintf(stderr, "%s did not open; run from the application folder\n",
                         qPrintable(page.name()));
            std::exit(1);
        }
        settle();
        QThreadPool::globalInstance()->waitForDone();
        settle();
        manager.ClosePage(page);
        settle();
        lastKb = benchmemory::statusKb("VmRSS");
        if (i == Settled)
            settledKb = lastKb;
        if (i == 1 || i == Settled || i % 10 == 0)
            std::printf("  %-18s cycle %2d: %ld kB\n", qPrintable(page.name()), i, lastKb);
    }
    return lastKb - settledKb;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    WindowManager manager;
    installWindowManager(&manager);
    registerProgramWindows(manager);
    startProgram(manager);
    settle();
    std::printf("platform: %s; menu shown: %ld kB\n", qPrintable(QGuiApplication::platformName()),
                benchmemory::statusKb("VmRSS"));
    for (const FormId page : {Forms::frmIndications, Forms::frmEssentialOils1}) {
        const long growth = cycle(manager, page);
        std::printf("%s: memory from cycle %d to %d grew %ld kB (goal <= %ld)\n", qPrintable(page.name()),
                    Settled, Cycles, growth, GoalKb);
    }
    return 0;
}
