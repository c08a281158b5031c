#include "jet/Text.h"

#include "shared/Windows1252.h"

#include <algorithm>

namespace jet {

namespace {

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// UTF-16 units to UTF-8, into a buffer known to be large enough; a lone surrogate becomes U+FFFD rather
// than invalid UTF-8.
class Utf8Writer
{
public:
    explicit Utf8Writer(char *out) : m_out(out) {}
    void unit(char32_t u)
    {
        if (m_high != 0) {
            const char32_t high = m_high;
            m_high = 0;
            if (u >= 0xDC00 && u <= 0xDFFF) {
                put(0x10000 + ((high - 0xD800) << 10) + (u - 0xDC00));
                return;
            }
            put(0xFFFD);
        }
        if (u >= 0xD800 && u <= 0xDBFF)
            m_high = u;
        else
            put(u >= 0xDC00 && u <= 0xDFFF ? char32_t(0xFFFD) : u);
    }
    // Where the text ends.
    char *finish()
    {
        if (m_high != 0)
            put(0xFFFD);
        m_high = 0;
        return m_out;
    }

private:
    void put(char32_t c)
    {
        if (c < 0x80) {
            *m_out++ = static_cast<char>(c);
        } else if (c < 0x800) {
            *m_out++ = static_cast<char>(0xC0 | (c >> 6));
            *m_out++ = static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            *m_out++ = static_cast<char>(0xE0 | (c >> 12));
            *m_out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            *m_out++ = static_cast<char>(0x80 | (c & 0x3F));
        } else {
            *m_out++ = static_cast<char>(0xF0 | (c >> 18));
            *m_out++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            *m_out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            *m_out++ = static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    char *m_out;
    char32_t m_high = 0;
};

} // namespace

std::u32string utf8ToCodePoints(const std::string &utf8)
{
    std::u32string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        int extra = b < 0x80             ? 0
                    : (b & 0xE0) == 0xC0 ? 1
                    : (b & 0xF0) == 0xE0 ? 2
                    : (b & 0xF8) == 0xF0 ? 3
                                         : -1;
        if (extra < 0 || i + extra >= utf8.size() + (extra == 0 ? 1 : 0)) {
            out += U'\uFFFD';
            ++i;
            continue;
        }
        char32_t c = extra == 0 ? b : (b & (0x3F >> extra));
        bool good = true;
        for (int k = 1; k <= extra; ++k) {
            const auto n = static_cast<unsigned char>(utf8[i + k]);
            if ((n & 0xC0) != 0x80) {
                good = false;
                break;
            }
            c = (c << 6) | (n & 0x3F);
        }
        if (!good) {
            out += U'\uFFFD';
            ++i;
            continue;
        }
        out += c;
        i += extra + 1;
    }
    return out;
}

std::string codePointsToUtf8(const std::u32string &text)
{
    std::string out;
    for (char32_t c : text)
        appendUtf8(out, c);
    return out;
}

std::string decodeJet4Text(const std::uint8_t *data, std::size_t size)
{
    // Most stored text is plain ASCII: it is copied as it is.
    const bool compressed = size >= 2 && data[0] == 0xFF && data[1] == 0xFE;
    if (compressed) {
        bool ascii = true;
        for (std::size_t i = 2; i < size && ascii; ++i)
            ascii = data[i] != 0 && data[i] < 0x80;
        if (ascii)
            return std::string(reinterpret_cast<const char *>(data) + 2, size - 2);
    } else {
        bool ascii = true;
        for (std::size_t i = 0; i + 1 < size && ascii; i += 2)
            ascii = data[i] < 0x80 && data[i + 1] == 0;
        if (ascii) {
            std::string out(size / 2, '\0');
            for (std::size_t i = 0; i < out.size(); ++i)
                out[i] = static_cast<char>(data[2 * i]);
            return out;
        }
    }
    // A UTF-16 unit never takes more than three bytes of UTF-8 (a pair takes four for its two units), and a
    // one-byte run's byte never more than two: twice the stored size always suffices.
    std::string out(2 * size, '\0');
    Utf8Writer w(out.data());
    if (compressed) {
        // A zero byte switches between one-byte and two-byte runs; the text starts in one-byte runs.
        bool oneByte = true;
        std::size_t i = 2;
        while (i < size) {
            if (data[i] == 0) {
                oneByte = !oneByte;
                ++i;
            } else if (oneByte) {
                w.unit(data[i]);
                ++i;
            } else if (i + 1 < size) {
                w.unit(get16(data + i));
                i += 2;
            } else {
                break;
            }
        }
    } else {
        for (std::size_t i = 0; i + 1 < size; i += 2)
            w.unit(get16(data + i));
    }
    out.resize(w.finish() - out.data());
    return out;
}

Bytes encodeJet4Text(const std::string &utf8, bool allowCompression)
{
    const std::u32string points = utf8ToCodePoints(utf8);
    bool compressible = allowCompression && !points.empty();
    for (char32_t c : points)
        compressible = compressible && c >= 1 && c <= 0xFF;
    Bytes out;
    if (compressible) {
        out.reserve(points.size() + 2);
        out.push_back(0xFF);
        out.push_back(0xFE);
        for (char32_t c : points)
            out.push_back(static_cast<std::uint8_t>(c));
        return out;
    }
    out.reserve(points.size() * 2);
    for (char32_t c : points) {
        if (c >= 0x10000) {
            c -= 0x10000;
            append16(out, 0xD800 + (c >> 10));
            append16(out, 0xDC00 + (c & 0x3FF));
        } else {
            append16(out, c);
        }
    }
    return out;
}

std::size_t textLength(const std::string &utf8)
{
    const std::u32string points = utf8ToCodePoints(utf8);
    return points.size() + static_cast<std::size_t>(std::count_if(points.begin(), points.end(),
                                                                  [](char32_t c) { return c >= 0x10000; }));
}

std::string decodeCp1252(const std::uint8_t *data, std::size_t size)
{
    if (std::all_of(data, data + size, [](std::uint8_t b) { return b < 0x80; }))
        return std::string(reinterpret_cast<const char *>(data), size);
    std::string out;
    out.reserve(size);
    for (std::size_t i = 0; i < size; ++i)
        appendUtf8(out, cp1252::toUnicode(data[i]));
    return out;
}

std::u32string foldCase(const std::string &utf8)
{
    std::u32string points = utf8ToCodePoints(utf8);
    for (char32_t &c : points) {
        if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3AB))
            c += 0x20;
        else if (c >= 0x410 && c <= 0x42F)
            c += 0x20;
        else if (c >= 0x400 && c <= 0x40F)
            c += 0x50;
        else if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149 &&
                 c != 0x17F && (((c < 0x139 || c > 0x148) && c < 0x179) ? c % 2 == 0 : c % 2 == 1))
            c += 1;
    }
    return points;
}

} // namespace jet
