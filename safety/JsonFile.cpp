#include "safety/JsonFile.h"

#include <QFile>
#include <QJsonDocument>

namespace safety {

std::optional<QJsonObject> readJsonObject(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = path + QStringLiteral(": cannot be read");
        return std::nullopt;
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!doc.isObject()) {
        *error = path + QStringLiteral(": ") + parseError.errorString();
        return std::nullopt;
    }
    return doc.object();
}

} // namespace safety
