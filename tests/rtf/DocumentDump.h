#pragma once

#include <QString>

class QTextDocument;

// A readable account of a document for exact comparisons: paragraphs separated by " | ", each run written
// as its text followed by its format in braces, e.g. "plain{Arial 12} bold{Arial 12 b #ff0000}".
// Runs are merged when their formats read the same, so the account does not depend on fragment splits.
QString dumpRuns(const QTextDocument &document);

// Alignment, indents and page breaks of each paragraph, e.g. "left | centre li=48 fi=-24 page".
QString dumpParagraphs(const QTextDocument &document);

// The paragraphs' text joined by '\n', line breaks within a paragraph as '\v'.
QString paragraphText(const QTextDocument &document);
