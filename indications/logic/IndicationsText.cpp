#include "indications/logic/IndicationsText.h"

#include "content/IndicationRecords.h"

namespace indications {

QStringList afflictionListEntries()
{
    QStringList entries;
    for (const QString &name : content::afflictionNames())
        entries << QLatin1Char(' ') + name;
    return entries;
}

QString criteriaForEntry(const QString &entry)
{
    QString name = entry.trimmed();
    name.replace(QLatin1Char('\''), QLatin1String("''"));
    return QStringLiteral("[Indications] = '") + name + QLatin1Char('\'');
}

QString buildPrintText(const PrintFields &f)
{
    const QString nl = QStringLiteral("\r\n");
    return nl + QStringLiteral("Affliction: ") + nl + toCrLf(f.affliction) + nl + nl +
           QStringLiteral("Essential Oils:") + nl + toCrLf(f.oils) + nl + nl +
           QStringLiteral("Methods of Application: ") + nl + toCrLf(f.method) + nl + nl +
           QStringLiteral("Notes: ") + nl + toCrLf(f.notes) + nl + nl;
}

QString toCrLf(const QString &text)
{
    QString result = fromCrLf(text);
    return result.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

QString fromCrLf(const QString &text)
{
    QString result = text;
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

} // namespace indications
