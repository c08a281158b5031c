#pragma once

#include <QString>

// Where a document leads, written as the program's place text: the window's form name, then '#' and the spot
// in it (an oil's name, a record's name, an action, a remedy, a section). Logic here knows no windows, so it
// writes the text that the shell reads back into a place.
namespace find {

inline QString placeText(const QString &form, const QString &spot)
{
    return spot.isEmpty() ? form : form + QLatin1Char('#') + spot;
}

} // namespace find
