#include "jet/Format.h"

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

} // namespace jet
