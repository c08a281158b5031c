// Builds the indications database from the content files:
//   ambrelis_mkmdb <output.mdb> <records.json>...
// Each file is a list of records as content/IndicationRecords.h reads them, with "\n" line breaks and the
// oil list in display form. The file gets CR LF line breaks and the oil lists in their stored
// (letter-encoded) form.

#include "content/IndicationRecords.h"
#include "indications/logic/IndicationsSchema.h"
#include "indications/oillist/OilListCoding.h"
#include "jet/Create.h"

#include <QFile>
#include <QString>
#include <cstdio>

namespace {

QString withCrLf(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

QString fieldText(const content::IndicationRecord &record, indications::Field field)
{
    switch (field) {
    case indications::Field::Indications:
        return record.indications;
    case indications::Field::Oils:
        return record.oils;
    case indications::Field::Method:
        return record.method;
    case indications::Field::Notes:
        return record.notes;
    }
    return {};
}

bool readRecords(const QString &path, std::vector<std::vector<jet::Value>> &rows, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = path + QLatin1String(": ") + file.errorString();
        return false;
    }
    const content::Parsed<QList<content::IndicationRecord>> parsed =
        content::parseIndicationRecords(path, file.readAll());
    if (!parsed.problem.isEmpty()) {
        error = parsed.problem;
        return false;
    }
    for (const content::IndicationRecord &record : parsed.value) {
        std::vector<jet::Value> row;
        for (const indications::Field f : indications::Fields) {
            QString text = withCrLf(fieldText(record, f));
            if (f == indications::Field::Oils) {
                const QString stored = EncodeOilList(text);
                // The page shows what the decoder makes of the stored form: it must be the list as written.
                if (DecodeOilList(stored) != text) {
                    error = path + QLatin1String(": record ") + QString::number(rows.size() + 1) +
                            QLatin1String(": the oil list would not decode back to itself: ") + text;
                    return false;
                }
                text = stored;
            }
            row.push_back(text.isEmpty() ? jet::Value::null() : jet::Value::ofText(text.toStdString()));
        }
        rows.push_back(std::move(row));
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <output.mdb> <records.json>...\n", argv[0]);
        return 2;
    }
    std::vector<std::vector<jet::Value>> rows;
    for (int i = 2; i < argc; ++i) {
        QString error;
        if (!readRecords(QString::fromLocal8Bit(argv[i]), rows, error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
    }
    const jet::Status status = jet::createDatabase(argv[1], indications::tableDefinition(), rows);
    if (!status) {
        std::fprintf(stderr, "%s\n", status.error().message.c_str());
        return 1;
    }
    return 0;
}
