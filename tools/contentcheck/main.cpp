// Reads the content files of a source tree, and the maker's values, through their typed readers and fails
// with each file's first problem ("reference/about.json: labels.Label3: missing"), so that a misspelt key
// stops the build instead of showing an empty label.
//
// ambrelis_contentcheck SOURCE_DIR [STAMP] [--only FILE...]
//   SOURCE_DIR   the source tree whose content/ and config/ are read
//   STAMP        written when every file reads without a problem, for the build to depend on
//   --only FILE  checks only these files (paths below SOURCE_DIR, such as "content/oils/pages.json")
#include "content/ContentChecks.h"

#include <QFile>
#include <QStringList>
#include <cstdio>

int main(int argc, char *argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const qsizetype only = args.indexOf(QStringLiteral("--only"));
    const QStringList chosen = only < 0 ? QStringList() : args.mid(only + 1);
    if (only >= 0)
        args = args.mid(0, only);
    if (args.isEmpty() || args.size() > 2) {
        std::fputs("usage: ambrelis_contentcheck SOURCE_DIR [STAMP] [--only FILE...]\n", stderr);
        return 2;
    }

    int problems = 0;
    for (const content::ContentCheck &check : content::contentChecks()) {
        if (only >= 0 && !chosen.contains(check.file))
            continue;
        QFile file(args.at(0) + QLatin1Char('/') + check.file);
        const QString problem = file.open(QIODevice::ReadOnly)
                                    ? check.problem(file.readAll())
                                    : check.file + QStringLiteral(": cannot be read");
        if (!problem.isEmpty()) {
            std::fprintf(stderr, "content check: %s\n", qPrintable(problem));
            ++problems;
        }
    }
    if (problems > 0)
        return 1;
    if (args.size() == 2) {
        QFile stamp(args.at(1));
        if (!stamp.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            std::fprintf(stderr, "content check: %s: cannot be written\n", qPrintable(args.at(1)));
            return 1;
        }
    }
    return 0;
}
