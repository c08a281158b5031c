#include "RecordingPlatform.h"

#include <QDir>

void RecordingPlatform::ShellOpen(QWidget *, const QString &verb, const QString &target)
{
    opened << verb + QLatin1Char('|') + target;
}

std::optional<qint64> RecordingPlatform::StartProgram(const QString &program, const QStringList &arguments,
                                                      WindowStyle style)
{
    started.push_back({program, arguments, style});
    if (!startSucceeds)
        return std::nullopt;
    return qint64(started.size());
}

QString RecordingPlatform::ProgramFilePath() const
{
    return QDir(m_folder).filePath(QStringLiteral("Ambrelis"));
}
