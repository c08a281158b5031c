#include "blend/windows/WhoIsItFor.h"

#include "app/platform/UserFiles.h"
#include "app/shell/MessageBox.h"
#include "blend/logic/PersonFile.h"
#include "safety/SafetyFile.h"

#include <QDir>
#include <QFile>

namespace blend {

namespace {

const QString kSafetyTable = QStringLiteral(":/content/") + safety::SafetyContentFile;

struct Loaded
{
    std::optional<Calculator> calculator;
    QString error;
};

Loaded load()
{
    Loaded loaded;
    // The per-oil limits and the general rules are two sections of one file, read once.
    auto sections = safety::loadSafetySections(kSafetyTable, &loaded.error);
    if (sections)
        loaded.calculator.emplace(std::move(sections->table), std::move(sections->rules));
    return loaded;
}

QString personPath()
{
    return QDir(userfiles::configFolder()).filePath(WhoIsItFor::fileName());
}

} // namespace

const Calculator *sharedCalculator(QString *error)
{
    static const Loaded loaded = load();
    if (error)
        *error = loaded.error;
    return loaded.calculator ? &*loaded.calculator : nullptr;
}

WhoIsItFor &WhoIsItFor::instance()
{
    static WhoIsItFor setting;
    return setting;
}

WhoIsItFor::WhoIsItFor()
{
    reload();
}

QString WhoIsItFor::fileName()
{
    return QStringLiteral("WhoIsItFor.json");
}

void WhoIsItFor::reload()
{
    // A damaged setting reads as unset, so the pages show what they always showed; the user is told, since
    // the marks they relied on are gone. The file stays as it is until the user sets the person again.
    const PersonRead read = readPerson(personPath());
    m_person = read.person;
    if (!read.error.isEmpty())
        messagebox::show(nullptr, QStringLiteral("\"Who is it for?\" could not be read, so no oil is marked "
                                                 "to avoid until it is set again.\n") +
                                      read.error);
    emit changed();
}

void WhoIsItFor::set(const std::optional<safety::Person> &person)
{
    m_person = person;
    if (const auto failed = writePerson(personPath(), person))
        messagebox::show(
            nullptr, QStringLiteral("\"Who is it for?\" could not be kept for the next start.\n") + *failed);
    emit changed();
}

QString WhoIsItFor::avoidReason(const QString &oilName) const
{
    const Calculator *calc = sharedCalculator();
    if (!m_person || !calc)
        return {};
    const safety::OilSafety *oil = calc->table().find(oilName);
    return oil ? avoidText(calc->avoidMarks(*oil, *m_person)) : QString();
}

} // namespace blend
