#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The maker's own values (mailboxes, web and download addresses, postal address, phone, price list), compiled
// into the program from config/maker.json so that a change of address needs no change of code.
namespace maker {

// Below the source tree; the program holds it as the resource ":/" + MakerConfigFile.
inline const QString MakerConfigFile = QStringLiteral("config/maker.json");

struct PostalAddress
{
    QString street;
    QString town;       // town and province on one line
    QString postalCode; // printed with the country on the same line
    QString country;
};

struct PriceListEntry
{
    QString program;
    int priceCents = 0;
};

struct DiscountOffer
{
    QStringList programs; // names from the price list
    int percentOff = 0;
};

struct MakerConfig
{
    QString makerName;
    QString supportMailbox;
    QString alternativeSupportMailbox;
    QString orderMailbox;
    QString websiteUrl;
    QString productPageUrl;
    QString secureWebOrderUrl;
    QString pricingUrl;
    QString upgradeUrl;
    QString companionPageUrl;
    QString companionDownloadUrl;
    QString companionMirrorDownloadUrl;
    PostalAddress postalAddress;
    QString phoneFax;
    QString rightsNotice;
    QString secondRightsNotice;
    QList<PriceListEntry> priceList;
    DiscountOffer discountOffer;

    // Prices of the discount offer's programs added up, and that sum less the discount, rounded to the cent.
    int discountSumCents() const;
    int discountTotalCents() const;
};

// The values compiled into the program. A broken file is a build fault, which the tests catch; at run time
// it is reported once on the console and the values stay empty.
const MakerConfig &makerConfig();

// Reads the JSON form; on failure returns std::nullopt and names the missing or malformed key in *error.
std::optional<MakerConfig> parseMakerConfig(const QByteArray &json, QString *error = nullptr);

// "18.95" -> 1895; std::nullopt for anything that is not a plain amount with at most two decimals.
std::optional<int> parseCents(const QString &amount);

// 1895 -> "$18.95"
QString formatDollars(int cents);

} // namespace maker
