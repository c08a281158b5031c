#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// Every content file that a typed reader reads, with that reader: the build's content check and the tests
// walk this one list, so a file that gains a reader is checked everywhere at once. The maker's values
// (config/maker.json) are on the list too, read by their own reader.
namespace content {

struct ContentCheck
{
    // Below the source tree, for example "content/oils/pages.json"; the program holds the same file as the
    // resource ":/" + file.
    QString file;
    // The first problem of the file's bytes as its reader sees them; empty when there is none.
    QString (*problem)(const QByteArray &json);
};

const std::vector<ContentCheck> &contentChecks();

} // namespace content
