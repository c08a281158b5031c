#include "find/logic/SearchIndex.h"

#include "find/logic/SearchWords.h"
#include "find/logic/Synonyms.h"
#include "find/logic/TermStore.h"

#include <algorithm>
#include <bit>
#include <cstdlib>

namespace find {
namespace {

constexpr double exactMatch = 1.0;
constexpr double prefixMatch = 0.8;
constexpr double oneTypo = 0.6;
constexpr double prefixWithTypo = 0.5; // the beginning of a word, with a mistake in it
constexpr double twoTypos = 0.4;
constexpr std::size_t prefixTerms = 30; // the most a word being typed expands to
// The words that a word being typed shorter than this begins are looked for in titles only: two
// letters begin hundreds of words of the text (and "in", "on", "an" stand in most of it), and the titles are
// what the user is heading for; from the next letter on, or once a blank ends the word, the text counts too.
constexpr qsizetype textPrefixFrom = 3;
constexpr qsizetype snippetBefore = 40;
constexpr qsizetype snippetLength = 120;

// A query's terms as clauses: where a run of terms is a synonym's typed words, the clause also takes the
// synonym's meaning as an alternative.
QList<QList<QStringList>> clausesOf(const QStringList &terms)
{
    QList<QList<QStringList>> clauses;
    qsizetype i = 0;
    while (i < terms.size()) {
        qsizetype longest = 0;
        for (const Synonym &s : synonyms()) {
            if (s.typed.size() > longest && terms.mid(i, s.typed.size()) == s.typed)
                longest = s.typed.size();
        }
        const qsizetype span = std::max<qsizetype>(longest, 1);
        QList<QStringList> clause{terms.mid(i, span)};
        for (const Synonym &s : synonyms()) {
            if (s.typed.size() == longest && terms.mid(i, longest) == s.typed)
                clause.append(s.meaning);
        }
        clauses.append(clause);
        i += span;
    }
    return clauses;
}

// One bit for each letter a word holds (letters that share a bit only make the test below weaker, never
// wrong).
quint64 lettersOf(const QString &term)
{
    quint64 letters = 0;
    for (const QChar c : term)
        letters |= quint64(1) << (c.unicode() % 64);
    return letters;
}

// Each letter one word holds and the other lacks costs at least one edit; most terms fail this long before
// their edits are counted.
bool mayBeWithin(quint64 a, quint64 b, int allowed)
{
    return std::popcount(a & ~b) <= allowed && std::popcount(b & ~a) <= allowed;
}

// The first letters of a word stand for hundreds of terms; the common ones are what is being typed, and
// matching all of them would keep every keystroke waiting.
template <typename Term> void keepMostCommon(std::vector<const Term *> &terms)
{
    if (terms.size() <= prefixTerms)
        return;
    std::partial_sort(terms.begin(), terms.begin() + prefixTerms, terms.end(),
                      [](const Term *a, const Term *b) { return a->documents > b->documents; });
    terms.resize(prefixTerms);
}

} // namespace

SearchIndex::SearchIndex() : store_(std::make_unique<TermStore>()) {}
SearchIndex::~SearchIndex() = default;
SearchIndex::SearchIndex(SearchIndex &&) noexcept = default;
SearchIndex &SearchIndex::operator=(SearchIndex &&) noexcept = default;

void SearchIndex::add(const Document &document)
{
    put(int(documents_.size()), document);
}

void SearchIndex::replace(const QString &target, const Document &document)
{
    const QList<int> ids = targets_.values(target);
    if (ids.isEmpty()) {
        add(document);
        return;
    }
    remove(target);
    put(ids.front(), document);
}

void SearchIndex::remove(const QString &target)
{
    for (const int id : targets_.values(target)) {
        store_->erase(id);
        documents_[std::size_t(id)].reset();
        fieldTerms_[std::size_t(id)].clear();
    }
    targets_.remove(target);
    termsRead_ = false;
}

void SearchIndex::put(int id, const Document &document)
{
    if (std::size_t(id) >= documents_.size())
        documents_.resize(std::size_t(id) + 1);
    if (std::size_t(id) >= fieldTerms_.size())
        fieldTerms_.resize(std::size_t(id) + 1);
    documents_[std::size_t(id)] = document;
    targets_.insert(document.target, id);
    if (!kinds_.contains(document.kind))
        kinds_.append(document.kind);

    Indexed indexed;
    for (const Word &w : wordsOf(document.title)) {
        indexed.titleTerms.push_back(terms_[termFor(w.folded)].toStdString());
        indexed.words.push_back(w.folded.toStdString());
    }
    FieldTerms &fields = fieldTerms_[std::size_t(id)];
    fields.clear();
    for (const QString &field : document.fields) {
        QList<TermAt> &terms = fields.emplace_back();
        for (const Word &w : wordsOf(field)) {
            terms.append({w.start, w.length, termFor(w.folded)});
            indexed.textTerms.push_back(terms_[terms.back().term].toStdString());
            indexed.words.push_back(w.folded.toStdString());
        }
    }
    store_->put(id, indexed);
    termsRead_ = false;
}

int SearchIndex::termFor(const QString &folded)
{
    auto known = termOfWord_.constFind(folded);
    if (known == termOfWord_.cend()) {
        const QString term = termOf(folded);
        auto number = termNumbers_.constFind(term);
        if (number == termNumbers_.cend()) {
            number = termNumbers_.insert(term, int(terms_.size()));
            terms_.append(term);
        }
        known = termOfWord_.insert(folded, number.value());
    }
    return known.value();
}

const QStringList &SearchIndex::sortedTerms() const
{
    if (!termsRead_) {
        sortedTerms_.clear();
        for (const std::string &t : store_->allTerms())
            sortedTerms_.append(QString::fromStdString(t));
        std::sort(sortedTerms_.begin(), sortedTerms_.end()); // as QString compares, for lower_bound
        termLetters_.clear();
        termLetters_.reserve(std::size_t(sortedTerms_.size()));
        for (const QString &t : sortedTerms_) {
            const std::string term = t.toStdString();
            termLetters_.push_back({t, lettersOf(t), store_->documentsWith(term), store_->titlesWith(term)});
        }
        readTitleStarts();
        readTitleOrder();
        writtenLetters_.clear();
        writtenSorted_.clear();
        for (const auto &[word, documents] : store_->words()) {
            const QString written = QString::fromStdString(word);
            writtenLetters_.push_back({written, lettersOf(written), documents, 0});
            writtenSorted_.append(written);
        }
        std::sort(writtenSorted_.begin(), writtenSorted_.end());
        termsRead_ = true;
    }
    return sortedTerms_;
}

void SearchIndex::readTitleStarts() const
{
    QHash<QString, std::vector<const Letters *>> starting;
    for (const Letters &t : termLetters_) {
        if (t.titles > 0 && t.text.size() >= textPrefixFrom)
            starting[t.text.left(textPrefixFrom - 1)].push_back(&t);
    }
    titleStarts_.clear();
    for (auto it = starting.begin(); it != starting.end(); ++it) {
        std::vector<const Letters *> &terms = it.value();
        const std::size_t kept = std::min(terms.size(), prefixTerms);
        std::partial_sort(terms.begin(), terms.begin() + kept, terms.end(),
                          [](const Letters *a, const Letters *b) { return a->titles > b->titles; });
        QStringList &starts = titleStarts_[it.key()];
        for (std::size_t i = 0; i < kept; ++i)
            starts.append(terms[i]->text);
    }
}

void SearchIndex::readTitleOrder() const
{
    std::vector<int> ids;
    for (std::size_t id = 0; id < documents_.size(); ++id) {
        if (documents_[id])
            ids.push_back(int(id));
    }
    std::stable_sort(ids.begin(), ids.end(), [this](int a, int b) {
        return documents_[std::size_t(a)]->title.localeAwareCompare(documents_[std::size_t(b)]->title) < 0;
    });
    titleOrder_.assign(documents_.size(), 0);
    for (std::size_t place = 0; place < ids.size(); ++place)
        titleOrder_[std::size_t(ids[place])] = int(place);
}

SearchIndex::TermWeights SearchIndex::candidates(const QString &term, bool prefixToo) const
{
    TermWeights found;
    const QStringList &terms = sortedTerms();
    const auto at = std::lower_bound(terms.cbegin(), terms.cend(), term);
    if (at != terms.cend() && *at == term)
        found.insert(term, exactMatch);
    if (prefixToo && term.size() == textPrefixFrom - 1) {
        // What the first letters begin is looked for in titles only, and that list is made with the index.
        for (const QString &t : titleStarts_.value(term))
            found.insert(t, prefixMatch);
    } else if (prefixToo && term.size() >= textPrefixFrom) {
        std::vector<const Letters *> starting;
        for (auto it = at; it != terms.cend() && it->startsWith(term); ++it) {
            if (*it != term)
                starting.push_back(&termLetters_[std::size_t(it - terms.cbegin())]);
        }
        // A word cut short can be longer than its term ("inhalat" of "inhalation", whose term is "inhal"):
        // the words as written that it begins lead to their terms.
        if (starting.empty()) {
            const auto written = std::lower_bound(writtenSorted_.cbegin(), writtenSorted_.cend(), term);
            for (auto w = written; w != writtenSorted_.cend() && w->startsWith(term); ++w) {
                const QString stem = termOf(*w);
                const auto known = std::lower_bound(terms.cbegin(), terms.cend(), stem);
                if (stem != term && known != terms.cend() && *known == stem)
                    starting.push_back(&termLetters_[std::size_t(known - terms.cbegin())]);
            }
            std::sort(starting.begin(), starting.end());
            starting.erase(std::unique(starting.begin(), starting.end()), starting.end());
        }
        keepMostCommon(starting);
        for (const Letters *t : starting)
            found.insert(t->text, prefixMatch);
    }
    // A word the reference has, or the start of words it has, is what the user meant: reading it as a typo of
    // another word would rank "holding" beside "cold", and the scan of every term is a keystroke's main cost.
    const int allowed = found.isEmpty() ? typosAllowed(term.size()) : 0;
    if (allowed <= 0)
        return found;
    const quint64 letters = lettersOf(term);
    for (const Letters &t : termLetters_) {
        if (std::abs(t.text.size() - term.size()) > allowed || !mayBeWithin(letters, t.letters, allowed))
            continue;
        const int d = editDistance(term, t.text, allowed);
        if (d <= allowed)
            found.insert(t.text, d == 1 ? oneTypo : twoTypos);
    }
    if (!found.isEmpty() || !prefixToo)
        return found;
    // A word still being typed with a mistake in it begins no term, and is no term's typo yet: "lavenda", on
    // the way to "lavendar", would show nothing between two keystrokes that both find Lavender.
    std::vector<const Letters *> begun;
    for (const Letters &t : termLetters_) {
        // Letters the term lacks are typos; those it has beyond the beginning typed cost nothing.
        if (t.text.size() > term.size() && std::popcount(letters & ~t.letters) <= allowed &&
            prefixEditDistance(term, t.text, allowed) <= allowed)
            begun.push_back(&t);
    }
    keepMostCommon(begun);
    for (const Letters *t : begun)
        found.insert(t->text, prefixWithTypo);
    return found;
}

void SearchIndex::prepare() const
{
    sortedTerms();
}

SearchResults SearchIndex::search(const QString &query) const
{
    const QList<Word> words = wordsOf(query);
    if (words.isEmpty())
        return {};
    QStringList terms;
    for (const Word &w : words)
        terms.append(termOf(w.folded));
    // The last word is still being typed unless a blank follows it.
    const bool lastIsPartial = words.back().start + words.back().length == query.size();

    TermWeights matched;
    Query asked;
    const QList<QList<QStringList>> clauses = clausesOf(terms);
    for (qsizetype c = 0; c < clauses.size(); ++c) {
        Clause clause;
        for (const QStringList &alternative : clauses[c]) {
            Alternative parts;
            for (qsizetype t = 0; t < alternative.size(); ++t) {
                const bool partial = lastIsPartial && c == clauses.size() - 1 && t == alternative.size() - 1;
                const TermWeights weights = candidates(alternative[t], partial);
                matched.insert(weights);
                const bool shortPrefix = partial && alternative[t].size() < textPrefixFrom;
                Part part;
                // The word as typed is a word of its own ("cannot say no"): only what it begins waits for the
                // third letter.
                for (auto it = weights.cbegin(); it != weights.cend(); ++it)
                    part.push_back(
                        {it.key().toStdString(), it.value(), shortPrefix && it.key() != alternative[t]});
                parts.push_back(std::move(part));
            }
            clause.push_back(std::move(parts));
        }
        asked.push_back(std::move(clause));
    }

    std::vector<std::pair<int, double>> ranked = store_->match(asked);
    SearchResults results;
    if (ranked.empty()) {
        results.suggestion = suggestionFor(query);
        return results;
    }
    // Snippets look their words up by number: hashing each word's text was most of a snippet's cost.
    auto isMatched = std::make_shared<std::vector<bool>>(std::size_t(terms_.size()), false);
    for (auto it = matched.cbegin(); it != matched.cend(); ++it) {
        const auto number = termNumbers_.constFind(it.key());
        if (number != termNumbers_.cend())
            (*isMatched)[std::size_t(number.value())] = true;
    }
    results.matched = std::move(isMatched);
    // The library orders equal scores by when a document came in; the title reads better.
    sortedTerms(); // reads the titles' order with the terms, when a change made it out of date
    std::sort(ranked.begin(), ranked.end(), [this](const auto &a, const auto &b) {
        if (a.second != b.second)
            return a.second > b.second;
        return titleOrder_[std::size_t(a.first)] < titleOrder_[std::size_t(b.first)];
    });
    for (const auto &[id, score] : ranked) {
        const Document &d = *documents_[std::size_t(id)];
        auto group = std::find_if(results.groups.begin(), results.groups.end(),
                                  [&](const ResultGroup &g) { return g.kind == d.kind; });
        if (group == results.groups.end()) {
            results.groups.append({d.kind, {}});
            group = results.groups.end() - 1;
            group->results.reserve(resultsPerKind);
        }
        if (group->results.size() < resultsPerKind)
            group->results.append({d.title, d.target, score, id});
    }
    // Groups already stand in the order of their best results; equal bests keep the order kinds were added
    // in.
    std::stable_sort(results.groups.begin(), results.groups.end(), [this](const auto &a, const auto &b) {
        if (a.results.front().score != b.results.front().score)
            return a.results.front().score > b.results.front().score;
        return kinds_.indexOf(a.kind) < kinds_.indexOf(b.kind);
    });
    return results;
}

Snippet SearchIndex::snippet(const Result &result, const SearchResults &from) const
{
    const auto id = std::size_t(result.document);
    if (id >= documents_.size() || !documents_[id] || !from.matched)
        return {};
    const Document &document = *documents_[id];
    const FieldTerms &terms = fieldTerms_[id];
    const std::vector<bool> &matched = *from.matched;
    // A record saved since the search may hold terms that are newer than the search: they were not matched.
    const auto isMatch = [&](const TermAt &w) {
        return std::size_t(w.term) < matched.size() && matched[std::size_t(w.term)];
    };
    for (qsizetype f = 0; f < document.fields.size() && f < terms.size(); ++f) {
        const QString &field = document.fields[f];
        const QList<TermAt> &words = terms[f];
        const auto hit = std::find_if(words.cbegin(), words.cend(), isMatch);
        if (hit == words.cend())
            continue;
        // Start and end at word boundaries around the first match.
        qsizetype from = 0;
        qsizetype to = field.size();
        for (const TermAt &w : words) {
            if (w.start <= hit->start - snippetBefore)
                from = w.start;
            if (w.start + w.length > hit->start + snippetLength - snippetBefore) {
                to = w.start + w.length;
                break;
            }
        }
        const QString ellipsis = QStringLiteral("\u2026");
        Snippet snippet;
        const QString lead = from > 0 ? ellipsis : QString();
        snippet.text = lead + field.mid(from, to - from) + (to < field.size() ? ellipsis : QString());
        const qsizetype shift = lead.size() - from;
        for (const TermAt &w : words) {
            if (w.start >= from && w.start + w.length <= to && isMatch(w))
                snippet.marks.append({w.start + shift, w.length});
        }
        return snippet;
    }
    // The title alone matched: the text's beginning tells what the document is about.
    const QString text = document.fields.value(0);
    return {text.left(snippetLength) + (text.size() > snippetLength ? QStringLiteral("\u2026") : QString()),
            {}};
}

QString SearchIndex::suggestionFor(const QString &query) const
{
    sortedTerms(); // reads the written words too
    QStringList spelt;
    bool changed = false;
    for (const Word &w : wordsOf(query)) {
        QString best = w.folded;
        if (!store_->hasTerm(termOf(w.folded).toStdString()) && w.folded.size() >= 3) {
            const int limit = w.folded.size() >= 6 ? 3 : 2;
            int bestDistance = limit + 1;
            int bestCount = 0;
            const quint64 letters = lettersOf(w.folded);
            for (const Letters &written : writtenLetters_) {
                if (!mayBeWithin(letters, written.letters, limit))
                    continue;
                const int d = editDistance(w.folded, written.text, limit);
                if (d < bestDistance || (d == bestDistance && d <= limit && written.documents > bestCount)) {
                    bestDistance = d;
                    bestCount = written.documents;
                    best = written.text;
                }
            }
            changed = changed || best != w.folded;
        }
        spelt.append(best);
    }
    return changed ? spelt.join(QLatin1Char(' ')) : QString();
}

} // namespace find
