#include "safety/SafetyFile.h"

#include "safety/SafetySections.h"

#include <QFile>

namespace safety {

namespace {

std::optional<QByteArray> bytesOf(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = path + QStringLiteral(": cannot be read");
        return std::nullopt;
    }
    return file.readAll();
}

template <typename T> using SectionReader = QString (*)(content::ObjectReader &, const QString &, T *);

// One section of the file at path. The rule a section breaks comes before a misspelt key, so that a figure
// without its source is named as such even when a key beside it is misspelt too.
template <typename T> std::optional<T> loadSection(const QString &path, QString *error, SectionReader<T> read)
{
    const std::optional<QByteArray> bytes = bytesOf(path, error);
    if (!bytes)
        return std::nullopt;
    T value;
    QString problem;
    {
        content::ObjectReader root(path, *bytes);
        problem = root.problem();
        if (problem.isEmpty())
            problem = read(root, path, &value);
        root.leaveOthers();
        if (problem.isEmpty())
            problem = root.problem();
    }
    if (!problem.isEmpty()) {
        *error = problem;
        return std::nullopt;
    }
    return value;
}

} // namespace

content::Parsed<SafetySections> parseSafetySections(const QString &file, const QByteArray &json)
{
    content::Parsed<SafetySections> parsed;
    content::ObjectReader root(file, json);
    if (!root.problem().isEmpty()) {
        parsed.problem = root.problem();
        return parsed;
    }
    parsed.problem = readSafetyTable(root, file, &parsed.value.table);
    const QString rulesProblem = readDilutionRules(root, file, &parsed.value.rules);
    if (parsed.problem.isEmpty())
        parsed.problem = rulesProblem;
    root.finish();
    if (parsed.problem.isEmpty())
        parsed.problem = root.problem();
    return parsed;
}

std::optional<SafetySections> loadSafetySections(const QString &path, QString *error)
{
    const std::optional<QByteArray> bytes = bytesOf(path, error);
    if (!bytes)
        return std::nullopt;
    content::Parsed<SafetySections> parsed = parseSafetySections(path, *bytes);
    if (!parsed.problem.isEmpty()) {
        *error = parsed.problem;
        return std::nullopt;
    }
    return std::move(parsed.value);
}

std::optional<SafetyTable> loadSafetyTable(const QString &path, QString *error)
{
    return loadSection<SafetyTable>(path, error, &readSafetyTable);
}

std::optional<DilutionRules> loadDilutionRules(const QString &path, QString *error)
{
    return loadSection<DilutionRules>(path, error, &readDilutionRules);
}

} // namespace safety
