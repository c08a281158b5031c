#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// The catalogue of the maker's programs and books, read from the content set.
namespace catalogue {

struct Product
{
    QString name;
    QString kind; // "Program" or "Book"
    QString picture;
    QString description;
    QString pageUrl;     // absolute, on the maker's web site
    QString downloadUrl; // absolute; empty for books
};

struct Catalogue
{
    QString heading;
    QString introduction;
    QList<Product> products;
    QStringList features;
    QList<QPair<QString, QList<bool>>> marks; // program, one mark per feature
    QString upgrade;
    QString bonus;
};

// Relative addresses of the content are resolved against the maker's web site.
Catalogue parse(const QJsonObject &root, const QString &website);
const Catalogue &current();

} // namespace catalogue
