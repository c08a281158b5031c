#pragma once

#include "find/logic/SearchIndex.h"

#include <QJsonObject>

// The reference pages (safety rules, basic information, base oils, antioxidants) as documents of the index,
// one for each section of a page.
namespace find {

inline const QString PagesKind = QStringLiteral("Pages");

// A page of text blocks (one page of reference/safety.json, or reference/information.json): one document for
// each heading and the blocks below it, "form#heading". Text above the first heading goes with the page
// itself, "form", under untitled.
QList<Document> textPageDocuments(const QJsonObject &page, const QString &untitled);

// reference/baseoils.json: one document for each base oil, "form#name" of the page that lists it.
QList<Document> baseOilDocuments(const QJsonObject &book);

// reference/antioxidants.json: the page's introduction ("frmAntioxidants") and one document for each oil and
// food with its value ("frmAntioxidants#name").
QList<Document> antioxidantDocuments(const QJsonObject &page);

} // namespace find
