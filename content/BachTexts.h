#pragma once

#include "content/ContentReader.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The Bach flower remedies page's texts: the 38 remedies (bach/remedies.json), the history and references
// panels (bach/history.json, bach/references.json) and the Rescue Remedy frame (bach/rescue.json). Which
// column a remedy stands in and which box shows a panel belong to the page's design.
namespace content {

struct BachRemedy
{
    QString label; // the remedy's label on the page
    QString name;
    QString stateOfMind;
    QString autosuggestion;
};

// The Rescue Remedy frame's two sentences.
struct RescueTexts
{
    QString combines;   // Label40: the remedies it combines
    QString situations; // Label41: when it is suggested
};

inline const QString BachRemediesFile = QStringLiteral("bach/remedies.json");
inline const QString BachHistoryFile = QStringLiteral("bach/history.json");
inline const QString BachReferencesFile = QStringLiteral("bach/references.json");
inline const QString RescueFile = QStringLiteral("bach/rescue.json");

// In the page's order: the left column from the top, then the right one.
Parsed<QList<BachRemedy>> parseBachRemedies(const QByteArray &json);
// A panel's lines, each shown on a line of its own.
Parsed<QStringList> parseBachHistory(const QByteArray &json);
Parsed<QStringList> parseBachReferences(const QByteArray &json);
Parsed<RescueTexts> parseRescue(const QByteArray &json);

// The compiled-in texts.
const QList<BachRemedy> &bachRemedies();
const QStringList &bachHistory();
const QStringList &bachReferences();
const RescueTexts &rescueTexts();

} // namespace content
