#pragma once

#include <cstddef>
#include <cstdint>

namespace jet {

enum class Version { Jet3, Jet4 };

// Every offset and size that differs between the two page formats, named once.
struct Format
{
    Version version;
    std::uint32_t pageSize;
    std::uint32_t headerMaskLength; // bytes of page 0 from 0x18 that are masked with RC4

    // Data pages (also long-value and page-map pages).
    std::uint32_t dataRowCount; // 2-byte number of rows
    std::uint32_t dataRowTable; // first 2-byte row offset
    std::uint32_t maxRowSize;

    // Table definition.
    std::uint32_t tdefRowCount;
    std::uint32_t tdefAutoNumber;
    std::uint32_t tdefTableType;
    std::uint32_t tdefMaxColumns;
    std::uint32_t tdefVarColumns;
    std::uint32_t tdefColumnCount;
    std::uint32_t tdefIndexCount;
    std::uint32_t tdefRealIndexCount;
    std::uint32_t tdefOwnedPages;
    std::uint32_t tdefFreePages;
    std::uint32_t tdefIndexInfo;     // start of the per-index row counts
    std::uint32_t tdefContinuation;  // bytes of header on a continuation page
    std::uint32_t realIndexInfoSize; // per index, before the column blocks
    std::uint32_t columnBlockSize;
    std::uint32_t realIndexBlockSize;
    std::uint32_t logicalIndexBlockSize;

    // Offsets inside a column block.
    std::uint32_t colType;
    std::uint32_t colNumber;
    std::uint32_t colVarIndex;
    std::uint32_t colFlags;
    std::uint32_t colExtFlags; // Jet 4 only
    std::uint32_t colFixedOffset;
    std::uint32_t colLength;

    // Rows: Jet 4 uses 2-byte counts and offsets, Jet 3 one byte plus a jump table.
    std::uint32_t rowCountSize;
    std::uint32_t nameLengthSize; // length prefix of column and index names
    bool unicode;                 // text stored as UCS-2 (Jet 4) or in the code page (Jet 3)

    static const Format &jet3();
    static const Format &jet4();
};

// Masks or unmasks (the same operation) the header area from 0x18: XOR with the RC4 keystream of a fixed key.
void applyHeaderMask(std::uint8_t *data, std::size_t size);

// Page kinds: the first byte of every page.
enum PageType : std::uint8_t {
    PageHeader = 0x00,
    PageData = 0x01,
    PageTableDef = 0x02,
    PageIndexNode = 0x03,
    PageIndexLeaf = 0x04,
    PageMapBitmap = 0x05,
};

// Column types as stored in the column block.
enum ColumnType : std::uint8_t {
    TypeBool = 0x01,
    TypeByte = 0x02,
    TypeInt = 0x03,
    TypeLong = 0x04,
    TypeMoney = 0x05,
    TypeFloat = 0x06,
    TypeDouble = 0x07,
    TypeDateTime = 0x08,
    TypeBinary = 0x09,
    TypeText = 0x0A,
    TypeOle = 0x0B,
    TypeMemo = 0x0C,
    TypeGuid = 0x0F,
    TypeNumeric = 0x10,
};

// Row-offset flags on data pages.
constexpr std::uint16_t RowOffsetMask = 0x1FFF;
constexpr std::uint16_t RowDeleted = 0x8000;  // deleted, or the target of an overflow pointer
constexpr std::uint16_t RowOverflow = 0x4000; // alone: the row is a pointer to its real place

constexpr std::uint8_t ColFixed = 0x01;
constexpr std::uint8_t ColNullable = 0x02;
constexpr std::uint8_t ColAutoNumber = 0x04;
constexpr std::uint8_t ColExtCompressed = 0x01;

constexpr std::uint8_t TableUser = 0x4E;
constexpr std::uint8_t TableSystem = 0x53;

} // namespace jet
