#include "find/windows/FindIndex.h"

#include <QtConcurrent/QtConcurrentRun>

FindIndex::FindIndex(std::function<QString()> databasePath, Builder builder, Reader reader, QObject *parent)
    : QObject(parent), m_databasePath(std::move(databasePath)), m_builder(std::move(builder)),
      m_reader(std::move(reader))
{
    connect(&m_watcher, &QFutureWatcher<find::ReferenceIndex>::finished, this, &FindIndex::finished);
    connect(&m_rereading, &QFutureWatcher<find::ReferenceDocuments>::finished, this,
            &FindIndex::rereadFinished);
}

FindIndex::~FindIndex()
{
    // A build under way is let finish, so that no worker still reads the user's database as the program ends.
    m_watcher.waitForFinished();
    m_rereading.waitForFinished();
}

void FindIndex::ensureBuilt()
{
    if (m_wanted)
        return;
    m_wanted = true;
    start();
}

void FindIndex::rebuild()
{
    if (!m_wanted)
        return; // nothing was read yet; the first build reads the data as it is then
    if (m_watcher.isRunning() || m_rereading.isRunning()) {
        m_pending = true;
        return;
    }
    reread();
}

void FindIndex::start()
{
    m_pending = false;
    m_watcher.setFuture(QtConcurrent::run(m_builder, m_databasePath()));
}

void FindIndex::finished()
{
    m_current = m_watcher.result();
    if (m_pending)
        reread();
    emit ready();
}

void FindIndex::reread()
{
    m_pending = false;
    m_rereading.setFuture(QtConcurrent::run(m_reader, m_databasePath()));
}

void FindIndex::rereadFinished()
{
    find::ReferenceDocuments read = m_rereading.result();
    find::updateSaved(*m_current.index, m_current.saved, read.documents);
    m_current.saved = std::move(read.documents);
    m_current.problem = read.problem;
    if (m_pending)
        reread();
    emit ready();
}
