#include "find/logic/SearchWords.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

namespace find {
namespace {

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber();
}

bool isVowel(QChar c)
{
    return QStringLiteral("aeiouy").contains(c);
}

bool hasVowel(QStringView s)
{
    return std::any_of(s.begin(), s.end(), isVowel);
}

// British spellings that differ from the American inside a word; each side of the pair is written as the
// right one. Both the documents and the queries go through it, so either spelling finds either.
struct Respelling
{
    const char *british;
    const char *american;
};
constexpr std::array respellings{
    Respelling{"haem", "hem"},     Respelling{"anaem", "anem"}, Respelling{"rrhoea", "rrhea"},
    Respelling{"paed", "ped"},     Respelling{"foet", "fet"},   Respelling{"aesth", "esth"},
    Respelling{"oesoph", "esoph"}, Respelling{"sulph", "sulf"}, Respelling{"leukaem", "leukem"},
};

QString americanSpelling(QString w)
{
    if (w.startsWith(QLatin1String("oe")) && w.size() > 4) // oedema, oestrogen
        w.remove(0, 1);
    for (const auto &r : respellings) {
        if (w.contains(QLatin1String(r.british))) // replace() would set up a matcher for every word
            w.replace(QLatin1String(r.british), QLatin1String(r.american));
    }
    // -our / -or (colour, tumour, odour); short words such as "four" and "your" are not spellings of this
    // kind.
    if (w.size() > 5 && w.endsWith(QLatin1String("our")))
        w.remove(w.size() - 2, 1);
    // -ise / -ize and their forms (sensitise, sensitised, sensitisation).
    for (const char *ending : {"isation", "ising", "ised", "ises", "ise"}) {
        const QLatin1String e(ending);
        if (w.size() > e.size() + 2 && w.endsWith(e)) {
            w[w.size() - e.size() + 1] = QLatin1Char('z');
            break;
        }
    }
    // -tre / -ter (centre, fibre, litre).
    if (w.size() > 4 && w.endsWith(QLatin1String("tre")))
        w.replace(w.size() - 3, 3, QLatin1String("ter"));
    return w;
}

bool stripSuffix(QString &w, QLatin1String suffix, qsizetype minStem = 3)
{
    if (w.size() - suffix.size() < minStem || !w.endsWith(suffix))
        return false;
    if (!hasVowel(QStringView(w).left(w.size() - suffix.size())))
        return false;
    w.chop(suffix.size());
    return true;
}

// A light English stemmer: plurals, then one derivational or verb ending, then the doubled consonant and
// final "e" that these endings leave or take away, so "inflammation", "inflamed" and "inflammatory" meet.
QString stem(QString w)
{
    if (w.size() <= 3)
        return w;
    if (w.endsWith(QLatin1String("ies")) && w.size() > 4)
        w.replace(w.size() - 3, 3, QLatin1String("y"));
    else if (w.endsWith(QLatin1String("sses")))
        w.chop(2);
    else if (w.endsWith(QLatin1Char('s')) && !w.endsWith(QLatin1String("ss")) &&
             !w.endsWith(QLatin1String("us")) && !w.endsWith(QLatin1String("is")))
        w.chop(1);

    for (const char *suffix : {"izations", "ization", "ational", "ations", "ation", "atory", "ative", "ness",
                               "ments", "ment", "ing", "ed", "ly", "ion", "ive", "ory"}) {
        if (stripSuffix(w, QLatin1String(suffix)))
            break;
    }
    if (w.size() > 3 && w.back() == w[w.size() - 2] && !isVowel(w.back()) && w.back() != QLatin1Char('s') &&
        w.back() != QLatin1Char('l'))
        w.chop(1);
    if (w.size() > 3 && w.endsWith(QLatin1Char('e')))
        w.chop(1);
    return w;
}

// Optimal string alignment of a with b or, when untilBeginning is set, with the best beginning of b.
int alignmentDistance(QStringView a, QStringView b, int limit, bool untilBeginning)
{
    const qsizetype n = a.size(), m = b.size();
    // Optimal string alignment over three rows; a row whose best cell is over the limit ends the search.
    // The typo scan calls this for every likely term of a keystroke: words fit rows on the stack.
    constexpr qsizetype stackRow = 48;
    std::array<std::array<int, stackRow>, 3> onStack;
    std::vector<int> onHeap;
    int *rows[3];
    if (m + 1 <= stackRow) {
        for (int r = 0; r < 3; ++r)
            rows[r] = onStack[std::size_t(r)].data();
    } else {
        onHeap.resize(std::size_t(3 * (m + 1)));
        for (int r = 0; r < 3; ++r)
            rows[r] = onHeap.data() + r * (m + 1);
    }
    int *before = rows[0], *previous = rows[1], *current = rows[2];
    for (qsizetype j = 0; j <= m; ++j)
        previous[j] = int(j);
    for (qsizetype i = 1; i <= n; ++i) {
        current[0] = int(i);
        int rowBest = current[0];
        for (qsizetype j = 1; j <= m; ++j) {
            const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            int d = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d = std::min(d, before[j - 2] + 1);
            current[j] = d;
            rowBest = std::min(rowBest, d);
        }
        if (rowBest > limit)
            return limit + 1;
        std::swap(before, previous);
        std::swap(previous, current);
    }
    const int last = untilBeginning ? *std::min_element(previous, previous + m + 1) : previous[m];
    return std::min(last, limit + 1);
}

} // namespace

QList<Word> wordsOf(const QString &text)
{
    QList<Word> words;
    qsizetype i = 0;
    while (i < text.size()) {
        if (!isWordChar(text[i])) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < text.size() && isWordChar(text[i]))
            ++i;
        words.append({start, i - start, foldWord(text.mid(start, i - start))});
    }
    return words;
}

QString foldWord(const QString &word)
{
    // Most words are plain ASCII, and decomposing every word of every snippet is what a keystroke would wait
    // for.
    if (std::all_of(word.begin(), word.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return word.toLower();
    const QString decomposed = word.normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (c == QChar(0x00DF)) { // ß has no decomposition
            folded += QLatin1String("ss");
            continue;
        }
        folded += c.toLower();
    }
    // Ligatures that are letters of their own: æ as in "æther", œ as in "œdema".
    folded.replace(QChar(0x00E6), QLatin1String("ae"));
    folded.replace(QChar(0x0153), QLatin1String("oe"));
    return folded;
}

QString termOf(const QString &foldedWord)
{
    return stem(americanSpelling(foldedWord));
}

int editDistance(const QString &a, const QString &b, int limit)
{
    if (std::abs(a.size() - b.size()) > limit)
        return limit + 1;
    return alignmentDistance(a, b, limit, false);
}

int prefixEditDistance(const QString &typed, const QString &word, int limit)
{
    // A beginning longer than this would take more edits than the limit to meet what was typed.
    return alignmentDistance(typed, QStringView(word).left(typed.size() + limit), limit, true);
}

int typosAllowed(qsizetype length)
{
    if (length < 4)
        return 0;
    return length < 9 ? 1 : 2;
}

} // namespace find
