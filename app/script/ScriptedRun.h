#pragma once

#include <QString>
#include <vector>

// A scripted run: the program's own windows driven by a short text of commands, one a line, the way a user
// drives them. The package's test starts the installed program this way, so that what it checks is the very
// program a user gets.
//
//   click <control>        presses the button of that name in the windows on show
//   type <control> <text>  replaces the text of that box, as typing over it does
//   show <control>         writes "<control>: <text>" to standard output
//   close <window>         closes that window, as its close box does
//
// Empty lines and lines that start with # are skipped. Message boxes are written to standard output as
// "message: <text>" instead of waiting for a click.
namespace script {

struct Step
{
    int line = 0;
    QString command;
    QString target;
    QString text;
};

struct Script
{
    std::vector<Step> steps;
    QString error; // what is wrong with the script, naming the line; empty when it can run
};

Script parse(const QString &text);
// The script in a file; an unreadable file is an error that names it.
Script read(const QString &path);

// Message boxes go to standard output from now on.
void captureMessages();
// Runs the steps from the event loop, one per turn, so that each window has done its work before the next
// step. A step that cannot be done is told on standard error and ends the program with exit code 1; after
// the last step the program ends as closing the main menu ends it.
void start(std::vector<Step> steps);

} // namespace script
