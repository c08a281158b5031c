#pragma once

#include "find/logic/SearchIndex.h"

#include <QJsonObject>

// The Bach flower remedies and the page's other views as documents of the index.
namespace find {

inline const QString RemediesKind = QStringLiteral("Bach remedies");
inline const QString RemediesForm = QStringLiteral("frmBachFlowers");
// The spots of the page's two text views; a remedy's spot is its name.
inline const QString HistorySpot = QStringLiteral("History");
inline const QString ReferencesSpot = QStringLiteral("References");

// remedies: bach/remedies.json; history and references: bach/history.json and bach/references.json.
// One document for each remedy ("frmBachFlowers#name": its view), one for each text view.
QList<Document> remedyDocuments(const QJsonObject &remedies, const QJsonObject &history,
                                const QJsonObject &references);

} // namespace find
