// Prints how long the program takes from its start to the main menu's first paint, and how long each window
// of the program takes to open and close, as ratios against a bare Qt program started the same way in the
// same run: a process that creates its application object, shows a bare window of the page size and ends at
// that window's first paint. Both starts are measured in both screen modes (maximised and centred) and report
// the child's peak memory (VmHWM). For a closer look it also prints the in-process figures against a bare
// window alone; repeated in one process, they find the pictures already drawn, as a page opened a second time
// does. Run under an X server (xvfb-run) where one is at hand, otherwise with QT_QPA_PLATFORM=offscreen.

#include "app/Program.h"
#include "app/platform/PlatformServices.h"
#include "app/shell/AppWindow.h"
#include "app/shell/WindowCatalog.h"
#include "app/shell/WindowManager.h"
#include "bench/common/WindowTiming.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using benchtiming::medianMicros;
using benchtiming::settle;

namespace {

const char *const BareChild = "--start-bare-window";
const char *const ProgramChild = "--start-program";
const char *const Maximised = "maximised";
const char *const Centred = "centred";

void startMenu(WindowManager &manager)
{
    installWindowManager(&manager);
    registerProgramWindows(manager);
    startProgram(manager);
    settle();
}

// Ends the event loop once the watched window has been painted for the first time: what a person waits for.
class FirstPaint final : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->isWindow() && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit); // after this paint has been done
        }
        return false;
    }

private:
    bool m_seen = false;
};

// The program's own services, but with an application folder of the benchmark's own that holds the screen
// mode to start in, so that the user's choice is neither read nor changed.
class ModeFolderPlatform final : public DesktopPlatformServices
{
public:
    explicit ModeFolderPlatform(QString folder) : m_folder(std::move(folder)) {}
    QString ApplicationFolder() const override { return m_folder; }

private:
    QString m_folder;
};

// The peak resident memory of this process in kB, from the kernel's account.
long peakMemoryKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Runs in a child process: a start to the first paint of its window, then its peak memory on stdout.
int runChild(const char *kind, const char *mode, int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Ambrelis"));
    app.setQuitOnLastWindowClosed(false);
    const bool maximised = std::strcmp(mode, Maximised) == 0;
    FirstPaint firstPaint;
    app.installEventFilter(&firstPaint);
    QWidget bare;
    WindowManager manager;
    QTemporaryDir folder;
    if (std::strcmp(kind, BareChild) == 0) {
        bare.resize(792, 534);
        if (maximised)
            bare.showMaximized();
        else
            bare.show();
    } else {
        QFile screen(folder.filePath(QStringLiteral("Screen.txt")));
        if (!screen.open(QIODevice::WriteOnly) || screen.write(maximised ? "2" : "0") != 1)
            return 1;
        screen.close();
        setPlatform(std::make_unique<ModeFolderPlatform>(folder.path()));
        installWindowManager(&manager);
        registerProgramWindows(manager);
        startProgram(manager);
    }
    app.exec();
    std::printf("%ld\n", peakMemoryKb());
    return 0;
}

struct StartFigures
{
    double micros;
    long peakKb;
};

// Process start to the first paint and the end of the process, median of several starts; the two kinds of
// start alternate so that a busy spell of the machine weighs on both alike.
std::pair<StartFigures, StartFigures> processStart(int runs, const char *mode)
{
    std::vector<double> bare;
    std::vector<double> program;
    long bareKb = 0;
    long programKb = 0;
    const QString self = QCoreApplication::applicationFilePath();
    auto timeStart = [&](const char *kind, long &peakKb) {
        QElapsedTimer timer;
        timer.start();
        QProcess child;
        child.setProcessChannelMode(QProcess::SeparateChannels);
        child.setReadChannel(QProcess::StandardOutput);
        child.start(self, {QString::fromLatin1(kind), QString::fromLatin1(mode)});
        if (!child.waitForFinished(60000) || child.exitCode() != 0) {
            std::fprintf(stderr, "a timed start failed: %s %s\n", kind, mode);
            std::exit(1);
        }
        const double micros = double(timer.nsecsElapsed()) / 1000.0;
        peakKb = std::max(peakKb, child.readAllStandardOutput().trimmed().toLong());
        return micros;
    };
    for (int i = 0; i < runs; ++i) {
        bare.push_back(timeStart(BareChild, bareKb));
        program.push_back(timeStart(ProgramChild, programKb));
    }
    return {{benchtiming::median(std::move(bare)), bareKb},
            {benchtiming::median(std::move(program)), programKb}};
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 2 && (std::strcmp(argv[1], BareChild) == 0 || std::strcmp(argv[1], ProgramChild) == 0))
        return runChild(argv[1], argv[2], argc, argv);

    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    constexpr int Runs = 15;

    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
    double bareStart = 0;
    for (const char *mode : {Maximised, Centred}) {
        const auto [bareFigures, programFigures] = processStart(9, mode);
        std::printf("%s: bare Qt program to its first paint and end: %.0f us, peak memory %ld kB\n", mode,
                    bareFigures.micros, bareFigures.peakKb);
        std::printf("%s: start to the menu's first paint: %.2f x bare program start (goal <= 1.3), "
                    "peak memory %ld kB (%.2f x bare)\n",
                    mode, programFigures.micros / bareFigures.micros, programFigures.peakKb,
                    double(programFigures.peakKb) / double(std::max(1L, bareFigures.peakKb)));
        if (bareStart == 0)
            bareStart = bareFigures.micros;
    }

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
