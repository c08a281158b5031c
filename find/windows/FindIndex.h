#pragma once

#include "find/logic/ReferenceIndex.h"

#include <QFutureWatcher>
#include <QObject>
#include <functional>

// The program's search index. Nothing is read until the Find window first asks for it; then the index is
// built on a worker thread, so neither start-up nor typing waits for it. After a save, a worker reads the
// user's database again, and only the records that changed are put into the index here, on the thread that
// searches it (the index is not thread-safe); searches meanwhile see it as it was.
class FindIndex final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FindIndex)

public:
    using Builder = std::function<find::ReferenceIndex(const QString &indicationsDatabase)>;
    using Reader = std::function<find::ReferenceDocuments(const QString &indicationsDatabase)>;
    // databasePath is asked on this thread when a build starts (the user's files may have moved since);
    // builder and reader run on a worker thread and must not touch windows.
    FindIndex(std::function<QString()> databasePath, Builder builder, Reader reader,
              QObject *parent = nullptr);
    ~FindIndex() override;

    // Starts the first build; later calls do nothing.
    void ensureBuilt();
    // The latest index built; null until the first build has finished.
    std::shared_ptr<const find::SearchIndex> index() const { return m_current.index; }
    // What the last build could not read, for the user to be told; empty when everything was read.
    QString problem() const { return m_current.problem; }

    // The user's database changed: reads it again once any build or reading under way has finished, and
    // updates the index with what differs.
    void rebuild();

signals:
    // A build has finished and index() holds it.
    void ready();

private:
    void start();
    void finished();
    void reread();
    void rereadFinished();

    std::function<QString()> m_databasePath;
    Builder m_builder;
    Reader m_reader;
    find::ReferenceIndex m_current;
    QFutureWatcher<find::ReferenceIndex> m_watcher;
    QFutureWatcher<find::ReferenceDocuments> m_rereading;
    bool m_wanted = false;  // the first build was asked for
    bool m_pending = false; // the data changed while a build or a reading was under way
};
