#pragma once

#include "jet/Bytes.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace jet {

// Strings cross the library boundary as UTF-8.
std::u32string utf8ToCodePoints(const std::string &utf8);
std::string codePointsToUtf8(const std::u32string &text);

// Jet 4 text: UCS-2LE, or the compressed form that starts FF FE.
std::string decodeJet4Text(const std::uint8_t *data, std::size_t size);
Bytes encodeJet4Text(const std::string &utf8, bool allowCompression);
// The length of a text as a Text(n) field counts it: in UTF-16 units, as Jet stores its characters.
std::size_t textLength(const std::string &utf8);

// Jet 3 text: Windows code page 1252, as shared/Windows1252.h reads it.
std::string decodeCp1252(const std::uint8_t *data, std::size_t size);

// Case-insensitive key for comparisons: folds ASCII, Latin-1, Greek and Cyrillic capitals.
std::u32string foldCase(const std::string &utf8);

} // namespace jet
