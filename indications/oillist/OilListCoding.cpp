#include "indications/oillist/OilListCoding.h"

namespace {

// The codes are chosen so that decoding undoes encoding for every display text without digits and without
// the punctuation characters of the codes. A code starts with one of 2 3 4 6 7 8 9 # @, and these characters
// stand nowhere else in a code, so a code can only be found where a code of the stored form begins. No code
// begins another code, except "#", the start of the earlier codes "#05", "#10" and "#51"; but a "#" of the
// stored form is followed only by the start of a code or by display text, never by 0, 1 or 5. So codes side
// by side never form another code across their boundary.
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
    // QString::replace scans left to right and resumes behind each match: the replacement we are bound to.
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
