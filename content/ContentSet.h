#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QString>

namespace content {

// Raw bytes of a content file, by its path below content/ (for example "oils/pages.json"); empty when absent.
QByteArray file(const QString &relativePath);

// A JSON content file parsed; a null document when the file is absent or malformed.
QJsonDocument json(const QString &relativePath);

} // namespace content
