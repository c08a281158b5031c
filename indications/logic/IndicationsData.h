#pragma once

#include "indications/logic/IndicationsSchema.h"

#include <QString>
#include <map>
#include <memory>

namespace jet {
class Database;
class Recordset;
} // namespace jet

namespace indications {

using FieldChanges = std::map<Field, QString>;

// The record set behind the indications page: "Select * From Indications Order By Indications" over the
// database file, with the current record's four fields as text (line breaks as stored, CR LF).
class IndicationsData
{
public:
    IndicationsData();
    ~IndicationsData();
    IndicationsData(const IndicationsData &) = delete;
    IndicationsData &operator=(const IndicationsData &) = delete;

    // Opens the file shared and runs the query, first record current. On failure error() names the file.
    bool open(const QString &path);
    void close();
    bool isOpen() const { return m_records != nullptr; }
    QString error() const { return m_error; }
    // Whether the last open failed because the file is damaged (or no database at all), not missing.
    bool damaged() const { return m_damaged; }
    bool readOnly() const;
    // Read-only for what the file is (a Jet 3 file, a table with an index), not for where it lies: a
    // converted copy would be writable. The reason is then readOnlyReason().
    bool convertible() const;
    QString readOnlyReason() const;

    int recordCount() const;
    bool hasCurrent() const;
    bool adding() const { return m_adding; }
    QString field(Field field) const;

    void moveFirst();
    void movePrevious();
    void moveNext();
    void moveLast();
    // Makes the first record that meets the criteria current; false (current record kept) when none does or
    // the criteria cannot be read.
    bool findFirst(const QString &criteria);

    // Writes the changed fields into the current record, or writes the record that addNew() began (an added
    // record left without a change is dropped). False with error() set when the file refuses the write.
    bool write(const FieldChanges &changes);
    // An empty record becomes current; it is written by the next write().
    bool addNew();
    bool deleteCurrent();

private:
    bool fail(const QString &what, const std::string &detail);

    QString m_path;
    QString m_error;
    std::unique_ptr<jet::Database> m_db;
    std::unique_ptr<jet::Recordset> m_records;
    bool m_adding = false;
    bool m_damaged = false;
};

} // namespace indications
