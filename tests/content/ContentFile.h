#pragma once

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
