#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace jet {

using Bytes = std::vector<std::uint8_t>;

// Little-endian access to page buffers; callers check bounds before.
inline std::uint16_t get16(const std::uint8_t *p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline std::uint32_t get24(const std::uint8_t *p)
{
    return static_cast<std::uint32_t>(p[0] | (p[1] << 8) | (p[2] << 16));
}
inline std::uint32_t get32(const std::uint8_t *p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline void put16(std::uint8_t *p, std::uint32_t v)
{
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
inline void put24(std::uint8_t *p, std::uint32_t v)
{
    put16(p, v);
    p[2] = static_cast<std::uint8_t>(v >> 16);
}
inline void put32(std::uint8_t *p, std::uint32_t v)
{
    put16(p, v);
    put16(p + 2, v >> 16);
}
inline void append16(Bytes &b, std::uint32_t v)
{
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void append32(Bytes &b, std::uint32_t v)
{
    append16(b, v);
    append16(b, v >> 16);
}

} // namespace jet
