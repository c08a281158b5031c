#pragma once

#include <QString>

namespace screenmode {

// The stored screen-mode digits: "0" opens pages as centred normal windows, "2" maximised.
inline constexpr char16_t Normal = u'0';
inline constexpr char16_t Maximised = u'2';

// True when the text reads as the number 0 (blanks, tabs and line breaks around it ignored). Any other
// number, and any text that is not a number at all, means maximised.
bool isNormal(const QString &text);

// The digit held in a screen-mode file that is plain text rather than rich text; empty when it holds none.
QString bareDigit(const QByteArray &fileContent);

} // namespace screenmode
