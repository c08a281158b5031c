#include "indications/logic/IndicationsData.h"

#include "jet/Database.h"
#include "jet/Recordset.h"

#include <QDir>

namespace indications {
namespace {

QString fromUtf8(const std::string &text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

bool isDamage(const jet::Error &error)
{
    return error.kind == jet::ErrorKind::Corrupt || error.kind == jet::ErrorKind::NotJetFile;
}

} // namespace

IndicationsData::IndicationsData() = default;
IndicationsData::~IndicationsData() = default;

bool IndicationsData::fail(const QString &what, const std::string &detail)
{
    m_error = what + QStringLiteral(": ") + fromUtf8(detail);
    return false;
}

void IndicationsData::close()
{
    m_records.reset();
    m_db.reset();
    m_adding = false;
}

bool IndicationsData::open(const QString &path)
{
    close();
    m_damaged = false;
    m_path = QDir::toNativeSeparators(path);
    auto db = jet::Database::open(path.toStdString());
    if (!db) {
        m_damaged = isDamage(db.error());
        return fail(QStringLiteral("The database %1 could not be opened").arg(m_path), db.error().message);
    }
    auto records = jet::Recordset::open(**db, "Select * From Indications Order By Indications");
    if (!records) {
        m_damaged = isDamage(records.error());
        return fail(QStringLiteral("The database %1 could not be read").arg(m_path), records.error().message);
    }
    m_db = std::move(*db);
    m_records = std::move(*records);
    m_records->moveFirst();
    return true;
}

bool IndicationsData::readOnly() const
{
    return m_records && m_records->readOnly();
}

bool IndicationsData::convertible() const
{
    return readOnly() && m_records->writeError().error().kind == jet::ErrorKind::Unsupported;
}

QString IndicationsData::readOnlyReason() const
{
    return readOnly() ? fromUtf8(m_records->writeError().error().message) : QString();
}

int IndicationsData::recordCount() const
{
    return m_records ? int(m_records->recordCount()) : 0;
}

bool IndicationsData::hasCurrent() const
{
    return m_records && m_records->hasCurrent();
}

QString IndicationsData::field(Field field) const
{
    if (!hasCurrent())
        return {};
    const auto text = m_records->text(fieldName(field));
    return text ? fromUtf8(*text) : QString();
}

void IndicationsData::moveFirst()
{
    if (m_records) {
        m_adding = false;
        m_records->moveFirst();
    }
}

void IndicationsData::movePrevious()
{
    if (m_records) {
        m_adding = false;
        m_records->movePrevious();
    }
}

void IndicationsData::moveNext()
{
    if (m_records) {
        m_adding = false;
        m_records->moveNext();
    }
}

void IndicationsData::moveLast()
{
    if (m_records) {
        m_adding = false;
        m_records->moveLast();
    }
}

bool IndicationsData::findFirst(const QString &criteria)
{
    if (!m_records)
        return false;
    const auto found = m_records->findFirst(criteria.toStdString());
    if (found && *found)
        m_adding = false;
    return found && *found;
}

bool IndicationsData::write(const FieldChanges &changes)
{
    if (!m_records)
        return true;
    if (changes.empty()) {
        if (m_adding) {
            m_records->cancelUpdate();
            m_adding = false;
        }
        return true;
    }
    if (m_records->readOnly())
        return fail(QStringLiteral("The change could not be saved in %1").arg(m_path),
                    m_records->writeError().error().message);
    for (const auto &[field, text] : changes) {
        const jet::Status status = m_records->setText(fieldName(field), text.toStdString());
        if (!status.ok())
            return fail(QStringLiteral("The change could not be saved in %1").arg(m_path),
                        status.error().message);
    }
    const jet::Status status = m_records->update();
    if (!status.ok())
        return fail(QStringLiteral("The change could not be saved in %1").arg(m_path),
                    status.error().message);
    m_adding = false;
    return true;
}

bool IndicationsData::addNew()
{
    if (!m_records)
        return false;
    const jet::Status status = m_records->addNew();
    if (!status.ok())
        return fail(QStringLiteral("No record could be added to %1").arg(m_path), status.error().message);
    m_adding = true;
    return true;
}

bool IndicationsData::deleteCurrent()
{
    if (!m_records)
        return false;
    if (m_adding) {
        m_records->cancelUpdate();
        m_adding = false;
        return true;
    }
    const jet::Status status = m_records->deleteCurrent();
    if (!status.ok())
        return fail(QStringLiteral("The record could not be deleted from %1").arg(m_path),
                    status.error().message);
    return true;
}

} // namespace indications
