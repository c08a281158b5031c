#include "jet/IndexKeys.h"

#include "jet/Error.h"
#include "jet/Format.h"

#include <optional>

namespace jet {

namespace {

constexpr std::uint8_t AscendingValue = 0x7F; // first byte of a non-null field in an ascending index
constexpr std::uint8_t EndOfText = 0x01;
constexpr std::uint8_t EndOfExtras = 0x00; // closes the (here always empty) accent and case extras

// "General" sort-order codes of the letters A to Z; lower case sorts with upper case. The gaps leave room for
// the accented letters and ligatures that sort between them.
constexpr std::uint8_t LetterCodes[26] = {0x4A, 0x4C, 0x4D, 0x4F, 0x51, 0x53, 0x55, 0x57, 0x59,
                                          0x5B, 0x5C, 0x5E, 0x60, 0x62, 0x64, 0x66, 0x68, 0x69,
                                          0x6B, 0x6D, 0x6F, 0x71, 0x73, 0x75, 0x76, 0x78};
constexpr std::uint8_t DigitZero = 0x36; // the digits follow two apart
constexpr std::uint8_t SpaceCode = 0x07;

std::optional<std::uint8_t> generalCode(char c)
{
    if (c >= 'a' && c <= 'z')
        return LetterCodes[c - 'a'];
    if (c >= 'A' && c <= 'Z')
        return LetterCodes[c - 'A'];
    if (c >= '0' && c <= '9')
        return static_cast<std::uint8_t>(DigitZero + 2 * (c - '0'));
    if (c == ' ')
        return SpaceCode;
    return std::nullopt;
}

// Jet drops trailing spaces from text keys in ways not pinned down here, so text ending in one is refused.
std::optional<Bytes> encodeGeneral(const std::string &text)
{
    if (!text.empty() && text.back() == ' ')
        return std::nullopt;
    Bytes key{AscendingValue};
    for (char c : text) {
        const auto code = generalCode(c);
        if (!code)
            return std::nullopt;
        key.push_back(*code);
    }
    key.push_back(EndOfText);
    key.push_back(EndOfExtras);
    return key;
}

} // namespace

Bytes generalTextKey(const std::string &utf8)
{
    auto key = encodeGeneral(utf8);
    if (!key)
        fail(ErrorKind::Unsupported, "\"" + utf8 +
                                         "\" cannot be put in a text index: only ASCII letters, digits and "
                                         "spaces between words are supported");
    return *key;
}

bool hasGeneralTextKey(const std::string &utf8)
{
    return encodeGeneral(utf8).has_value();
}

Bytes indexKey(const Column &column, const Value &value)
{
    if (column.type == TypeLong && value.kind == Value::Kind::Long && value.integer >= INT32_MIN &&
        value.integer <= INT32_MAX) {
        // Big-endian with the sign bit flipped, so that negative numbers sort first.
        const auto bits = static_cast<std::uint32_t>(value.integer) ^ 0x80000000u;
        return {AscendingValue, static_cast<std::uint8_t>(bits >> 24), static_cast<std::uint8_t>(bits >> 16),
                static_cast<std::uint8_t>(bits >> 8), static_cast<std::uint8_t>(bits)};
    }
    if (column.type == TypeText && value.kind == Value::Kind::Text)
        return generalTextKey(value.text);
    fail(ErrorKind::Unsupported, "Field \"" + column.name + "\" cannot be put in an index by this program" +
                                     (value.isNull() ? " when it is empty" : ""));
}

Bytes indexEntry(const std::vector<Bytes> &segments, RowId row)
{
    Bytes entry;
    for (const Bytes &s : segments)
        entry.insert(entry.end(), s.begin(), s.end());
    entry.push_back(static_cast<std::uint8_t>(row.page >> 16));
    entry.push_back(static_cast<std::uint8_t>(row.page >> 8));
    entry.push_back(static_cast<std::uint8_t>(row.page));
    entry.push_back(static_cast<std::uint8_t>(row.row));
    return entry;
}

} // namespace jet
