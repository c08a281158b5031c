#include "indications/oillist/OilListCoding.h"

namespace {

// The codes are built so that decoding always undoes encoding for any display text free of digits and of the
// seven punctuation characters used here:
// - a code starts with one of 2 3 4 6 7 8 9 # @, and those characters never stand anywhere else in a code, so
// an
//   occurrence of a code can only begin where a code begins;
// - no code begins another code, except "#", which begins the three earlier codes "#05", "#10" and "#51";
// their
//   second character can never follow a "#" of the stored form, where only a code start or a display
//   character comes next, and they are decoded before "#" is.
// Hence two codes side by side never form a third one across their boundary.
constexpr std::array<OilCode, 34> kTable{{
    {QChar(u'A'), u"415"}, {QChar(u'a'), u"2%0"}, {QChar(u'B'), u"751"}, {QChar(u'b'), u"30"},
    {QChar(u'C'), u"#05"}, {QChar(u'c'), u"201"}, {QChar(u'D'), u"911"}, {QChar(u'd'), u"655"},
    {QChar(u'E'), u"4+1"}, {QChar(u'e'), u"61"},  {QChar(u'F'), u"810"}, {QChar(u'f'), u"7150"},
    {QChar(u'G'), u"3=5"}, {QChar(u'g'), u"#10"}, {QChar(u'H'), u"250"}, {QChar(u'h'), u"95"},
    {QChar(u'K'), u"605"}, {QChar(u'k'), u"8$0"}, {QChar(u'M'), u"311"}, {QChar(u'm'), u"400"},
    {QChar(u'N'), u"@"},   {QChar(u'n'), u"900"}, {QChar(u'P'), u"9*1"}, {QChar(u'p'), u"#51"},
    {QChar(u'R'), u"650"}, {QChar(u'r'), u"85"},  {QChar(u'S'), u"6q5"}, {QChar(u's'), u"700"},
    {QChar(u'T'), u"351"}, {QChar(u't'), u"#"},   {QChar(u'U'), u"220"}, {QChar(u'u'), u"315"},
    {QChar(u'W'), u"801"}, {QChar(u'w'), u"450"},
}};

} // namespace

const std::array<OilCode, 34> &oilCodeTable()
{
    return kTable;
}

QString applyOilCodes(const QString &text, std::span<const OilCode> table, OilCodeDirection direction)
{
    // QString::replace is exactly the left-to-right, non-overlapping replacement the conversions are defined
    // by.
    QString result = text;
    for (const OilCode &pair : table) {
        const QString letter(pair.letter);
        const QString code = pair.code.toString();
        if (direction == OilCodeDirection::Encode)
            result.replace(letter, code, Qt::CaseSensitive);
        else
            result.replace(code, letter, Qt::CaseSensitive);
    }
    return result;
}

QString EncodeOilList(const QString &text)
{
    return applyOilCodes(text, kTable, OilCodeDirection::Encode);
}

QString DecodeOilList(const QString &text)
{
    return applyOilCodes(text, kTable, OilCodeDirection::Decode);
}
