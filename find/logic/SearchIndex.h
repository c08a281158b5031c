#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

// An index of the reference's documents in memory, searched as the user types.
namespace find {

class TermStore;

struct Document
{
    QString kind;       // "Oils", "Indications", ...: results are grouped by it
    QString title;      // weighs more than the text
    QString target;     // where opening the result leads; the index only carries it
    QStringList fields; // the text to search

    friend bool operator==(const Document &, const Document &) = default;
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
    double score = 0;
    int document = -1; // the index's own number for it, by which snippet() finds its text
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
    // The index's terms the query matched, by their numbers: what a snippet marks.
    std::shared_ptr<const std::vector<bool>> matched;
};

// Searching goes through a full-text library (see TermStore.h); this class reads the words of documents and
// queries (folding, spellings, synonyms, typos) and makes the results. It is not safe to use from two threads
// at once: build it on a worker thread, then hand it over.
class SearchIndex
{
public:
    SearchIndex();
    ~SearchIndex();
    SearchIndex(SearchIndex &&) noexcept;
    SearchIndex &operator=(SearchIndex &&) noexcept;

    void add(const Document &document);
    // For a record the user edited: the documents with this target give way to the new one.
    void replace(const QString &target, const Document &document);
    void remove(const QString &target);
    SearchResults search(const QString &query) const;
    // A few words of the result's text around its first match, with the matched words marked. Made on
    // request, as a list shows the result, since a keystroke finds many more results than a list shows. Empty
    // when the result's document has left the index since.
    Snippet snippet(const Result &result, const SearchResults &from) const;
    // Reads now what the first search after a change would otherwise read: call it where the index is built,
    // so that the first keystroke does not wait for it.
    void prepare() const;

    // A search-as-you-type list shows no more than this many results of one kind.
    static constexpr qsizetype resultsPerKind = 25;
    qsizetype size() const { return targets_.size(); }

private:
    using TermWeights = QHash<QString, double>;
    struct TermAt // a word of a document's text, kept so that a snippet need not read the text again
    {
        qsizetype start = 0;
        qsizetype length = 0;
        int term = 0; // by its number in terms_: a snippet compares numbers, not texts
    };
    using FieldTerms = QList<QList<TermAt>>; // for each field of a document
    // A term or a written word with the letters it holds, to pass over most of them before counting typos.
    struct Letters
    {
        QString text;
        quint64 letters = 0;
        int documents = 0; // how many documents hold it: the more common of two candidates wins
        int titles = 0;    // how many hold it in the title
    };

    void put(int id, const Document &document);
    TermWeights candidates(const QString &term, bool prefixToo) const;
    QString suggestionFor(const QString &query) const;
    const QStringList &sortedTerms() const;
    void readTitleStarts() const;
    void readTitleOrder() const;
    int termFor(const QString &folded);

    std::unique_ptr<TermStore> store_;
    std::vector<std::optional<Document>>
        documents_;                      // by the number the store knows them by; removed are empty
    std::vector<FieldTerms> fieldTerms_; // by the same number
    QHash<QString, int> termOfWord_;     // each folded word's term, read once and shared by all its places
    QHash<QString, int> termNumbers_;    // each term of the documents' fields by its number in terms_
    QStringList terms_;
    QMultiHash<QString, int> targets_;
    QStringList kinds_;               // in the order they were first added, which breaks ties between groups
    mutable QStringList sortedTerms_; // for prefixes and typos; read again by the first search after a change
    mutable std::vector<Letters> termLetters_;    // the same terms
    mutable std::vector<Letters> writtenLetters_; // the words as written, for suggestions
    mutable QStringList writtenSorted_;           // the same words in order, for words cut short
    // For each pair of first letters, the title terms longer than the pair that begin with it, the most
    // common first and no more than a word being typed stands for: all that two letters typed look for.
    mutable QHash<QString, QStringList> titleStarts_;
    // Each document's place when all titles stand in the order a reader expects, by the store's number: equal
    // scores are ordered by it, and comparing titles letter by letter on every keystroke cost more than the
    // rest of the ordering.
    mutable std::vector<int> titleOrder_;
    mutable bool termsRead_ = true;
};

} // namespace find
