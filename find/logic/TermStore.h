#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

// The full-text library behind the search: it keeps which document holds which term, and ranks the documents
// that answer a query. Only TermStore.cpp sees the library, so the rest of the search never includes it (its
// header clashes with Qt's keywords) and another library could take its place here alone.
namespace find {

// A term and how well it stands for what was typed (1 for the term itself, less for a prefix or a typo).
struct Candidate
{
    std::string term;
    double quality = 1.0;
    bool titleOnly = false; // looked for in titles only
};

// A query in the shape the search builds: every clause must be answered; a clause is answered by any of its
// alternatives; an alternative by all of its parts; a part by any of its candidates.
using Part = std::vector<Candidate>;
using Alternative = std::vector<Part>;
using Clause = std::vector<Alternative>;
using Query = std::vector<Clause>;

struct Indexed
{
    std::vector<std::string> titleTerms;
    std::vector<std::string> textTerms;
    std::vector<std::string> words; // the words as written (folded), for spelling suggestions
};

class TermStore
{
public:
    TermStore();
    ~TermStore();
    TermStore(const TermStore &) = delete;
    TermStore &operator=(const TermStore &) = delete;
    TermStore(TermStore &&) noexcept;
    TermStore &operator=(TermStore &&) noexcept;

    // Documents are numbered by the caller from 0; put replaces what a number held before.
    void put(int document, const Indexed &indexed);
    void erase(int document);

    // The documents answering the query with their scores, best first.
    std::vector<std::pair<int, double>> match(const Query &query) const;

    bool hasTerm(const std::string &term) const;
    // How many documents hold the term in the title or the text (one holding it in both counts twice).
    int documentsWith(const std::string &term) const;
    int titlesWith(const std::string &term) const; // how many documents hold the term in the title
    std::vector<std::string> allTerms() const;     // sorted
    // The written words with the number of documents holding each.
    std::vector<std::pair<std::string, int>> words() const;

private:
    struct Library;
    std::unique_ptr<Library> library_;
};

} // namespace find
