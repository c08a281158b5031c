#pragma once

#include <QChar>
#include <QString>
#include <QStringView>
#include <array>
#include <span>

// One pair of the code table: a letter of the readable oil list and the code that stands for it in the stored
// form.
struct OilCode
{
    QChar letter;
    QStringView code;
};

// The 34 pairs in the order in which both conversions apply them. The stored oil lists of Indications.mdb are
// made with this table, so it must never change.
const std::array<OilCode, 34> &oilCodeTable();

enum class OilCodeDirection {
    Encode, // letter -> code
    Decode, // code -> letter
};

// Applies the pairs of any table one after the other; each pair replaces every occurrence from the start of
// the text to its end, resuming behind each match, so occurrences never overlap and nothing it puts in is
// read again.
QString applyOilCodes(const QString &text, std::span<const OilCode> table, OilCodeDirection direction);

// Display form -> stored form: every letter of the table replaced by its code, everything else kept.
QString EncodeOilList(const QString &text);

// Stored form -> display form: every code replaced by its letter, pair after pair in table order.
QString DecodeOilList(const QString &text);
