#pragma once

#include <QFont>
#include <QString>
#include <QTextCharFormat>
#include <QTextListFormat>
#include <memory>
#include <vector>

class QTextDocument;

// The rich text box's own font, which the saved Screen.txt layout depends on.
QFont boxFont();

// A document in the box font whose paragraphs are the lines of the text ('\n'); '\v' is a line break.
std::unique_ptr<QTextDocument> plainDocument(const QString &text);

struct Run
{
    QString text;
    QTextCharFormat format;
};

// Appends the runs to the document's last paragraph; a run whose text is "\n" starts a new paragraph.
void appendRuns(QTextDocument &document, const std::vector<Run> &runs);

QTextCharFormat bold();
QTextCharFormat italic();
QTextCharFormat underlined();
QTextCharFormat struck();
QTextCharFormat coloured(const QColor &colour);
QTextCharFormat sized(double points);
QTextCharFormat family(const QString &name);

struct Sample
{
    QString name;
    std::shared_ptr<QTextDocument> document;
    bool asciiOnly; // the text has nothing that a Latin-1 reader would lose
};

// Two list items "One" and "Two" in a list of the given style, then a plain paragraph "After".
std::unique_ptr<QTextDocument> listDocument(QTextListFormat::Style style);

// Documents that exercise the writer: text of every kind, empty paragraphs, a table of formats.
std::vector<Sample> sampleDocuments();
