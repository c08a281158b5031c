#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <optional>

// The e-mail order carries the card number in a form agreed with the maker's order desk: each half of the
// 16 digits plus a fixed offset, the two sums joined by "V", every digit swapped for a symbol.
namespace mail {

inline constexpr long long kFirstHalfOffset = 47193058;
inline constexpr long long kSecondHalfOffset = 83620417;
// kDigitSymbols[d] stands for the digit d. None is a digit or "V", so the order desk can reverse it.
inline constexpr std::array<char16_t, 10> kDigitSymbols = {u'K', u'#', u'R', u'%', u'Q',
                                                           u'*', u'M', u'=', u'X', u'@'};

// Only the ASCII digits 0 to 9, which is all a card number or expiry date may hold.
bool IsPlainDigits(QStringView text);

// Sixteen digits in, 17 to 19 characters out; std::nullopt unless the input is exactly 16 decimal digits.
std::optional<QString> ScrambleCardNumber(const QString &cardNumber);

// The order desk's side: the 16 digits back, or std::nullopt for text that no card number scrambles to.
std::optional<QString> UnscrambleCardNumber(const QString &scrambled);

} // namespace mail
