#include "shared/Windows1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Windows1252Test, BytesToCharacters)
{
    const struct
    {
        std::uint8_t byte;
        char16_t character;
    } cases[] = {
        {'A', u'A'},
        {0x00, 0x0000},
        {0x7F, 0x007F},
        {0x80, 0x20AC},
        {0x85, 0x2026},
        {0x96, 0x2013},
        {0x99, 0x2122},
        {0x9F, 0x0178},
        {0xA0, 0x00A0},
        {0xE9, 0x00E9},
        {0xFF, 0x00FF},
        // The five undefined bytes stand for the C1 control of the same number.
        {0x81, 0x0081},
        {0x8D, 0x008D},
        {0x8F, 0x008F},
        {0x90, 0x0090},
        {0x9D, 0x009D},
    };
    for (const auto &c : cases)
        EXPECT_EQ(cp1252::toUnicode(c.byte), c.character) << int(c.byte);
}

TEST(Windows1252Test, EveryByteComesBack)
{
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(cp1252::fromUnicode(cp1252::toUnicode(std::uint8_t(b))), std::uint8_t(b)) << b;
}

TEST(Windows1252Test, CharactersWithoutAByte)
{
    for (const char32_t c : {char32_t(0x0080), char32_t(0x009F), char32_t(0x0100), char32_t(0x03A9),
                             char32_t(0xFFFD), char32_t(0x1F33F)})
        EXPECT_FALSE(cp1252::fromUnicode(c).has_value()) << std::uint32_t(c);
}

} // namespace
