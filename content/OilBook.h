#pragma once

#include "content/ContentReader.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// The essential-oil quick reference (oils/pages.json): fifteen pages of three-column tables. The pages'
// captions and chain buttons belong to the window catalogue, their links to the main menu's design.
namespace content {

struct OilRow
{
    QString name;           // the common name exactly as listed
    QStringList nameLines;  // the name as shown on several lines; empty when it is shown on one
    QStringList otherNames; // further names that the other texts of the content use for this oil
    QString botanical;      // empty for the one oil shown without a Latin name
    QString actions;
    QString indications;
};

struct OilPage
{
    QString form; // the window's name
    QString heading;
    QStringList columnHeadings;
    std::vector<OilRow> rows;
};

struct OilBook
{
    QStringList rowBackgrounds; // "#rrggbb", repeated in turn from the first row down
    std::vector<OilPage> pages; // in book order
};

inline const QString OilBookFile = QStringLiteral("oils/pages.json");

Parsed<OilBook> parseOilBook(const QByteArray &json);
// The compiled-in book.
const OilBook &oilBook();

} // namespace content
