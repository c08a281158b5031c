#pragma once

#include "content/OilBook.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

// A JSON object of the content set. On failure *problem names the file and what is wrong with it, so a broken
// file is reported with its own path.
inline QJsonObject readContentObject(const QString &path, QString *problem)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *problem = f.fileName() + QStringLiteral(": cannot be read");
        return {};
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &error);
    if (!doc.isObject())
        *problem = f.fileName() + QStringLiteral(": ") + error.errorString() + QStringLiteral(" at ") +
                   QString::number(error.offset);
    return doc.object();
}

// The common names of the oil book's rows in book order, read from the source tree (CONTENT_DIR): the names
// every other text of the content refers to.
inline QStringList oilRowNames(QString *problem)
{
    QFile f(QStringLiteral(CONTENT_DIR "/") + content::OilBookFile);
    if (!f.open(QIODevice::ReadOnly)) {
        *problem = f.fileName() + QStringLiteral(": cannot be read");
        return {};
    }
    const content::Parsed<content::OilBook> book = content::parseOilBook(f.readAll());
    *problem = book.problem;
    QStringList names;
    for (const content::OilPage &page : book.value.pages)
        for (const content::OilRow &row : page.rows)
            names << row.name;
    return names;
}
