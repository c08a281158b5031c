#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Everyday words people type for the names of the indications: "sleeplessness" for insomnia.
namespace find {

struct Synonym
{
    QStringList typed;   // the words as typed, in order ("cold", "sore")
    QStringList meaning; // the words of the indication's name ("herpes")
};

// The table, its words already folded to the terms the index compares.
const QList<Synonym> &synonyms();

} // namespace find
