#pragma once

#include <QList>
#include <QString>

// How a word of a document or of a query becomes the term the index compares: the forms a reader would
// count as the same word (case, accents, British or American spelling, plural or derived form) fold into one.
namespace find {

struct Word
{
    qsizetype start = 0; // position in the text it was read from
    qsizetype length = 0;
    QString folded; // lower case, accents removed: the form spelling suggestions are made of
};

// The words of a text with their places in it; letters and digits make a word, anything else parts them.
QList<Word> wordsOf(const QString &text);

// Lower case without accents: "Néroli" becomes "neroli".
QString foldWord(const QString &word);

// The term under which a folded word is indexed: one spelling (American) and one stem for its forms.
QString termOf(const QString &foldedWord);

// Edits (insert, delete, replace, swap of neighbours) between two words, or limit + 1 once it is over limit.
int editDistance(const QString &a, const QString &b, int limit);
// The same edits counted until `typed` is the beginning of `word` ("lavenda" is one edit from beginning
// "lavender"): what a word still being typed with a mistake in it is from the word meant.
int prefixEditDistance(const QString &typed, const QString &word, int limit);

// How many typing mistakes a word of this length may carry and still be taken for another.
int typosAllowed(qsizetype length);

} // namespace find
