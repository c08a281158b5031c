#pragma once

#include "jet/Bytes.h"
#include "jet/Format.h"

#include <cstdint>
#include <string>
#include <vector>

namespace jet {

// Layout of a Jet 4 index page (leaf or node).
constexpr std::uint32_t IndexPrevPage = 8;
constexpr std::uint32_t IndexNextPage = 12;
constexpr std::uint32_t IndexTailPage = 16;
constexpr std::uint32_t IndexPrefixLength = 24; // bytes every entry shares with the first, left out of them
constexpr std::uint32_t IndexEntryMask = 27;    // one bit per entry byte: set where an entry ends
constexpr std::uint32_t IndexEntryMaskSize = 453;
constexpr std::uint32_t IndexEntriesStart = IndexEntryMask + IndexEntryMaskSize;

// The only leaf page of an index of the table whose definition is on tablePage, holding entries in key order.
// The entries are stored whole, without a shared prefix, as Jet writes a freshly built page. Throws
// Unsupported naming `what` when they do not fit one page.
Bytes indexLeafPage(const Format &format, std::uint32_t tablePage, std::vector<Bytes> entries,
                    const std::string &what);

} // namespace jet
