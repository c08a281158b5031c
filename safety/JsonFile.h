#pragma once

#include <QJsonObject>
#include <QString>
#include <optional>

namespace safety {

// The top-level object of a JSON file; nothing when the file cannot be read or is not a JSON object, with
// *error naming the file and the reason.
std::optional<QJsonObject> readJsonObject(const QString &path, QString *error);

} // namespace safety
