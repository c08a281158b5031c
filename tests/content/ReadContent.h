#pragma once

#include "content/ContentReader.h"

#include <QFile>
#include <QString>

// A file of the source tree's content read by the reader of its kind. A problem stops the test with the file
// and the key, since nothing the test checks after it would mean anything.
template <typename T> T read(const QString &relativePath, content::Parsed<T> (*parse)(const QByteArray &))
{
    QFile file(QStringLiteral(CONTENT_DIR "/") + relativePath);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("%s: cannot be read", qPrintable(file.fileName()));
    content::Parsed<T> parsed = parse(file.readAll());
    if (!parsed.problem.isEmpty())
        qFatal("%s", qPrintable(parsed.problem));
    return std::move(parsed.value);
}
