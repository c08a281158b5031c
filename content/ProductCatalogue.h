#pragma once

#include "content/ContentReader.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// The catalogue of the maker's programs and books (catalogue/catalogue.json).
namespace content {

struct Product
{
    QString name;
    QString kind; // "Program" or "Book"
    QString picture;
    QString description;
    QString pageUrl;     // as the file gives it: relative to the maker's web site until resolved
    QString downloadUrl; // likewise; empty for books
};

struct ProductCatalogue
{
    QString heading;
    QString introduction;
    QList<Product> products;
    QStringList features;
    QList<QPair<QString, QList<bool>>> marks; // program, one mark per feature; in catalogue order
    QString upgrade;
    QString bonus;
};

inline const QString ProductCatalogueFile = QStringLiteral("catalogue/catalogue.json");

// A program's marks are keyed by its name, so a mark row for a name the catalogue does not list is a problem.
Parsed<ProductCatalogue> parseProductCatalogue(const QByteArray &json);

} // namespace content
