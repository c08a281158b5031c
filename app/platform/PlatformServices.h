#pragma once

#include <QString>
#include <memory>
#include <optional>

class QWidget;

// Everything the program asks of the operating system goes through this interface, so that the rest of the
// code stays portable and tests can record what would have been opened or started.
class PlatformServices
{
public:
    enum class WindowStyle { Normal = 1, MinimizedWithFocus = 2 };

    virtual ~PlatformServices() = default;

    // Opens a document or a web address with the user's default program; returns at once, result unchecked.
    virtual void ShellOpen(QWidget *owner, const QString &verb, const QString &target) = 0;
    // Starts a program; returns a task identifier, or nothing when it could not be started.
    virtual std::optional<qint64> StartProgram(const QString &program, const QStringList &arguments,
                                               WindowStyle style) = 0;
    // Brings the started program's window to the front, as far as the desktop allows.
    virtual void ActivateTask(qint64 taskId) = 0;
    // Full path of the running program file.
    virtual QString ProgramFilePath() const = 0;
    // The bare file name as the file system spells it when the file exists (letter case ignored in the
    // lookup, as on the program's original platform), else an empty text.
    virtual QString ListFile(const QString &path) const = 0;
    // True when the file exists.
    virtual bool FileAttributes(const QString &path) const = 0;
    virtual bool SetCurrentFolder(const QString &folder) = 0;
    virtual QString CurrentFolder() const = 0;
    // The folder that holds the program file. Where the user's files lie is decided in UserFiles.h.
    virtual QString ApplicationFolder() const = 0;
};

// The services of the desktop the program runs on.
class DesktopPlatformServices : public PlatformServices
{
public:
    void ShellOpen(QWidget *owner, const QString &verb, const QString &target) override;
    std::optional<qint64> StartProgram(const QString &program, const QStringList &arguments,
                                       WindowStyle style) override;
    void ActivateTask(qint64 taskId) override;
    QString ProgramFilePath() const override;
    QString ListFile(const QString &path) const override;
    bool FileAttributes(const QString &path) const override;
    bool SetCurrentFolder(const QString &folder) override;
    QString CurrentFolder() const override;
    QString ApplicationFolder() const override;
};

// The services in use. Tests install a recorder with setPlatform().
PlatformServices &platform();
// Installs new services and returns the previous ones (never null).
std::unique_ptr<PlatformServices> setPlatform(std::unique_ptr<PlatformServices> services);
