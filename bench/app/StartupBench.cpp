// Prints how long the program takes from its start to the main menu shown and idle, and how long each window
// of the program takes to open and close, as ratios against a bare Qt program started the same way in the
// same run: a process that creates its application object, shows a bare window of the page size, waits until
// it is idle and ends. For a closer look it also prints the in-process figures against a bare window alone;
// repeated in one process, they find the pictures already drawn, as a page opened a second time does.
// Run with QT_QPA_PLATFORM=offscreen (or on a desktop).

#include "app/Program.h"
#include "app/shell/AppWindow.h"
#include "app/shell/WindowCatalog.h"
#include "app/shell/WindowManager.h"
#include "bench/common/WindowTiming.h"

#include <QApplication>
#include <QProcess>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using benchtiming::medianMicros;
using benchtiming::settle;

namespace {

const char *const BareChild = "--start-bare-window";
const char *const ProgramChild = "--start-program";

void startMenu(WindowManager &manager)
{
    installWindowManager(&manager);
    registerProgramWindows(manager);
    startProgram(manager);
    settle();
}

// Runs in a child process: what a start measures, then the end of the process.
int runChild(const char *mode, int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Ambrelis"));
    app.setQuitOnLastWindowClosed(false);
    if (std::strcmp(mode, BareChild) == 0) {
        QWidget window;
        window.resize(792, 534);
        window.show();
        settle();
        return 0;
    }
    WindowManager manager;
    startMenu(manager);
    return 0;
}

// Process start to process end, median of several starts; the two kinds of start alternate so that a busy
// spell of the machine weighs on both alike.
std::pair<double, double> processStartMicros(int runs)
{
    std::vector<double> bare;
    std::vector<double> program;
    const QString self = QCoreApplication::applicationFilePath();
    auto timeStart = [&](const char *mode) {
        QElapsedTimer timer;
        timer.start();
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(self, {QString::fromLatin1(mode)});
        if (!child.waitForFinished(60000) || child.exitCode() != 0) {
            std::fprintf(stderr, "a timed start failed: %s\n", mode);
            std::exit(1);
        }
        return double(timer.nsecsElapsed()) / 1000.0;
    };
    for (int i = 0; i < runs; ++i) {
        bare.push_back(timeStart(BareChild));
        program.push_back(timeStart(ProgramChild));
    }
    return {benchtiming::median(std::move(bare)), benchtiming::median(std::move(program))};
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && (std::strcmp(argv[1], BareChild) == 0 || std::strcmp(argv[1], ProgramChild) == 0))
        return runChild(argv[1], argc, argv);

    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    constexpr int Runs = 15;

    const auto [bareStart, programStart] = processStartMicros(9);
    std::printf("bare Qt program started, window shown and idle, ended: %.0f us\n", bareStart);
    std::printf("start to menu shown and idle: %.2f x bare program start (goal <= 1.3)\n",
                programStart / bareStart);

    const double bare = benchtiming::bareWindowMicros(Runs);
    const double menu = medianMicros(Runs, [] {
        WindowManager manager;
        startMenu(manager);
    });
    std::printf("in process, pictures drawn before: bare window shown and idle %.0f us; menu %.2f x that\n",
                bare, menu / bare);

    WindowManager manager;
    startMenu(manager);
    double slowest = 0;
    QString slowestName;
    std::printf("window open and close, as ratios against the bare program start (and the bare window):\n");
    for (const WindowSpec &spec : windowCatalog()) {
        if (spec.name == QLatin1String("frmMenu"))
            continue;
        const double t = medianMicros(5, [&] {
            manager.OpenPage(spec.name);
            settle();
            manager.ClosePage(spec.name);
            settle();
        });
        std::printf("  %-22s %.2f  (%.2f)\n", qPrintable(spec.name), t / bareStart, t / bare);
        if (t > slowest) {
            slowest = t;
            slowestName = spec.name;
        }
    }
    std::printf(
        "slowest window open and close: %s, %.2f x bare program start (goal <= 2); %.2f x bare window\n",
        qPrintable(slowestName), slowest / bareStart, slowest / bare);
    return 0;
}
