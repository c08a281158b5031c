#include "content/ContentSet.h"

#include <QFile>

namespace content {

QByteArray file(const QString &relativePath)
{
    QFile f(QStringLiteral(":/content/") + relativePath);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

} // namespace content
