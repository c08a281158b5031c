#pragma once

#include "jet/Bytes.h"
#include "jet/PageFile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace jet {

struct Column
{
    std::string name;
    std::uint8_t type = 0;
    std::uint16_t number = 0;   // position in the row's null mask
    std::uint16_t varIndex = 0; // position among the variable-width columns
    std::uint8_t flags = 0;
    std::uint8_t extFlags = 0;
    std::uint16_t fixedOffset = 0;
    std::uint16_t length = 0;

    bool fixed() const { return (flags & ColFixed) != 0; }
    bool longValue() const { return type == TypeMemo || type == TypeOle; }
    bool compressible() const { return (extFlags & ColExtCompressed) != 0; }
};

// The page maps that list the long-value pages of one memo or OLE column.
struct LongValueMaps
{
    std::uint16_t column = 0;
    std::uint32_t owned = 0;
    std::uint32_t free = 0;
};

struct TableDef
{
    std::string name;
    std::uint32_t page = 0;
    std::vector<std::uint32_t> pages; // the definition and its continuation pages
    std::uint32_t rowCount = 0;
    std::uint32_t autoNumber = 0;
    std::uint8_t tableType = 0;
    std::uint32_t indexCount = 0;
    std::uint32_t realIndexCount = 0;
    std::uint32_t ownedPages = 0; // row pointers (row number in the low byte) to page-map rows
    std::uint32_t freePages = 0;
    std::vector<Column> columns; // in the order of the definition
    std::vector<std::string> indexNames;
    std::vector<LongValueMaps> longValueMaps;

    const Column *column(const std::string &name) const; // case-insensitive, as Jet names are
    std::uint16_t rowColumnCount() const;                // highest column number + 1
};

// Throws Corrupt when the page is not a table definition or its blocks run past their pages.
TableDef readTableDef(PageFile &file, std::uint32_t page, const std::string &name);

// Page-map rows: a set of page numbers. A sound table's maps list only pages of the file; Whole also gives
// the pages a map lists past its end, which the file's own map does as a matter of course (there a set bit
// means free).
enum class MapReach { InFile, Whole };
std::vector<std::uint32_t> readPageMap(PageFile &file, std::uint32_t rowPointer,
                                       MapReach reach = MapReach::InFile);
// Sets or clears one page's bit; an inline map that cannot reach the page becomes a reference map, and a
// reference map gets the bitmap page it needs. Throws Unsupported when a reference map has no slot for the
// page.
void changePageMap(PageFile &file, std::uint32_t rowPointer, std::uint32_t page, bool present);

// Appends a zeroed page and marks it in use in the file's page map.
std::uint32_t allocatePage(PageFile &file);

// The pages of one transaction. New pages are first those the file's own map calls free and that hold
// nothing (all zero), lowest first, and only then pages appended at the end; so space a change gives back
// is taken again before the file grows.
class PageAllocator
{
public:
    explicit PageAllocator(PageFile &file) : m_file(file) {}
    std::uint32_t allocate();
    // Gives back a page that no map of a table lists any more: zeroed, and free in the file's own map.
    void release(std::uint32_t page);

private:
    PageFile &m_file;
    std::optional<std::vector<std::uint32_t>> m_free; // highest first: the next one is at the back
};

inline std::uint32_t pointerPage(std::uint32_t pointer)
{
    return pointer >> 8;
}
inline std::uint32_t pointerRow(std::uint32_t pointer)
{
    return pointer & 0xFF;
}
inline std::uint32_t makePointer(std::uint32_t page, std::uint32_t row)
{
    return (page << 8) | (row & 0xFF);
}

} // namespace jet
