// The library's header comes before any Qt header: it does not build after Qt's "slots" and "signals" macros.
#include "find/logic/TermStore.h"

#include <algorithm>
#include <xapian.h>

namespace find {
namespace {

// Terms of the text stand unprefixed; those of the title and the written words carry a prefix, the library's
// own way to keep kinds of terms apart. Folded words are lower case, so no term of the text begins with one.
constexpr char titlePrefix = 'S';
constexpr char wordPrefix = 'W';
// A match in the title weighs this much more than one in the text.
constexpr double titleWeight = 3.0;

Xapian::docid docidOf(int document)
{
    return Xapian::docid(document) + 1;
}

Xapian::Query allOf(std::vector<Xapian::Query> queries)
{
    return Xapian::Query(Xapian::Query::OP_AND, queries.begin(), queries.end());
}

Xapian::Query bestOf(std::vector<Xapian::Query> queries)
{
    return Xapian::Query(Xapian::Query::OP_MAX, queries.begin(), queries.end());
}

Xapian::Query scaled(const std::string &term, double by)
{
    return Xapian::Query(Xapian::Query::OP_SCALE_WEIGHT, Xapian::Query(term), by);
}

// A part counts once, by its best candidate at its best place: the same word in the title and again in the
// text, or two near spellings of it, do not outweigh a document that holds it once where it matters.
Xapian::Query queryOf(const Part &part)
{
    std::vector<Xapian::Query> candidates;
    for (const Candidate &c : part) {
        candidates.push_back(scaled(titlePrefix + c.term, titleWeight * c.quality));
        if (!c.titleOnly)
            candidates.push_back(scaled(c.term, c.quality));
    }
    return bestOf(std::move(candidates));
}

} // namespace

struct TermStore::Library
{
    // In memory: the index is built from the content at each start and lives as long as the program.
    Xapian::WritableDatabase database{std::string(), Xapian::DB_BACKEND_INMEMORY};
};

TermStore::TermStore() : library_(std::make_unique<Library>()) {}
TermStore::~TermStore() = default;
TermStore::TermStore(TermStore &&) noexcept = default;
TermStore &TermStore::operator=(TermStore &&) noexcept = default;

void TermStore::put(int document, const Indexed &indexed)
{
    Xapian::Document d;
    for (const std::string &t : indexed.titleTerms)
        d.add_term(titlePrefix + t);
    for (const std::string &t : indexed.textTerms)
        d.add_term(t);
    for (const std::string &w : indexed.words)
        d.add_boolean_term(wordPrefix + w);
    library_->database.replace_document(docidOf(document), d);
}

void TermStore::erase(int document)
{
    try {
        library_->database.delete_document(docidOf(document));
    } catch (const Xapian::DocNotFoundError &) {
        // Already gone: nothing to take away.
    }
}

std::vector<std::pair<int, double>> TermStore::match(const Query &query) const
{
    std::vector<Xapian::Query> clauses;
    for (const Clause &clause : query) {
        std::vector<Xapian::Query> alternatives;
        for (const Alternative &alternative : clause) {
            std::vector<Xapian::Query> parts;
            for (const Part &part : alternative)
                parts.push_back(queryOf(part));
            alternatives.push_back(allOf(std::move(parts)));
        }
        clauses.push_back(bestOf(std::move(alternatives)));
    }
    const Xapian::Database &db = library_->database;
    Xapian::Enquire enquire(db);
    enquire.set_query(allOf(std::move(clauses)));
    const Xapian::MSet found = enquire.get_mset(0, db.get_doccount());
    std::vector<std::pair<int, double>> ranked;
    ranked.reserve(found.size());
    for (auto it = found.begin(); it != found.end(); ++it)
        ranked.emplace_back(int(*it) - 1, it.get_weight());
    return ranked;
}

bool TermStore::hasTerm(const std::string &term) const
{
    return library_->database.term_exists(term);
}

int TermStore::documentsWith(const std::string &term) const
{
    const Xapian::Database &db = library_->database;
    return int(db.get_termfreq(term) + db.get_termfreq(titlePrefix + term));
}

int TermStore::titlesWith(const std::string &term) const
{
    return int(library_->database.get_termfreq(titlePrefix + term));
}

std::vector<std::string> TermStore::allTerms() const
{
    std::vector<std::string> terms;
    const Xapian::Database &db = library_->database;
    for (auto it = db.allterms_begin(); it != db.allterms_end(); ++it) {
        const std::string term = *it;
        if (term[0] == titlePrefix)
            terms.push_back(term.substr(1));
        else if (term[0] != wordPrefix)
            terms.push_back(term);
    }
    std::sort(terms.begin(), terms.end());
    terms.erase(std::unique(terms.begin(), terms.end()), terms.end());
    return terms;
}

std::vector<std::pair<std::string, int>> TermStore::words() const
{
    std::vector<std::pair<std::string, int>> words;
    const Xapian::Database &db = library_->database;
    const std::string prefix(1, wordPrefix);
    for (auto it = db.allterms_begin(prefix); it != db.allterms_end(prefix); ++it)
        words.emplace_back((*it).substr(1), int(it.get_termfreq()));
    return words;
}

} // namespace find
