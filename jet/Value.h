#pragma once

#include <cstdint>
#include <string>

namespace jet {

// One field of one row. Text and memo values are UTF-8; binary and OLE values keep their raw bytes.
struct Value
{
    enum class Kind : std::uint8_t {
        Null,
        Bool,
        Byte,
        Int,
        Long,
        Money,
        Single,
        Double,
        DateTime,
        Text,
        Binary
    };

    Kind kind = Kind::Null;
    std::int64_t integer = 0; // Bool, Byte, Int, Long; Money in ten-thousandths
    double real = 0;          // Single, Double; DateTime as days since 30 December 1899
    std::string text;         // Text (UTF-8), Binary (raw bytes)

    bool isNull() const { return kind == Kind::Null; }
    static Value null() { return {}; }
    static Value ofText(std::string s)
    {
        Value v;
        v.kind = Kind::Text;
        v.text = std::move(s);
        return v;
    }
    static Value ofInteger(Kind kind, std::int64_t n)
    {
        Value v;
        v.kind = kind;
        v.integer = n;
        return v;
    }
    static Value ofReal(Kind kind, double d)
    {
        Value v;
        v.kind = kind;
        v.real = d;
        return v;
    }
    bool operator==(const Value &) const = default;
};

} // namespace jet
