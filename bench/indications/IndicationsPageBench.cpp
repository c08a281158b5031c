// Prints, as ratios against a bare Qt window shown and idle in the same run: opening the indications page
// until its first record shows, and a list selection until its record shows. Run from the application folder
// that holds Indications.mdb, with QT_QPA_PLATFORM=offscreen or on a desktop.

#include "app/Program.h"
#include "app/shell/WindowManager.h"
#include "bench/common/WindowTiming.h"
#include "indications/windows/frmIndications.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <cstdio>

using benchtiming::medianMicros;
using benchtiming::settle;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    constexpr int Runs = 15;

    const double bare = benchtiming::bareWindowMicros(Runs);

    WindowManager manager;
    installWindowManager(&manager);
    registerProgramWindows(manager);
    startProgram(manager);
    settle();

    const double open = medianMicros(Runs, [&] {
        auto *page = manager.find<frmIndications>(Forms::frmIndications);
        if (page)
            manager.ClosePage(Forms::frmIndications);
        settle();
        manager.OpenPage(Forms::frmIndications);
        settle();
    });
    auto *page = manager.find<frmIndications>(Forms::frmIndications);
    if (!page || !page->data().isOpen()) {
        std::fprintf(stderr, "Indications.mdb did not open; run from the application folder\n");
        return 1;
    }
    auto *list = page->findChild<QListWidget *>(QStringLiteral("lstAfflictions"));
    int row = 0;
    const double select = medianMicros(Runs * 4, [&] {
        row = (row + 97) % list->count(); // spread over the whole list
        list->setCurrentRow(row);
        settle();
    });
    std::printf("bare window shown and idle: %.0f us\n", bare);
    std::printf("indications page open until the first record shows: %.2f x bare window\n", open / bare);
    std::printf("list selection until its record shows: %.2f x bare window\n", select / bare);
    return 0;
}
