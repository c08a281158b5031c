// Prints how long the program takes from its start to the main menu's first paint, and how long each window
// of the program takes to open and close, as ratios against a bare Qt program started the same way in the
// same run: a process that creates its application object and shows a bare window of the page size. Each
// child reports its first paint on a pipe, where the clock stops; starts of the two alternate, in fresh
// processes, in both screen modes (maximised and centred), with the child's peak memory (VmHWM) at the first
// paint and once the pictures are drawn. For a closer look it also prints the in-process figures against a
// bare window alone; repeated in one process, they find the pictures already drawn, as a page opened a second
// time does. Run under an X server with a window manager (/work/shared/tools/xsession.sh, or xvfb-run) where
// one is at hand, otherwise with QT_QPA_PLATFORM=offscreen.

#include "app/EarlyReading.h"
#include "app/Program.h"
#include "app/platform/PlatformServices.h"
#include "app/shell/AppWindow.h"
#include "app/shell/WindowCatalog.h"
#include "app/shell/WindowManager.h"
#include "bench/common/ProcessMemory.h"
#include "bench/common/WindowTiming.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

using benchtiming::medianMicros;
using benchtiming::settle;

namespace {

const char *const BareChild = "--start-bare-window";
const char *const ProgramChild = "--start-program";
const char *const StartsOnly = "--starts-only"; // leaves out the in-process figures
const char *const Against = "--against";        // followed by another build's start-up benchmark
const char *const Maximised = "maximised";
const char *const Centred = "centred";

void startMenu(WindowManager &manager)
{
    installWindowManager(&manager);
    registerProgramWindows(manager);
    startProgram(manager);
    settle();
}

long peakMemoryKb()
{
    return benchmemory::statusKb("VmHWM");
}

// Tells the parent, the moment the first window has been painted (what a person waits for), with the peak
// memory so far; the parent's clock stops when it reads this line, so the end of the process is not timed.
// The event loop then ends.
class FirstPaint final : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->isWindow() && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, qApp, [] { // after this paint has been done
                std::printf("%ld\n", peakMemoryKb());
                std::fflush(stdout);
                QCoreApplication::quit();
            });
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

// Runs in a child process: a start to the first paint of its window; its peak memory goes to stdout.
int runChild(const char *kind, const char *mode, int argc, char *argv[])
{
    // The program's start reads what it can on a thread from its first line, as main() does.
    std::optional<EarlyReading> early;
    if (std::strcmp(kind, ProgramChild) == 0)
        early.emplace();
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
        early->finish();
        installWindowManager(&manager);
        registerProgramWindows(manager);
        startProgram(manager);
    }
    app.exec();
    // Then the peak once the pictures that were drawn after the first paint are shown too.
    QThreadPool::globalInstance()->waitForDone();
    settle();
    std::printf("%ld\n", peakMemoryKb());
    return 0;
}

struct StartFigures
{
    double micros;
    long peakKb;        // at the first paint
    long settledPeakKb; // once the pictures are drawn as well
};

// One start of a child (this benchmark, or another build's, started as a child) to its first paint, in
// microseconds; the child's peak memory goes into figures.
double timeChildStart(const QString &program, const char *kind, const char *mode, StartFigures &figures)
{
    QElapsedTimer timer;
    timer.start();
    QProcess child;
    child.setProcessChannelMode(QProcess::SeparateChannels);
    child.setReadChannel(QProcess::StandardOutput);
    child.start(program, {QString::fromLatin1(kind), QString::fromLatin1(mode)});
    while (!child.canReadLine() && child.waitForReadyRead(60000)) {
    }
    const double micros = double(timer.nsecsElapsed()) / 1000.0;
    const bool painted = child.canReadLine();
    const bool ended = child.waitForFinished(60000);
    if (!painted || !ended || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
        // Why it failed tells a window that was never painted from a child that did not end or crashed.
        std::fprintf(stderr, "a timed start failed: %s %s %s (%s; %s, exit code %d)\n%s", qPrintable(program),
                     kind, mode, painted ? "painted" : "no first paint within 60 s",
                     !ended                                      ? "did not end"
                     : child.exitStatus() == QProcess::CrashExit ? "crashed"
                                                                 : "ended",
                     child.exitCode(), child.readAllStandardError().constData());
        std::exit(1);
    }
    const QList<QByteArray> peaks = child.readAllStandardOutput().split('\n');
    figures.peakKb = std::max(figures.peakKb, peaks.value(0).trimmed().toLong());
    figures.settledPeakKb = std::max(figures.settledPeakKb, peaks.value(1).trimmed().toLong());
    return micros;
}

// Process start to the first paint, median of several starts; the two kinds of start alternate, and so does
// which of a pair starts first, so that a busy spell of the machine weighs on both alike.
std::pair<StartFigures, StartFigures> processStart(int runs, const char *mode)
{
    std::vector<double> bare;
    std::vector<double> program;
    StartFigures bareFigures{0, 0, 0};
    StartFigures programFigures{0, 0, 0};
    const QString self = QCoreApplication::applicationFilePath();
    auto timeStart = [&](const char *kind, StartFigures &figures) {
        return timeChildStart(self, kind, mode, figures);
    };
    for (int i = 0; i < runs; ++i) {
        if (i % 2 == 0)
            bare.push_back(timeStart(BareChild, bareFigures));
        program.push_back(timeStart(ProgramChild, programFigures));
        if (i % 2 == 1)
            bare.push_back(timeStart(BareChild, bareFigures));
    }
    // The spread of the pairs' own ratios shows how much the machine's load moved the figures.
    std::vector<double> ratios;
    for (int i = 0; i < runs; ++i)
        ratios.push_back(program[i] / bare[i]);
    std::sort(ratios.begin(), ratios.end());
    std::printf("%s: ratios of the %d pairs from %.2f to %.2f, their median %.2f\n", mode, runs,
                ratios.front(), ratios.back(), benchtiming::median(ratios));
    bareFigures.micros = benchtiming::median(std::move(bare));
    programFigures.micros = benchtiming::median(std::move(program));
    return {bareFigures, programFigures};
}

// This build's program against another build's (its start-up benchmark, given by path): start to the menu's
// first paint in alternating pairs of fresh processes, in both screen modes, the first of a pair taking
// turns.
int compareWithOtherBuild(const QString &other)
{
    constexpr int Pairs = 15;
    const QString self = QCoreApplication::applicationFilePath();
    for (const char *mode : {Maximised, Centred}) {
        std::vector<double> theirs;
        std::vector<double> ours;
        std::vector<double> ratios;
        StartFigures theirFigures{0, 0, 0};
        StartFigures ourFigures{0, 0, 0};
        for (int i = 0; i < Pairs; ++i) {
            if (i % 2 == 0)
                theirs.push_back(timeChildStart(other, ProgramChild, mode, theirFigures));
            ours.push_back(timeChildStart(self, ProgramChild, mode, ourFigures));
            if (i % 2 == 1)
                theirs.push_back(timeChildStart(other, ProgramChild, mode, theirFigures));
            ratios.push_back(ours.back() / theirs.back());
        }
        std::sort(ratios.begin(), ratios.end());
        const double oursMedian = benchtiming::median(ours);
        const double theirsMedian = benchtiming::median(theirs);
        std::printf("%s: start to the menu's first paint, this build %.0f us, the other %.0f us: %.2f x "
                    "(median of the %d pairs' own ratios %.2f, from %.2f to %.2f); peak memory %ld kB, the "
                    "other %ld kB\n",
                    mode, oursMedian, theirsMedian, oursMedian / theirsMedian, Pairs,
                    benchtiming::median(ratios), ratios.front(), ratios.back(), ourFigures.peakKb,
                    theirFigures.peakKb);
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 2 && (std::strcmp(argv[1], BareChild) == 0 || std::strcmp(argv[1], ProgramChild) == 0))
        return runChild(argv[1], argv[2], argc, argv);

    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    if (argc > 2 && std::strcmp(argv[1], Against) == 0)
        return compareWithOtherBuild(QString::fromLocal8Bit(argv[2]));
    constexpr int Runs = 15;
    // The pairs' ratios spread from about 1.0 to 1.8 on a desktop machine; the median of this many keeps a
    // run's figure within a few hundredths of the next run's.
    constexpr int StartPairs = 21;

    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
    double bareStart = 0;
    for (const char *mode : {Maximised, Centred}) {
        const auto [bareFigures, programFigures] = processStart(StartPairs, mode);
        std::printf("%s: bare Qt program to its first paint: %.0f us, peak memory %ld kB\n", mode,
                    bareFigures.micros, bareFigures.peakKb);
        std::printf("%s: start to the menu's first paint: %.2f x bare program start (goal <= 1.3), "
                    "peak memory %ld kB (%.2f x bare; goal <= 1.3), %ld kB once its pictures are drawn\n",
                    mode, programFigures.micros / bareFigures.micros, programFigures.peakKb,
                    double(programFigures.peakKb) / double(std::max(1L, bareFigures.peakKb)),
                    programFigures.settledPeakKb);
        if (bareStart == 0)
            bareStart = bareFigures.micros;
    }
    if (argc > 1 && std::strcmp(argv[1], StartsOnly) == 0)
        return 0;

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
        if (spec.name == Forms::frmMenu)
            continue;
        const double t = medianMicros(5, [&] {
            manager.OpenPage(spec.name);
            settle();
            manager.ClosePage(spec.name);
            settle();
        });
        std::printf("  %-22s %.2f  (%.2f)\n", qPrintable(spec.name.name()), t / bareStart, t / bare);
        if (t > slowest) {
            slowest = t;
            slowestName = spec.name.name();
        }
    }
    std::printf(
        "slowest window open and close: %s, %.2f x bare program start (goal <= 2); %.2f x bare window\n",
        qPrintable(slowestName), slowest / bareStart, slowest / bare);
    return 0;
}
