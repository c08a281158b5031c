#pragma once

#include "content/ContentSet.h"

#include <QJsonObject>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QtDebug>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

// Reads a JSON content file into the struct of its kind. Every key the struct needs must be there with the
// right type, and every key in the file must be one the struct reads: a missing, misspelt or unread key is a
// problem that names the file and the key's path ("oils/pages.json: pages[2].rows[0].botanical: missing").
// Reading goes on after a problem so that the caller gets a whole struct; the first problem is kept.
namespace content {

class ObjectReader
{
public:
    // The whole file: a JSON object, or a problem naming the file. A file that is a list is read as the value
    // of the empty key (objects(""), texts("")), so that its problems read "<file>: [3].key: what".
    ObjectReader(const QString &file, const QByteArray &json);

    ObjectReader(const ObjectReader &) = delete;
    ObjectReader &operator=(const ObjectReader &) = delete;
    ObjectReader(ObjectReader &&) = default;
    ObjectReader &operator=(ObjectReader &&) = default;
    // Keys of this object that nothing asked for are reported when the reader goes.
    ~ObjectReader();

    QString text(const char *key);
    std::optional<QString> optionalText(const char *key);
    QStringList texts(const char *key);
    std::optional<QStringList> optionalTexts(const char *key);
    QList<QStringList> textLists(const char *key);
    qint64 integer(const char *key);
    std::optional<double> optionalNumber(const char *key);
    std::optional<bool> optionalBool(const char *key);
    std::optional<QList<bool>> optionalFlags(const char *key);
    ObjectReader object(const char *key);
    std::optional<ObjectReader> optionalObject(const char *key);
    std::vector<ObjectReader> objects(const char *key);
    std::vector<ObjectReader> optionalObjects(const char *key);

    // The first problem of the whole file, empty when there is none. Valid once every reader of the file has
    // gone (or finish() was called on it).
    QString problem() const;
    // Reports the keys of this object that nothing asked for now rather than when the reader goes.
    void finish();
    // The keys nothing asked for belong to another reader of the same object (a file of two sections read one
    // at a time): they are not reported. Whoever reads every section reports them.
    void leaveOthers();
    // A value the reader of the kind finds wrong (an unknown kind, too many entries): a problem of this key.
    void reject(const char *key, const QString &what);

private:
    struct Problems
    {
        QString file;
        QString first;
    };
    ObjectReader(std::shared_ptr<Problems> problems, QJsonObject object, QString path);
    std::optional<QJsonValue> take(const char *key, bool required);
    void fail(const QString &key, const QString &what);
    std::optional<ObjectReader> objectOf(const char *key, bool required);
    std::vector<ObjectReader> objectsOf(const char *key, bool required);
    QString pathOf(const QString &key) const;

    std::shared_ptr<Problems> m_problems;
    QJsonObject m_object;
    QString m_path;
    QSet<QString> m_asked;
    bool m_finished = false;
};

// What a reader of one kind of content returns: the struct, and the first problem of its file (empty when
// there is none).
template <typename T> struct Parsed
{
    T value;
    QString problem;
};

// The end of every reader: the keys nothing asked for are reported, then the struct goes out with the file's
// first problem.
template <typename T> Parsed<T> finished(ObjectReader &root, T value)
{
    root.finish();
    return {std::move(value), root.problem()};
}

// A compiled-in file read by the reader of its kind. A problem is logged once and leaves what could be read:
// the tests over the content set make sure that there is none.
template <typename T> T readCompiledIn(const QString &relativePath, Parsed<T> (*parse)(const QByteArray &))
{
    Parsed<T> parsed = parse(file(relativePath));
    if (!parsed.problem.isEmpty())
        qCritical("%s", qPrintable(parsed.problem));
    return std::move(parsed.value);
}

} // namespace content
