#include "shared/Place.h"

namespace {
constexpr QChar separator = QLatin1Char('#');
}

QString Place::toText() const
{
    return spot.isEmpty() ? form : form + separator + spot;
}

Place Place::fromText(const QString &text)
{
    const qsizetype at = text.indexOf(separator);
    if (at < 0)
        return {text, {}};
    return {text.left(at), text.mid(at + 1)};
}
