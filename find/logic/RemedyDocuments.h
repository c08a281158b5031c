#pragma once

#include "app/shell/FormId.h"
#include "content/BachTexts.h"
#include "find/logic/SearchIndex.h"

// The Bach flower remedies and the page's other views as documents of the index.
namespace find {

inline const QString RemediesKind = QStringLiteral("Bach remedies");
inline const QString RemediesForm = Forms::frmBachFlowers.name();
// The spots of the page's two text views; a remedy's spot is its name.
inline const QString HistorySpot = QStringLiteral("History");
inline const QString ReferencesSpot = QStringLiteral("References");

// One document for each remedy ("frmBachFlowers#name": its view), one for each text view.
QList<Document> remedyDocuments(const QList<content::BachRemedy> &remedies, const QStringList &history,
                                const QStringList &references);

} // namespace find
