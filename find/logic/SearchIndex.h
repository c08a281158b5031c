#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

// An index of the reference's documents in memory, searched as the user types.
namespace find {

struct Document
{
    QString kind;       // "Oils", "Indications", ...: results are grouped by it
    QString title;      // weighs more than the text
    QString target;     // where opening the result leads; the index only carries it
    QStringList fields; // the text to search
};

struct Snippet
{
    QString text;
    QList<std::pair<qsizetype, qsizetype>> marks; // start and length of each matched word in text
};

struct Result
{
    QString title;
    QString target;
    Snippet snippet;
    double score = 0;
};

struct ResultGroup
{
    QString kind;
    QList<Result> results; // best first
};

struct SearchResults
{
    QList<ResultGroup> groups; // the group holding the best result first
    QString suggestion; // when nothing was found: the query with its words spelt as the index knows them
};

class SearchIndex
{
public:
    void add(const Document &document);
    SearchResults search(const QString &query) const;

    // A search-as-you-type list shows no more than this many results of one kind.
    static constexpr qsizetype resultsPerKind = 25;
    qsizetype size() const { return qsizetype(documents_.size()); }

private:
    struct Posting
    {
        int document;
        double weight; // of the best place the term holds in the document
    };
    using Scores = QHash<int, double>;
    using TermWeights = QHash<QString, double>;

    TermWeights candidates(const QString &term, bool prefixToo) const;
    Scores documentsMatching(const TermWeights &terms) const;
    Snippet snippetFor(const Document &document, const QHash<QString, double> &matched) const;
    QString suggestionFor(const QString &query) const;

    const QStringList &sortedTerms() const;

    std::vector<Document> documents_;
    QStringList kinds_; // in the order they were first added, which breaks ties between groups
    QHash<QString, std::vector<Posting>> postings_;
    QHash<QString, int> wordCounts_;  // the folded words as written, for suggestions
    mutable QStringList sortedTerms_; // for prefixes and typos; rebuilt by the first search after an add
    mutable bool termsSorted_ = true;
};

} // namespace find
