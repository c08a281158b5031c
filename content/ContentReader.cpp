#include "content/ContentReader.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace content {

ObjectReader::ObjectReader(const QString &file, const QByteArray &json)
    : m_problems(std::make_shared<Problems>(Problems{file, {}}))
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (document.isObject())
        m_object = document.object();
    else if (document.isArray())
        m_object = QJsonObject{{QString(), document.array()}};
    else if (json.isEmpty())
        m_problems->first = file + QStringLiteral(": missing or empty");
    else
        m_problems->first =
            file + QStringLiteral(": not a JSON object: %1 at %2").arg(error.errorString()).arg(error.offset);
}

ObjectReader::ObjectReader(std::shared_ptr<Problems> problems, QJsonObject object, QString path)
    : m_problems(std::move(problems)), m_object(std::move(object)), m_path(std::move(path))
{}

ObjectReader::~ObjectReader()
{
    finish();
}

void ObjectReader::finish()
{
    if (m_finished || !m_problems)
        return;
    m_finished = true;
    QStringList keys = m_object.keys();
    keys.sort();
    for (const QString &key : keys) {
        if (!m_asked.contains(key))
            fail(key, QStringLiteral("not a key of this file (misspelt, or read by nothing)"));
    }
}

QString ObjectReader::problem() const
{
    return m_problems ? m_problems->first : QString();
}

QString ObjectReader::pathOf(const QString &key) const
{
    return m_path.isEmpty() ? key : m_path + QLatin1Char('.') + key;
}

void ObjectReader::fail(const QString &key, const QString &what)
{
    if (m_problems->first.isEmpty())
        m_problems->first = QStringLiteral("%1: %2: %3").arg(m_problems->file, pathOf(key), what);
}

std::optional<QJsonValue> ObjectReader::take(const char *key, bool required)
{
    const QString name = QString::fromLatin1(key);
    m_asked.insert(name);
    const QJsonValue value = m_object.value(name);
    if (value.isUndefined()) {
        if (required)
            fail(name, QStringLiteral("missing"));
        return std::nullopt;
    }
    return value;
}

QString ObjectReader::text(const char *key)
{
    const std::optional<QString> text = optionalText(key);
    if (!text)
        fail(QString::fromLatin1(key), QStringLiteral("missing"));
    return text.value_or(QString());
}

std::optional<QString> ObjectReader::optionalText(const char *key)
{
    const std::optional<QJsonValue> value = take(key, false);
    if (!value)
        return std::nullopt;
    if (!value->isString()) {
        fail(QString::fromLatin1(key), QStringLiteral("not a text"));
        return QString();
    }
    return value->toString();
}

QStringList ObjectReader::texts(const char *key)
{
    const std::optional<QStringList> list = optionalTexts(key);
    if (!list)
        fail(QString::fromLatin1(key), QStringLiteral("missing"));
    return list.value_or(QStringList());
}

std::optional<QStringList> ObjectReader::optionalTexts(const char *key)
{
    const std::optional<QJsonValue> value = take(key, false);
    if (!value)
        return std::nullopt;
    QStringList list;
    for (const QJsonValue &item : value->toArray()) {
        if (!item.isString()) {
            fail(QString::fromLatin1(key), QStringLiteral("not a list of texts"));
            break;
        }
        list << item.toString();
    }
    if (!value->isArray())
        fail(QString::fromLatin1(key), QStringLiteral("not a list of texts"));
    return list;
}

QList<QStringList> ObjectReader::textLists(const char *key)
{
    const std::optional<QJsonValue> value = take(key, true);
    QList<QStringList> lists;
    if (!value)
        return lists;
    bool wellFormed = value->isArray();
    for (const QJsonValue &list : value->toArray()) {
        QStringList texts;
        wellFormed = wellFormed && list.isArray();
        for (const QJsonValue &item : list.toArray()) {
            wellFormed = wellFormed && item.isString();
            texts << item.toString();
        }
        lists << texts;
    }
    if (!wellFormed)
        fail(QString::fromLatin1(key), QStringLiteral("not a list of lists of texts"));
    return lists;
}

qint64 ObjectReader::integer(const char *key)
{
    const std::optional<QJsonValue> value = take(key, true);
    if (!value)
        return 0;
    const double number = value->toDouble();
    if (!value->isDouble() || number != double(qint64(number))) {
        fail(QString::fromLatin1(key), QStringLiteral("not a whole number"));
        return 0;
    }
    return qint64(number);
}

std::optional<QList<bool>> ObjectReader::optionalFlags(const char *key)
{
    const std::optional<QJsonValue> value = take(key, false);
    if (!value)
        return std::nullopt;
    QList<bool> flags;
    bool wellFormed = value->isArray();
    for (const QJsonValue &item : value->toArray()) {
        wellFormed = wellFormed && item.isBool();
        flags << item.toBool();
    }
    if (!wellFormed)
        fail(QString::fromUtf8(key), QStringLiteral("not a list of true and false"));
    return flags;
}

void ObjectReader::reject(const char *key, const QString &what)
{
    fail(QString::fromLatin1(key), what);
}

std::optional<double> ObjectReader::optionalNumber(const char *key)
{
    const std::optional<QJsonValue> value = take(key, false);
    if (!value)
        return std::nullopt;
    if (!value->isDouble())
        fail(QString::fromLatin1(key), QStringLiteral("not a number"));
    return value->toDouble();
}

std::optional<bool> ObjectReader::optionalBool(const char *key)
{
    const std::optional<QJsonValue> value = take(key, false);
    if (!value)
        return std::nullopt;
    if (!value->isBool())
        fail(QString::fromLatin1(key), QStringLiteral("not true or false"));
    return value->toBool();
}

void ObjectReader::leaveOthers()
{
    m_finished = true;
}

ObjectReader ObjectReader::object(const char *key)
{
    return std::move(*objectOf(key, true));
}

std::optional<ObjectReader> ObjectReader::optionalObject(const char *key)
{
    return objectOf(key, false);
}

std::optional<ObjectReader> ObjectReader::objectOf(const char *key, bool required)
{
    const std::optional<QJsonValue> value = take(key, required);
    if (!value && !required)
        return std::nullopt;
    if (value && !value->isObject())
        fail(QString::fromLatin1(key), QStringLiteral("not an object"));
    return ObjectReader(m_problems, value ? value->toObject() : QJsonObject(),
                        pathOf(QString::fromLatin1(key)));
}

std::vector<ObjectReader> ObjectReader::objects(const char *key)
{
    return objectsOf(key, true);
}

std::vector<ObjectReader> ObjectReader::optionalObjects(const char *key)
{
    return objectsOf(key, false);
}

std::vector<ObjectReader> ObjectReader::objectsOf(const char *key, bool required)
{
    const std::optional<QJsonValue> value = take(key, required);
    std::vector<ObjectReader> list;
    if (!value)
        return list;
    if (!value->isArray()) {
        fail(QString::fromLatin1(key), QStringLiteral("not a list of objects"));
        return list;
    }
    const QJsonArray array = value->toArray();
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QString path = pathOf(QStringLiteral("%1[%2]").arg(QString::fromLatin1(key)).arg(i));
        if (!array.at(i).isObject()) {
            if (m_problems->first.isEmpty())
                m_problems->first = QStringLiteral("%1: %2: not an object").arg(m_problems->file, path);
            continue;
        }
        list.push_back(ObjectReader(m_problems, array.at(i).toObject(), path));
    }
    return list;
}

} // namespace content
