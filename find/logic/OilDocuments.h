#pragma once

#include "content/OilBook.h"
#include "find/logic/SearchIndex.h"

// The oil profiles as documents of the index.
namespace find {

inline const QString OilsKind = QStringLiteral("Oils");

// One document for each row of the book; its target is the page's form and the oil's name, "form#name", which
// is where opening it leads: that page with that row marked.
QList<Document> oilDocuments(const content::OilBook &book);

} // namespace find
