#pragma once

#include <cstdint>
#include <optional>

// Windows code page 1252, the Western-European code page of the files this program shares with older
// programs: Jet 3 text, the 8-bit escapes of RTF, mail drafts and the companion's path file. Standard C++
// only, so that the database engine can use it too.
namespace cp1252 {

// The character of a byte. The code page leaves five bytes undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D): each
// stands for the C1 control of the same number, as the Windows converter reads them, so that every byte
// survives a round trip and no text is lost to a replacement mark.
char16_t toUnicode(std::uint8_t byte);

// The byte of a character, or std::nullopt when the code page has none. The five C1 controls above go back to
// their bytes; the other C1 controls (U+0080 to U+009F) have no byte.
std::optional<std::uint8_t> fromUnicode(char32_t character);

} // namespace cp1252
