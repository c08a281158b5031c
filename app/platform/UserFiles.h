#pragma once

#include <QString>
#include <optional>

// Where the program's files lie. This is the one place that decides it; every reader and writer of the
// user's files asks here.
//
// A program folder that holds its own files (the build tree's application folder, a portable copy) keeps
// using them when the user may write there. An installed program (bin/ with share/ambrelis beside it) never
// writes beside itself: each user's files live where the desktop's conventions put them, and the database
// that ships with the program is copied there on the first start.
namespace userfiles {

inline constexpr char kIndicationsDatabase[] = "Indications.mdb";

// The three folders of one run.
struct Places
{
    QString shipped; // what ships with the program: the pristine database, the legal documents
    QString data;    // the user's database and mail drafts
    QString config;  // the screen mode and the companion's path file
};

// What the decision looks at.
struct Situation
{
    QString programFolder;
    bool programFolderWritable = false;
    QString
        installedShipped;   // the shipped-files folder of an installation, beside the program; empty if none
    QString standardData;   // the desktop's folder for the program's data of this user
    QString standardConfig; // the desktop's folder for the program's settings of this user
};

Places choosePlaces(const Situation &situation);

// Where an installation keeps the files that ship with the program, relative to the program's folder.
QString installedShippedPlace(const QString &programFolder);

// The places of the running program, found from the program folder the platform services report.
Places currentPlaces();

// The folder of the originals that ship with the program. In a program folder that holds its own files
// these are the user's files themselves, so there is no separate original there.
QString shippedFolder();
// The user's folders; created when missing, so a writer can put its file there at once.
QString dataFolder();
QString configFolder();

// The user's database, and the original that ships with the program (the same file in a program folder
// that holds its own files).
QString indicationsDatabase();
QString shippedIndicationsDatabase();

// Where a save dialog opens: the current folder, as always, unless that is the folder of a program that keeps
// the user's files elsewhere (an installation), which is no place for the user's documents; then the user's
// documents folder (the home folder where there is none).
QString saveDialogFolder();

// Gives the user a database of their own on the first start: copies the shipped one into the data folder
// unless the user has one already, which is never replaced (it holds the user's edits). Returns what
// failed, for the user to read.
std::optional<QString> provideIndicationsDatabase();

} // namespace userfiles
