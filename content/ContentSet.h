#pragma once

#include <QByteArray>
#include <QString>

namespace content {

// Raw bytes of a content file, by its path below content/ (for example "oils/pages.json"); empty when absent.
QByteArray file(const QString &relativePath);
// A JSON file is read only through the reader of its kind (see ContentReader.h), which names the file and
// the key of whatever is wrong with it.
} // namespace content
