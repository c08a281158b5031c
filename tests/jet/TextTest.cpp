#include "jet/Text.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct DecodeCase
{
    const char *name;
    std::vector<std::uint8_t> stored;
    std::string utf8;
};

const std::string replacement = "\xEF\xBF\xBD";

const DecodeCase jet4Cases[] = {
    {"Empty", {}, ""},
    {"CompressedMarkOnly", {0xFF, 0xFE}, ""},
    {"CompressedAscii", {0xFF, 0xFE, 'T', 'e', 'a'}, "Tea"},
    {"CompressedLatin1", {0xFF, 0xFE, 'N', 0xE9, 'r', 'o', 'l', 'i'}, "N\xC3\xA9roli"},
    {"CompressedSwitchesToTwoByteRunAndBack",
     {0xFF, 0xFE, 'a', 0x00, 0xAC, 0x20, 0x00, 'b'},
     "a\xE2\x82\xAC"
     "b"},
    {"CompressedSurrogatePair", {0xFF, 0xFE, 0x00, 0x3D, 0xD8, 0x01, 0xDE}, "\xF0\x9F\x98\x81"},
    {"CompressedTwoByteRunCutShort", {0xFF, 0xFE, 'x', 0x00, 0x41}, "x"},
    {"Ucs2Ascii", {'M', 0, 'y', 0, 'r', 0, 'r', 0, 'h', 0}, "Myrrh"},
    {"Ucs2KeepsANul", {'a', 0, 0, 0, 'b', 0}, std::string("a\0b", 3)},
    {"Ucs2LatinAndEuro", {0xE9, 0x00, 0xAC, 0x20}, "\xC3\xA9\xE2\x82\xAC"},
    {"Ucs2Greek", {0x9B, 0x03, 0xAC, 0x03}, "\xCE\x9B\xCE\xAC"},
    {"Ucs2SurrogatePair", {0x3D, 0xD8, 0x00, 0xDE, '!', 0}, "\xF0\x9F\x98\x80!"},
    {"Ucs2LoneHighSurrogateAtEnd", {'a', 0, 0x3D, 0xD8}, "a" + replacement},
    {"Ucs2HighSurrogateBeforeALetter", {0x3D, 0xD8, 'a', 0}, replacement + "a"},
    {"Ucs2TwoHighSurrogates", {0x3D, 0xD8, 0x3D, 0xD8, 0x00, 0xDE}, replacement + "\xF0\x9F\x98\x80"},
    {"Ucs2LoneLowSurrogate", {0x00, 0xDE, 'a', 0}, replacement + "a"},
    {"Ucs2OddTrailingByteIgnored", {'o', 0, 'k'}, "o"},
};

class Jet4DecodeTest : public ::testing::TestWithParam<DecodeCase>
{
};

TEST_P(Jet4DecodeTest, GivesUtf8)
{
    const DecodeCase &c = GetParam();
    EXPECT_EQ(jet::decodeJet4Text(c.stored.data(), c.stored.size()), c.utf8);
}

INSTANTIATE_TEST_SUITE_P(Cases, Jet4DecodeTest, ::testing::ValuesIn(jet4Cases),
                         [](const auto &info) { return std::string(info.param.name); });

// What we store reads back the same, compressed or not.
TEST(TextTest, EncodedTextDecodesBackToItself)
{
    const std::string texts[] = {"",
                                 "Lavender",
                                 "Inhalation\r\nMassage",
                                 "N\xC3\xA9roli, Ylang-ylang \xE2\x80\x93 50 %",
                                 "Bronchite \xC3\xA0 \xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1",
                                 "\xE6\x94\xAF\xE6\xB0\x94\xE7\xAE\xA1\xE7\x82\x8E",
                                 "smile \xF0\x9F\x98\x80"};
    for (const std::string &text : texts) {
        for (const bool compress : {false, true}) {
            const jet::Bytes stored = jet::encodeJet4Text(text, compress);
            EXPECT_EQ(jet::decodeJet4Text(stored.data(), stored.size()), text) << text << " " << compress;
        }
    }
}

TEST(TextTest, Cp1252GivesUtf8)
{
    const struct
    {
        std::vector<std::uint8_t> stored;
        std::string utf8;
    } cases[] = {
        {{'C', 'l', 'o', 'v', 'e'}, "Clove"},
        {{'N', 0xE9, 'r', 'o', 'l', 'i'}, "N\xC3\xA9roli"},
        {{0x80, ' ', 0x96, ' ', 0x9C}, "\xE2\x82\xAC \xE2\x80\x93 \xC5\x93"},
        // An undefined byte stands for the C1 control of its number, as everywhere in the program.
        {{0x81, 0x9D}, "\xC2\x81\xC2\x9D"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(jet::decodeCp1252(c.stored.data(), c.stored.size()), c.utf8);
}

} // namespace
