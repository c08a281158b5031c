#pragma once

// The memory of this process as the kernel accounts for it, for benchmarks that report memory.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace benchmemory {

// A field of /proc/self/status in kB ("VmHWM" the peak resident memory, "VmRSS" the current), -1 if unknown.
inline long statusKb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

} // namespace benchmemory
