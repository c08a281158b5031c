#include "app/shell/ScreenMode.h"

#include <QByteArray>

namespace screenmode {

bool isNormal(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok && value == 0.0;
}

QString bareDigit(const QByteArray &fileContent)
{
    const QByteArray trimmed = fileContent.trimmed();
    if (trimmed.size() == 1 && trimmed[0] >= '0' && trimmed[0] <= '9')
        return QString(QChar(trimmed[0]));
    return {};
}

} // namespace screenmode
