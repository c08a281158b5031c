#include "app/Program.h"
#include "app/shell/WindowManager.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Ambrelis"));
    // Only closing the main menu ends the program.
    application.setQuitOnLastWindowClosed(false);

    WindowManager manager;
    installWindowManager(&manager);
    registerProgramWindows(manager);
    startProgram(manager);
    return application.exec();
}
