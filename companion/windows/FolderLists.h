#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QString>

// The drive list and the folder list of the folder window.

// The mounted file systems (the drive letters on Windows), each item holding its root folder.
class DriveList final : public QComboBox
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DriveList)

public:
    explicit DriveList(QWidget *parent = nullptr);

    // Replaces the items by the file systems mounted now.
    void fillMounted();
    void addDrive(const QString &label, const QString &root);
    QString drive() const;
    // Selects the drive that holds the folder, without announcing a change.
    void showDriveOf(const QString &folder);

signals:
    // The user chose a drive that is ready; a drive that is not ready is passed over in silence and the
    // list shows the previous drive again.
    void driveChanged(const QString &root);

private:
    void onActivated(int index);

    int m_shown = -1; // the drive the folder list is on
};

// The folders from the root down to the current folder, then the current folder's subfolders, indented by
// depth. Activating an entry (a double click) makes it the current folder.
class FolderList final : public QListWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FolderList)

public:
    static constexpr int PathRole = Qt::UserRole;

    explicit FolderList(QWidget *parent = nullptr);

    QString path() const { return m_path; }
    // Lists the folder and, when it differs from the current one, announces the change.
    void setPath(const QString &folder);
    // The entry for a folder, or nullptr.
    QListWidgetItem *itemFor(const QString &folder) const;

signals:
    void pathChanged(const QString &folder);

private:
    void fill();

    QString m_path;
};
