#pragma once

#include <QString>

// A place inside the program: a window and, optionally, a spot in it (an oil's row on its profile page, an
// indication's record, an action, a remedy, a section of a page). Search results and links carry places as
// text, "form#spot", so that logic that knows nothing of windows can name where something is.
struct Place
{
    QString form; // the window's form name
    QString spot; // what the window should show; empty for the window as it opens

    QString toText() const;
    // Splits at the first '#': form names never hold one, spots may.
    static Place fromText(const QString &text);

    friend bool operator==(const Place &, const Place &) = default;
};
