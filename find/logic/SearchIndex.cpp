#include "find/logic/SearchIndex.h"

#include "find/logic/SearchWords.h"
#include "find/logic/Synonyms.h"

#include <algorithm>
#include <cstdlib>

namespace find {
namespace {

constexpr double titleWeight = 3.0;
constexpr double textWeight = 1.0;
constexpr double exactMatch = 1.0;
constexpr double prefixMatch = 0.8;
constexpr double oneTypo = 0.6;
constexpr double twoTypos = 0.4;
constexpr qsizetype snippetBefore = 40;
constexpr qsizetype snippetLength = 120;

// Alternatives for one part of a query; a document answers the part if it holds every term of one of them.
using Clause = QList<QStringList>;

QList<Clause> clausesOf(const QStringList &terms)
{
    QList<Clause> clauses;
    qsizetype i = 0;
    while (i < terms.size()) {
        qsizetype longest = 0;
        for (const Synonym &s : synonyms()) {
            if (s.typed.size() > longest && terms.mid(i, s.typed.size()) == s.typed)
                longest = s.typed.size();
        }
        const qsizetype span = std::max<qsizetype>(longest, 1);
        Clause clause{terms.mid(i, span)};
        for (const Synonym &s : synonyms()) {
            if (s.typed.size() == longest && terms.mid(i, longest) == s.typed)
                clause.append(s.meaning);
        }
        clauses.append(clause);
        i += span;
    }
    return clauses;
}

QHash<int, double> intersect(const QHash<int, double> &a, const QHash<int, double> &b)
{
    QHash<int, double> both;
    const auto &smaller = a.size() <= b.size() ? a : b;
    const auto &larger = a.size() <= b.size() ? b : a;
    for (auto it = smaller.cbegin(); it != smaller.cend(); ++it) {
        const auto other = larger.constFind(it.key());
        if (other != larger.cend())
            both.insert(it.key(), it.value() + other.value());
    }
    return both;
}

} // namespace

void SearchIndex::add(const Document &document)
{
    const int id = int(documents_.size());
    documents_.push_back(document);
    if (!kinds_.contains(document.kind))
        kinds_.append(document.kind);

    QHash<QString, double> best;
    const auto note = [&](const QString &text, double weight) {
        for (const Word &w : wordsOf(text)) {
            ++wordCounts_[w.folded];
            double &b = best[termOf(w.folded)];
            b = std::max(b, weight);
        }
    };
    note(document.title, titleWeight);
    for (const QString &field : document.fields)
        note(field, textWeight);
    for (auto it = best.cbegin(); it != best.cend(); ++it) {
        auto &list = postings_[it.key()];
        if (list.empty())
            termsSorted_ = false;
        list.push_back({id, it.value()});
    }
}

const QStringList &SearchIndex::sortedTerms() const
{
    if (!termsSorted_) {
        sortedTerms_ = postings_.keys();
        std::sort(sortedTerms_.begin(), sortedTerms_.end());
        termsSorted_ = true;
    }
    return sortedTerms_;
}

SearchIndex::TermWeights SearchIndex::candidates(const QString &term, bool prefixToo) const
{
    TermWeights found;
    const QStringList &terms = sortedTerms();
    if (postings_.contains(term))
        found.insert(term, exactMatch);
    if (prefixToo && term.size() >= 2) {
        for (auto it = std::lower_bound(terms.cbegin(), terms.cend(), term);
             it != terms.cend() && it->startsWith(term); ++it) {
            if (!found.contains(*it))
                found.insert(*it, prefixMatch);
        }
    }
    const int allowed = typosAllowed(term.size());
    if (allowed > 0) {
        for (const QString &t : terms) {
            if (found.contains(t) || std::abs(t.size() - term.size()) > allowed)
                continue;
            const int d = editDistance(term, t, allowed);
            if (d <= allowed)
                found.insert(t, d == 1 ? oneTypo : twoTypos);
        }
    }
    return found;
}

SearchIndex::Scores SearchIndex::documentsMatching(const TermWeights &terms) const
{
    Scores scores;
    for (auto it = terms.cbegin(); it != terms.cend(); ++it) {
        for (const Posting &p : postings_.value(it.key())) {
            double &s = scores[p.document];
            s = std::max(s, p.weight * it.value());
        }
    }
    return scores;
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
    Scores total;
    bool first = true;
    const QList<Clause> clauses = clausesOf(terms);
    for (qsizetype c = 0; c < clauses.size(); ++c) {
        Scores clauseScores;
        for (const QStringList &alternative : clauses[c]) {
            Scores alt;
            for (qsizetype t = 0; t < alternative.size(); ++t) {
                const bool partial = lastIsPartial && c == clauses.size() - 1 && t == alternative.size() - 1;
                const TermWeights weights = candidates(alternative[t], partial);
                matched.insert(weights);
                const Scores s = documentsMatching(weights);
                alt = t == 0 ? s : intersect(alt, s);
            }
            for (auto it = alt.cbegin(); it != alt.cend(); ++it) {
                double &best = clauseScores[it.key()];
                best = std::max(best, it.value());
            }
        }
        total = first ? clauseScores : intersect(total, clauseScores);
        first = false;
    }

    SearchResults results;
    if (total.isEmpty()) {
        results.suggestion = suggestionFor(query);
        return results;
    }
    QList<std::pair<int, double>> ranked;
    for (auto it = total.cbegin(); it != total.cend(); ++it)
        ranked.append({it.key(), it.value()});
    std::sort(ranked.begin(), ranked.end(), [this](const auto &a, const auto &b) {
        if (a.second != b.second)
            return a.second > b.second;
        return documents_[a.first].title.localeAwareCompare(documents_[b.first].title) < 0;
    });
    for (const auto &[id, score] : ranked) {
        const Document &d = documents_[id];
        auto group = std::find_if(results.groups.begin(), results.groups.end(),
                                  [&](const ResultGroup &g) { return g.kind == d.kind; });
        if (group == results.groups.end()) {
            results.groups.append({d.kind, {}});
            group = results.groups.end() - 1;
        }
        if (group->results.size() < resultsPerKind)
            group->results.append({d.title, d.target, snippetFor(d, matched), score});
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

Snippet SearchIndex::snippetFor(const Document &document, const TermWeights &matched) const
{
    for (const QString &field : document.fields) {
        const QList<Word> words = wordsOf(field);
        const auto hit = std::find_if(words.cbegin(), words.cend(),
                                      [&](const Word &w) { return matched.contains(termOf(w.folded)); });
        if (hit == words.cend())
            continue;
        // Start and end at word boundaries around the first match.
        qsizetype from = 0;
        qsizetype to = field.size();
        for (const Word &w : words) {
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
        for (const Word &w : words) {
            if (w.start >= from && w.start + w.length <= to && matched.contains(termOf(w.folded)))
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
    QStringList spelt;
    bool changed = false;
    for (const Word &w : wordsOf(query)) {
        QString best = w.folded;
        if (!postings_.contains(termOf(w.folded)) && w.folded.size() >= 3) {
            const int limit = w.folded.size() >= 6 ? 3 : 2;
            int bestDistance = limit + 1;
            int bestCount = 0;
            for (auto it = wordCounts_.cbegin(); it != wordCounts_.cend(); ++it) {
                const int d = editDistance(w.folded, it.key(), limit);
                if (d < bestDistance || (d == bestDistance && d <= limit && it.value() > bestCount)) {
                    bestDistance = d;
                    bestCount = it.value();
                    best = it.key();
                }
            }
            changed = changed || best != w.folded;
        }
        spelt.append(best);
    }
    return changed ? spelt.join(QLatin1Char(' ')) : QString();
}

} // namespace find
