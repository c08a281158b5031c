#include "find/logic/Synonyms.h"

#include "find/logic/SearchWords.h"

// The table lives here rather than in the content set: it is part of how a query is read, like the spelling
// rules, it is small, and keeping it in the library lets the library and its tests stand without the content.
namespace find {
namespace {

struct Entry
{
    const char *typed;
    const char *meaning;
};

constexpr Entry table[] = {
    {"sleeplessness", "insomnia"},
    {"sleeplessness", "sleep"},
    {"can't sleep", "insomnia"},
    {"cold sore", "herpes"},
    {"fever blister", "herpes"},
    {"shingles", "herpes zoster"},
    {"high blood pressure", "hypertension"},
    {"low blood pressure", "hypotension"},
    {"hay fever", "rhinitis"},
    {"period pain", "dysmenorrhea"},
    {"painful periods", "dysmenorrhea"},
    {"heartburn", "indigestion"},
    {"upset stomach", "indigestion"},
    {"piles", "hemorrhoids"},
    {"spots", "acne"},
    {"pimples", "acne"},
    {"travel sickness", "nausea"},
    {"motion sickness", "nausea"},
    {"morning sickness", "nausea"},
    {"hair loss", "alopecia"},
    {"baldness", "alopecia"},
    {"dandruff", "scalp"},
    {"athletes foot", "tinea"},
    {"ringworm", "tinea"},
    {"bad breath", "halitosis"},
    {"nosebleed", "epistaxis"},
    {"stretch marks", "striae"},
    {"sunburn", "burns"},
    {"stress", "anxiety"},
    {"nerves", "anxiety"},
    {"low mood", "depression"},
    {"flu", "influenza"},
    {"runny nose", "catarrh"},
    {"blocked nose", "congestion"},
    {"swelling", "edema"},
    {"water retention", "edema"},
    {"wind", "flatulence"},
    {"bloating", "flatulence"},
    {"thrush", "candida"},
};

QStringList termsOf(const char *phrase)
{
    QStringList terms;
    for (const Word &w : wordsOf(QString::fromUtf8(phrase)))
        terms.append(termOf(w.folded));
    return terms;
}

} // namespace

const QList<Synonym> &synonyms()
{
    static const QList<Synonym> folded = [] {
        QList<Synonym> list;
        for (const Entry &e : table)
            list.append({termsOf(e.typed), termsOf(e.meaning)});
        return list;
    }();
    return folded;
}

} // namespace find
