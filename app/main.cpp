#include "app/EarlyReading.h"
#include "app/Program.h"
#include "app/script/ScriptedRun.h"
#include "app/shell/WindowManager.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

int main(int argc, char *argv[])
{
    EarlyReading early; // while the application object connects to the display
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Ambrelis"));
    // Only closing the main menu ends the program.
    application.setQuitOnLastWindowClosed(false);

    QCommandLineParser arguments;
    const QCommandLineOption scriptOption(QStringLiteral("script"),
                                          QStringLiteral("Drives the windows by the commands in <file>."),
                                          QStringLiteral("file"));
    arguments.addOption(scriptOption);
    arguments.process(application);
    script::Script script;
    if (arguments.isSet(scriptOption)) {
        script = script::read(arguments.value(scriptOption));
        if (!script.error.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(script.error));
            return 2;
        }
        // Before the start, which may already have something to tell.
        script::captureMessages();
    }

    early.finish();
    WindowManager manager;
    installWindowManager(&manager);
    registerProgramWindows(manager);
    startProgram(manager);
    if (arguments.isSet(scriptOption))
        script::start(std::move(script.steps));
    return application.exec();
}
