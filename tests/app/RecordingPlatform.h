#pragma once

#include "app/platform/PlatformServices.h"

#include <QStringList>

// Platform services for tests: real file look-ups, but the application folder is a folder of the test's
// choosing and nothing is ever opened or started, only recorded.
class RecordingPlatform final : public PlatformServices
{
public:
    explicit RecordingPlatform(QString applicationFolder) : m_folder(std::move(applicationFolder)) {}

    struct Started
    {
        QString program;
        QStringList arguments;
        WindowStyle style;
    };
    QStringList opened; // "verb|target"
    std::vector<Started> started;
    bool startSucceeds = true;

    void ShellOpen(QWidget *owner, const QString &verb, const QString &target) override;
    std::optional<qint64> StartProgram(const QString &program, const QStringList &arguments,
                                       WindowStyle style) override;
    void ActivateTask(qint64) override {}
    QString ProgramFilePath() const override;
    QString ListFile(const QString &path) const override { return m_real.ListFile(path); }
    bool FileAttributes(const QString &path) const override { return m_real.FileAttributes(path); }
    bool SetCurrentFolder(const QString &folder) override { return m_real.SetCurrentFolder(folder); }
    QString CurrentFolder() const override { return m_real.CurrentFolder(); }
    QString ApplicationFolder() const override { return m_folder; }

private:
    QString m_folder;
    DesktopPlatformServices m_real;
};
