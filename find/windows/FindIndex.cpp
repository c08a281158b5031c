#include "find/windows/FindIndex.h"

#include <QtConcurrent/QtConcurrentRun>

FindIndex::FindIndex(std::function<QString()> databasePath, Builder builder, QObject *parent)
    : QObject(parent), m_databasePath(std::move(databasePath)), m_builder(std::move(builder))
{
    connect(&m_watcher, &QFutureWatcher<find::ReferenceIndex>::finished, this, &FindIndex::finished);
}

FindIndex::~FindIndex()
{
    // A build under way is let finish, so that no worker still reads the user's database as the program ends.
    m_watcher.waitForFinished();
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
    if (m_watcher.isRunning()) {
        m_pending = true;
        return;
    }
    start();
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
        start();
    emit ready();
}
