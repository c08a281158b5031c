#include "indications/logic/OilIndications.h"

#include "indications/logic/IndicationsSchema.h"
#include "indications/oillist/OilListCoding.h"
#include "jet/Database.h"

#include <algorithm>

namespace indications {

std::optional<QStringList> indicationsNaming(const content::OilProfile &oil, const QString &databasePath,
                                             QString *error)
{
    const auto fail = [&](const std::string &detail) {
        *error = QStringLiteral("The indications could not be read from %1: %2")
                     .arg(databasePath, QString::fromStdString(detail));
        return std::nullopt;
    };
    auto db = jet::Database::open(databasePath.toStdString());
    if (!db)
        return fail(db.error().message);
    auto table = (*db)->readTable(TableName);
    if (!table)
        return fail(table.error().message);
    const auto columnOf = [&](Field field) {
        const auto &columns = table->columns;
        const auto found = std::find_if(columns.begin(), columns.end(),
                                        [&](const jet::Column &c) { return c.name == fieldName(field); });
        return found == columns.end() ? -1 : int(found - columns.begin());
    };
    const int nameColumn = columnOf(Field::Indications);
    const int oilsColumn = columnOf(Field::Oils);
    if (nameColumn < 0 || oilsColumn < 0)
        return fail("the table has no Indications or no Oils column");

    const content::OilLinks &links = content::oilLinks();
    QStringList names;
    for (const std::vector<jet::Value> &row : table->rows) {
        const QString oils = DecodeOilList(QString::fromStdString(row[size_t(oilsColumn)].text));
        const auto mentions = links.mentionsIn(oils);
        if (std::any_of(mentions.begin(), mentions.end(),
                        [&](const content::OilMention &m) { return m.profile && *m.profile == oil; }))
            names << QString::fromStdString(row[size_t(nameColumn)].text);
    }
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return names;
}

} // namespace indications
