#include "mail/logic/CardScramble.h"

#include <QStringList>
#include <algorithm>

namespace mail {
namespace {

constexpr long long kHalfLimit = 100000000; // 8 digits

QString toSymbols(long long value)
{
    QString out;
    for (const QChar digit : QString::number(value))
        out += QChar(kDigitSymbols[digit.unicode() - u'0']);
    return out;
}

std::optional<long long> fromSymbols(QStringView text)
{
    // Sums of an 8-digit half and an 8-digit offset have 8 or 9 digits.
    if (text.size() < 8 || text.size() > 9)
        return std::nullopt;
    long long value = 0;
    for (const QChar symbol : text) {
        const auto found = std::find(kDigitSymbols.begin(), kDigitSymbols.end(), symbol.unicode());
        if (found == kDigitSymbols.end())
            return std::nullopt;
        value = value * 10 + (found - kDigitSymbols.begin());
    }
    return value;
}

std::optional<QString> half(std::optional<long long> sum, long long offset)
{
    if (!sum || *sum < offset || *sum - offset >= kHalfLimit)
        return std::nullopt;
    return QStringLiteral("%1").arg(*sum - offset, 8, 10, QLatin1Char('0'));
}

} // namespace

bool IsPlainDigits(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

std::optional<QString> ScrambleCardNumber(const QString &cardNumber)
{
    if (cardNumber.size() != 16 || !IsPlainDigits(cardNumber))
        return std::nullopt;
    const long long first = cardNumber.left(8).toLongLong() + kFirstHalfOffset;
    const long long second = cardNumber.mid(8).toLongLong() + kSecondHalfOffset;
    return toSymbols(first) + u'V' + toSymbols(second);
}

std::optional<QString> UnscrambleCardNumber(const QString &scrambled)
{
    const QStringList parts = scrambled.split(u'V');
    if (parts.size() != 2)
        return std::nullopt;
    const std::optional<QString> first = half(fromSymbols(parts[0]), kFirstHalfOffset);
    const std::optional<QString> second = half(fromSymbols(parts[1]), kSecondHalfOffset);
    if (!first || !second)
        return std::nullopt;
    return *first + *second;
}

} // namespace mail
