#pragma once

#include "RecordingPlatform.h"
#include "app/Program.h"
#include "app/platform/FontConfiguration.h"
#include "app/shell/DesignProperties.h"
#include "app/shell/MessageBox.h"
#include "app/shell/WindowManager.h"

#include <QFile>
#include <QTemporaryDir>
#include <memory>

// A fresh program for one test: its own application folder, a recording platform, a window manager with every
// window of the program registered, and message boxes captured instead of shown.
struct ShellFixture
{
    QTemporaryDir folder;
    RecordingPlatform *os = nullptr;
    std::unique_ptr<PlatformServices> previous;
    std::unique_ptr<WindowManager> manager;
    QStringList messages;

    ShellFixture()
    {
        auto recording = std::make_unique<RecordingPlatform>(folder.path());
        os = recording.get();
        previous = setPlatform(std::move(recording));
        // As the program's start does: the design's texts ask for the family the system shows for it.
        setDesignFamilyShown(familyShownFor(designFamily()));
        manager = std::make_unique<WindowManager>();
        installWindowManager(manager.get());
        registerProgramWindows(*manager);
        messagebox::setHandler([this](const QString &text) { messages << text; });
    }
    ~ShellFixture()
    {
        messagebox::setHandler({});
        messagebox::setAnswerer({});
        manager.reset();
        setPlatform(std::move(previous));
        setDesignFamilyShown(QString());
    }
    ShellFixture(const ShellFixture &) = delete;
    ShellFixture &operator=(const ShellFixture &) = delete;

    void writeFile(const QString &name, const QByteArray &bytes) const
    {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
};
