#include "companion/windows/FolderLists.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace {

bool isReady(const QString &root)
{
    return QFileInfo(root).isDir() && QStorageInfo(root).isReady();
}

} // namespace

DriveList::DriveList(QWidget *parent) : QComboBox(parent)
{
    connect(this, &QComboBox::activated, this, &DriveList::onActivated);
}

void DriveList::fillMounted()
{
    clear();
    QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    std::sort(volumes.begin(), volumes.end(),
              [](const QStorageInfo &a, const QStorageInfo &b) { return a.rootPath() < b.rootPath(); });
    for (const QStorageInfo &volume : volumes) {
        if (!volume.isValid())
            continue;
        const QString root = volume.rootPath();
        const QString label =
            volume.name().isEmpty() || volume.name() == root
                ? QDir::toNativeSeparators(root)
                : QStringLiteral("%1 [%2]").arg(QDir::toNativeSeparators(root), volume.name());
        addDrive(label, root);
    }
}

void DriveList::addDrive(const QString &label, const QString &root)
{
    addItem(label, root);
}

QString DriveList::drive() const
{
    return currentData().toString();
}

void DriveList::showDriveOf(const QString &folder)
{
    // The longest root that contains the folder is the file system it lives on.
    const QString wanted = QDir::cleanPath(folder);
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < count(); ++i) {
        const QString root = QDir::cleanPath(itemData(i).toString());
        const bool inside = wanted.compare(root, Qt::CaseInsensitive) == 0 ||
                            wanted.startsWith(root.endsWith(u'/') ? root : root + u'/', Qt::CaseInsensitive);
        if (inside && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    const QSignalBlocker quiet(this);
    setCurrentIndex(best);
    m_shown = best;
}

void DriveList::onActivated(int index)
{
    const QString root = itemData(index).toString();
    if (!isReady(root)) {
        // The list goes back to the drive the folder list is on.
        const QSignalBlocker quiet(this);
        setCurrentIndex(m_shown);
        return;
    }
    m_shown = index;
    emit driveChanged(root);
}

FolderList::FolderList(QWidget *parent) : QListWidget(parent)
{
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { setPath(item->data(PathRole).toString()); });
}

void FolderList::setPath(const QString &folder)
{
    const QString cleaned = QDir::cleanPath(QDir(folder).absolutePath());
    if (!QFileInfo(cleaned).isDir() || cleaned == m_path)
        return;
    m_path = cleaned;
    fill();
    emit pathChanged(m_path);
}

QListWidgetItem *FolderList::itemFor(const QString &folder) const
{
    const QString cleaned = QDir::cleanPath(folder);
    for (int i = 0; i < count(); ++i) {
        if (item(i)->data(PathRole).toString() == cleaned)
            return item(i);
    }
    return nullptr;
}

void FolderList::fill()
{
    clear();
    QStringList chain;
    for (QDir dir(m_path);;) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp())
            break;
    }
    const auto add = [this](const QString &text, const QString &path, int depth) {
        auto *entry = new QListWidgetItem(QString(depth * 2, u' ') + text, this); // owned by the list
        entry->setData(PathRole, path);
        return entry;
    };
    for (int depth = 0; depth < chain.size(); ++depth) {
        const QString &path = chain[depth];
        const QString name = QDir(path).isRoot() ? QDir::toNativeSeparators(path) : QDir(path).dirName();
        QListWidgetItem *entry = add(name, path, depth);
        if (depth == chain.size() - 1)
            setCurrentItem(entry);
    }
    const QStringList children =
        QDir(m_path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &child : children)
        add(child, QDir::cleanPath(QDir(m_path).filePath(child)), int(chain.size()));
}
