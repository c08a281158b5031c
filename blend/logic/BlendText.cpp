#include "blend/logic/BlendText.h"

#include <QStringList>

namespace blend {

QString blendText(const QString &title, const Recipe &recipe, const Result &result, const QString &useLabel,
                  const QString &person, double dropsPerMl)
{
    QStringList lines;
    lines << (title.isEmpty() ? QStringLiteral("Blend") : title) << QString();
    lines << QStringLiteral("For: %1").arg(person);
    lines << QStringLiteral("Use: %1").arg(useLabel);
    lines << QStringLiteral("Carrier oil: %1 %2").arg(recipe.carrier.trimmed(), unitName(recipe.unit));
    if (result.carrierMl && recipe.unit != Unit::Ml)
        lines.last() += QStringLiteral(" (%1 ml)").arg(QString::number(*result.carrierMl, 'g', 4));
    lines << QString();
    for (const OilResult &o : result.oils) {
        QString line = QStringLiteral("%1: %2 %3")
                           .arg(o.name)
                           .arg(o.drops)
                           .arg(o.drops == 1 ? QStringLiteral("drop") : QStringLiteral("drops"));
        if (o.percent)
            line += QStringLiteral(", %1").arg(percentText(*o.percent));
        lines << line;
        for (const Mark &m : o.marks)
            lines << QStringLiteral("    %1 (source: %2)").arg(m.reason, m.source);
    }
    lines << QString();
    if (result.totalPercent)
        lines << QStringLiteral("Total: %1").arg(percentText(*result.totalPercent));
    if (result.level)
        lines << QStringLiteral("%1 %2: %3 (source: %4)")
                     .arg(result.totalOver ? QStringLiteral("Over the level:")
                                           : QStringLiteral("Within the level:"),
                          percentText(result.level->percent), result.level->text, result.level->source);
    else if (!result.useNote.isEmpty())
        lines << result.useNote;
    for (const QString &p : result.problems)
        lines << p;
    lines << QString()
          << QStringLiteral("%1 drops make 1 ml; the percentages are of the carrier oil.").arg(dropsPerMl);
    return lines.join(QLatin1Char('\n'));
}

} // namespace blend
