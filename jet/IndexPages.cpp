#include "jet/IndexPages.h"

#include "jet/Error.h"

#include <algorithm>

namespace jet {

namespace {

// Entries sort in unsigned byte order, a shorter entry before a longer one that it begins. Spelt out with
// std::mismatch because GCC 12's optimiser sees an impossible length in the memcmp behind vector's own
// comparison inside std::sort and warns (-Wstringop-overread) in release builds.
bool entryBefore(const Bytes &a, const Bytes &b)
{
    const auto [inA, inB] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    return inB != b.end() && (inA == a.end() || *inA < *inB);
}

} // namespace

Bytes indexLeafPage(const Format &f, std::uint32_t tablePage, std::vector<Bytes> entries,
                    const std::string &what)
{
    if (f.version != Version::Jet4)
        fail(ErrorKind::Unsupported, "Index pages are only written in Jet 4 files");
    std::sort(entries.begin(), entries.end(), entryBefore);
    Bytes page(f.pageSize, 0);
    page[0] = PageIndexLeaf;
    page[1] = 0x01;
    put32(page.data() + 4, tablePage);
    std::size_t end = 0;
    for (const Bytes &entry : entries) {
        if (entry.empty() || entry.size() > f.pageSize - IndexEntriesStart - end)
            fail(ErrorKind::Unsupported, what + " holds more entries than one index page takes");
        std::copy(entry.begin(), entry.end(),
                  page.begin() + static_cast<std::ptrdiff_t>(IndexEntriesStart + end));
        end += entry.size();
        page[IndexEntryMask + end / 8] |= static_cast<std::uint8_t>(1u << (end % 8));
    }
    put16(page.data() + 2, static_cast<std::uint32_t>(f.pageSize - IndexEntriesStart - end));
    return page;
}

} // namespace jet
