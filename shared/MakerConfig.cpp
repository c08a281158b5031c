#include "shared/MakerConfig.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QtDebug>
#include <algorithm>

namespace maker {
namespace {

// Reading stops at the first problem; the key path in the message is what a maintainer needs to fix the file.
// Every key asked for is remembered, so that a key nobody asks for (misspelt, or read by nothing) is a
// problem too rather than a value that silently stays empty.
class Reader
{
public:
    explicit Reader(QString *error) : m_error(error) {}

    bool ok() const { return m_ok; }

    QJsonValue value(const QJsonObject &object, const QString &key, const QString &where = {})
    {
        m_asked.insert(where + key);
        return object.value(key);
    }

    QString text(const QJsonObject &object, const QString &key, const QString &where = {})
    {
        const QJsonValue value = this->value(object, key, where);
        if (!value.isString() || value.toString().trimmed().isEmpty()) {
            fail(QStringLiteral("\"%1%2\" is missing or not a non-empty text").arg(where, key));
            return {};
        }
        return value.toString();
    }

    QJsonObject object(const QJsonObject &parent, const QString &key)
    {
        const QJsonValue value = this->value(parent, key);
        if (!value.isObject())
            fail(QStringLiteral("\"%1\" is missing or not an object").arg(key));
        return value.toObject();
    }

    QJsonArray array(const QJsonObject &parent, const QString &key, const QString &where = {})
    {
        const QJsonValue value = this->value(parent, key, where);
        if (!value.isArray() || value.toArray().isEmpty())
            fail(QStringLiteral("\"%1%2\" is missing or not a non-empty list").arg(where, key));
        return value.toArray();
    }

    // Called once the object at where has been read.
    void rejectUnread(const QJsonObject &object, const QString &where = {})
    {
        QStringList keys = object.keys();
        keys.sort();
        for (const QString &key : keys) {
            if (!m_asked.contains(where + key))
                fail(QStringLiteral("\"%1%2\" is not a key of maker.json (misspelt, or read by nothing)")
                         .arg(where, key));
        }
    }

    void fail(const QString &message)
    {
        if (m_ok && m_error)
            *m_error = message;
        m_ok = false;
    }

private:
    QString *m_error;
    bool m_ok = true;
    QSet<QString> m_asked; // key paths: "postalAddress.town"
};

int roundedPercentOf(int cents, int percent)
{
    return (cents * percent + 50) / 100;
}

} // namespace

int MakerConfig::discountSumCents() const
{
    int sum = 0;
    for (const QString &name : discountOffer.programs) {
        for (const PriceListEntry &entry : priceList) {
            if (entry.program == name)
                sum += entry.priceCents;
        }
    }
    return sum;
}

int MakerConfig::discountTotalCents() const
{
    const int sum = discountSumCents();
    return sum - roundedPercentOf(sum, discountOffer.percentOff);
}

std::optional<int> parseCents(const QString &amount)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,6})(?:\\.(\\d{1,2}))?$"));
    const QRegularExpressionMatch match = pattern.match(amount);
    if (!match.hasMatch())
        return std::nullopt;
    const QString fraction = match.captured(2).leftJustified(2, QLatin1Char('0'));
    return match.captured(1).toInt() * 100 + fraction.toInt();
}

QString formatDollars(int cents)
{
    return QStringLiteral("$%1.%2").arg(cents / 100).arg(cents % 100, 2, 10, QLatin1Char('0'));
}

std::optional<MakerConfig> parseMakerConfig(const QByteArray &json, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (!document.isObject()) {
        if (error)
            *error = QStringLiteral("not a JSON object: %1").arg(parseError.errorString());
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    Reader read(error);
    MakerConfig config;
    config.makerName = read.text(root, QStringLiteral("makerName"));
    config.supportMailbox = read.text(root, QStringLiteral("supportMailbox"));
    config.alternativeSupportMailbox = read.text(root, QStringLiteral("alternativeSupportMailbox"));
    config.orderMailbox = read.text(root, QStringLiteral("orderMailbox"));
    config.websiteUrl = read.text(root, QStringLiteral("websiteUrl"));
    config.productPageUrl = read.text(root, QStringLiteral("productPageUrl"));
    config.secureWebOrderUrl = read.text(root, QStringLiteral("secureWebOrderUrl"));
    config.pricingUrl = read.text(root, QStringLiteral("pricingUrl"));
    config.upgradeUrl = read.text(root, QStringLiteral("upgradeUrl"));
    config.companionPageUrl = read.text(root, QStringLiteral("companionPageUrl"));
    config.companionDownloadUrl = read.text(root, QStringLiteral("companionDownloadUrl"));
    config.companionMirrorDownloadUrl = read.text(root, QStringLiteral("companionMirrorDownloadUrl"));

    const QJsonObject postal = read.object(root, QStringLiteral("postalAddress"));
    const QString postalWhere = QStringLiteral("postalAddress.");
    config.postalAddress.street = read.text(postal, QStringLiteral("street"), postalWhere);
    config.postalAddress.town = read.text(postal, QStringLiteral("town"), postalWhere);
    config.postalAddress.postalCode = read.text(postal, QStringLiteral("postalCode"), postalWhere);
    config.postalAddress.country = read.text(postal, QStringLiteral("country"), postalWhere);
    read.rejectUnread(postal, postalWhere);

    config.phoneFax = read.text(root, QStringLiteral("phoneFax"));
    config.rightsNotice = read.text(root, QStringLiteral("rightsNotice"));
    config.secondRightsNotice = read.text(root, QStringLiteral("secondRightsNotice"));

    const QJsonArray prices = read.array(root, QStringLiteral("priceList"));
    for (qsizetype i = 0; i < prices.size() && read.ok(); ++i) {
        const QJsonObject row = prices.at(i).toObject();
        const QString where = QStringLiteral("priceList[%1].").arg(i);
        PriceListEntry entry;
        entry.program = read.text(row, QStringLiteral("program"), where);
        const std::optional<int> cents = parseCents(read.text(row, QStringLiteral("price"), where));
        if (!cents && read.ok())
            read.fail(QStringLiteral("\"%1price\" is not an amount such as \"18.95\"").arg(where));
        entry.priceCents = cents.value_or(0);
        read.rejectUnread(row, where);
        config.priceList.append(entry);
    }

    const QJsonObject discount = read.object(root, QStringLiteral("discountOffer"));
    const QJsonArray bundled =
        read.array(discount, QStringLiteral("programs"), QStringLiteral("discountOffer."));
    for (const QJsonValue name : bundled) {
        const bool listed =
            std::any_of(config.priceList.cbegin(), config.priceList.cend(),
                        [&](const PriceListEntry &e) { return e.program == name.toString(); });
        if (!listed && read.ok())
            read.fail(
                QStringLiteral("discount program \"%1\" is not on the price list").arg(name.toString()));
        config.discountOffer.programs.append(name.toString());
    }
    const QJsonValue percent =
        read.value(discount, QStringLiteral("percentOff"), QStringLiteral("discountOffer."));
    if ((!percent.isDouble() || percent.toInt(-1) < 0 || percent.toInt(-1) > 100) && read.ok())
        read.fail(QStringLiteral("\"discountOffer.percentOff\" is not a whole number from 0 to 100"));
    config.discountOffer.percentOff = percent.toInt();
    read.rejectUnread(discount, QStringLiteral("discountOffer."));
    read.rejectUnread(root);

    if (!read.ok())
        return std::nullopt;
    return config;
}

const MakerConfig &makerConfig()
{
    static const MakerConfig config = [] {
        QFile file(QStringLiteral(":/") + MakerConfigFile);
        QString error = QStringLiteral("resource missing");
        if (file.open(QIODevice::ReadOnly)) {
            if (std::optional<MakerConfig> parsed = parseMakerConfig(file.readAll(), &error))
                return *parsed;
        }
        qCritical("maker.json unusable: %s", qPrintable(error));
        return MakerConfig{};
    }();
    return config;
}

} // namespace maker
