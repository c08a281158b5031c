#include "RtfCodePage.h"

#include "shared/Windows1252.h"

#include <QStringDecoder>

namespace rtf {
namespace {

const char *codecName(int codePage)
{
    switch (codePage) {
    case 437:
        return "IBM437";
    case 850:
        return "IBM850";
    case 874:
        return "windows-874";
    case 932:
        return "Shift_JIS";
    case 936:
        return "GBK";
    case 949:
        return "windows-949";
    case 950:
        return "Big5";
    case 10000:
        return "macintosh";
    case 65001:
        return "UTF-8";
    default:
        return nullptr;
    }
}

QString decode1252(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes)
        text.append(QChar(cp1252::toUnicode(static_cast<unsigned char>(c))));
    return text;
}

// Mac Japanese is Shift_JIS with five single bytes of its own, which Shift_JIS leaves undefined; the
// bytes of a double-byte pair are never taken for them.
QString decodeMacJapanese(const QByteArray &bytes)
{
    QStringDecoder shiftJis("Shift_JIS");
    if (!shiftJis.isValid())
        return decode1252(bytes);
    const auto isLead = [](unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); };
    QString text;
    qsizetype from = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes.at(i));
        if (isLead(b)) {
            ++i;
            continue;
        }
        char16_t own = 0;
        switch (b) {
        case 0x80:
            own = u'\\';
            break;
        case 0xA0:
            own = 0x00A0;
            break;
        case 0xFD:
            own = 0x00A9;
            break;
        case 0xFE:
            own = 0x2122;
            break;
        case 0xFF:
            own = 0x2026;
            break;
        default:
            continue;
        }
        text += shiftJis.decode(bytes.mid(from, i - from));
        text.append(QChar(own));
        from = i + 1;
    }
    text += shiftJis.decode(bytes.mid(from));
    return text;
}

} // namespace

int codePageForCharset(int charset)
{
    switch (charset) {
    case 0:
        return 1252;
    case 2:
        return SymbolCodePage;
    case 77:
        return 10000;
    case 78:
        return MacJapaneseCodePage;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    case 255:
        return 850;
    default:
        return 0;
    }
}

QString decodeCodePage(const QByteArray &bytes, int codePage)
{
    if (codePage == SymbolCodePage) {
        QString text;
        text.reserve(bytes.size());
        for (const char c : bytes)
            text.append(QChar(char16_t(0xF000 + static_cast<unsigned char>(c))));
        return text;
    }
    if (codePage == MacJapaneseCodePage)
        return decodeMacJapanese(bytes);
    QByteArray name;
    if (codePage >= 1250 && codePage <= 1258 && codePage != 1252)
        name = "windows-" + QByteArray::number(codePage);
    else if (const char *known = codecName(codePage))
        name = known;
    if (!name.isEmpty()) {
        QStringDecoder decoder(name.constData());
        if (decoder.isValid())
            return decoder.decode(bytes);
    }
    return decode1252(bytes);
}

unsigned char windows1252Byte(char16_t ch)
{
    // Below 0xA0 a character is ASCII or a C1 control, neither of which the writer escapes as a byte.
    if (ch < 0xA0)
        return 0;
    return cp1252::fromUnicode(ch).value_or(0);
}

} // namespace rtf
