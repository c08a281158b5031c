#pragma once

#include <QByteArray>
#include <QString>

namespace rtf {

// Windows code page used for the 8-bit text of a font with the given \fcharset, or 0 when the charset
// says nothing about it (the default charset) and the document's code page applies. The ANSI charset (0)
// is code page 1252 whatever the document's code page.
int codePageForCharset(int charset);

// Turns 8-bit text of a Windows code page into Unicode. Code page 1252 is decoded from a built-in table so
// that the common case never depends on the codec library; unknown code pages fall back to 1252.
QString decodeCodePage(const QByteArray &bytes, int codePage);

// The byte that code page 1252 uses for this character in its upper half (0x80-0xFF), or 0 when it has none.
unsigned char windows1252Byte(char16_t ch);

// Code page value that marks text in a symbol font: each byte becomes U+F000 + byte, as Windows does.
inline constexpr int SymbolCodePage = 42;
// Mac Japanese, the code page of fonts with \fcharset78 and of \ansicpg10001.
inline constexpr int MacJapaneseCodePage = 10001;

} // namespace rtf
