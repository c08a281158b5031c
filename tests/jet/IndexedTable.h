#pragma once

#include "jet/PageFile.h"
#include "jet/TableDef.h"

#include <string>

// Gives a table of a Jet 4 file that the engine made an index in its definition, as Access leaves one when
// a user adds an index: the engine then reads the table but will not write it. The index is a definition
// only (over no column, with no pages); our reader and mdb-export read the rows as before.
inline void giveTableAnIndex(const std::string &path, std::uint32_t definitionPage)
{
    auto file = jet::PageFile::open(path);
    const jet::Format &f = file->format();
    file->begin();
    jet::Bytes def = file->page(definitionPage);
    auto at = [&](std::size_t offset) { return def.begin() + static_cast<std::ptrdiff_t>(offset); };
    const std::uint16_t columns = jet::get16(def.data() + f.tdefColumnCount);
    def.insert(at(f.tdefIndexInfo), f.realIndexInfoSize, 0);
    std::size_t pos = f.tdefIndexInfo + f.realIndexInfoSize + std::size_t(columns) * f.columnBlockSize;
    for (std::uint16_t i = 0; i < columns; ++i)
        pos += 2 + jet::get16(def.data() + pos);
    jet::Bytes blocks(f.realIndexBlockSize + f.logicalIndexBlockSize, 0);
    const std::size_t columnSlots = 10;
    for (std::size_t slot = 0; slot < columnSlots; ++slot)
        jet::put16(blocks.data() + 4 + 3 * slot, 0xFFFF); // no column
    const char name[] = {'B', 0, 'y', 0, 'N', 0, 'a', 0, 'm', 0, 'e', 0};
    blocks.push_back(sizeof name);
    blocks.push_back(0);
    blocks.insert(blocks.end(), std::begin(name), std::end(name));
    def.insert(at(pos), blocks.begin(), blocks.end());
    def.resize(f.pageSize);
    jet::put32(def.data() + f.tdefIndexCount, 1);
    jet::put32(def.data() + f.tdefRealIndexCount, 1);
    file->modify(definitionPage) = def;
    file->commit();
}
