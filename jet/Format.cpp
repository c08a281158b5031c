#include "jet/Format.h"

#include <utility>

namespace jet {

const Format &Format::jet3()
{
    static const Format f{
        Version::Jet3,
        2048,
        126,
        8,
        10,
        2012,
        12,
        16,
        20,
        21,
        23,
        25,
        27,
        31,
        35,
        39,
        43,
        8,
        8,
        18,
        39,
        20,
        0,
        1,
        3,
        13,
        0,
        14,
        16,
        1,
        1,
        false,
    };
    return f;
}

const Format &Format::jet4()
{
    static const Format f{
        Version::Jet4,
        4096,
        128,
        12,
        14,
        4060,
        16,
        20,
        40,
        41,
        43,
        45,
        47,
        51,
        55,
        59,
        63,
        8,
        12,
        25,
        52,
        28,
        0,
        5,
        7,
        15,
        16,
        21,
        23,
        2,
        2,
        true,
    };
    return f;
}

void applyHeaderMask(std::uint8_t *data, std::size_t size)
{
    const std::uint8_t key[4] = {0xC7, 0xDA, 0x39, 0x6B};
    std::uint8_t s[256];
    for (int i = 0; i < 256; ++i)
        s[i] = static_cast<std::uint8_t>(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + s[i] + key[i % 4]) & 0xFF;
        std::swap(s[i], s[j]);
    }
    for (std::size_t n = 0, i = 0, j = 0; n < size; ++n) {
        i = (i + 1) & 0xFF;
        j = (j + s[i]) & 0xFF;
        std::swap(s[i], s[j]);
        data[n] ^= s[(s[i] + s[j]) & 0xFF];
    }
}

} // namespace jet
