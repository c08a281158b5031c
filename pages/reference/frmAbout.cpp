#include "pages/reference/frmAbout.h"

#include "app/shell/PictureBox.h"
#include "app/shell/Twips.h"
#include "content/ReferencePages.h"
#include "pages/reference/PageLook.h"
#include "shared/MakerConfig.h"

#include <QRegularExpression>

using namespace pagelook;

namespace {

const QColor Blue{0, 0, 192};
const QColor LightGrey{224, 224, 224};

QString makerValue(const QString &key, const maker::MakerConfig &c, bool *known)
{
    const std::pair<const char *, const QString *> values[] = {
        {"makerName", &c.makerName},
        {"supportMailbox", &c.supportMailbox},
        {"alternativeSupportMailbox", &c.alternativeSupportMailbox},
        {"orderMailbox", &c.orderMailbox},
        {"websiteUrl", &c.websiteUrl},
        {"productPageUrl", &c.productPageUrl},
        {"secureWebOrderUrl", &c.secureWebOrderUrl},
        {"pricingUrl", &c.pricingUrl},
        {"upgradeUrl", &c.upgradeUrl},
        {"companionPageUrl", &c.companionPageUrl},
        {"companionDownloadUrl", &c.companionDownloadUrl},
        {"companionMirrorDownloadUrl", &c.companionMirrorDownloadUrl},
        {"postalAddress.street", &c.postalAddress.street},
        {"postalAddress.town", &c.postalAddress.town},
        {"postalAddress.postalCode", &c.postalAddress.postalCode},
        {"postalAddress.country", &c.postalAddress.country},
        {"phoneFax", &c.phoneFax},
        {"rightsNotice", &c.rightsNotice},
        {"secondRightsNotice", &c.secondRightsNotice},
    };
    for (const auto &[name, value] : values) {
        if (key == QLatin1String(name)) {
            *known = true;
            return *value;
        }
    }
    *known = false;
    return {};
}

} // namespace

QString frmAbout::fillMakerValues(const QString &text, const maker::MakerConfig &config)
{
    static const QRegularExpression placeholder(QStringLiteral("\\{maker\\.([A-Za-z.]+)\\}"));
    QString out;
    qsizetype from = 0;
    for (auto it = placeholder.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += text.mid(from, m.capturedStart() - from);
        bool known = false;
        const QString value = makerValue(m.captured(1), config, &known);
        out += known ? value : m.captured(0);
        from = m.capturedEnd();
    }
    out += text.mid(from);
    return out;
}

frmAbout::frmAbout(QWidget *parent) : AppWindow(Forms::frmAbout, parent)
{
    const content::AboutTexts &about = content::aboutTexts();
    const maker::MakerConfig &config = maker::makerConfig();
    const auto text = [&](const char *name) {
        return fillMakerValues(about.labels.value(QString::fromLatin1(name)), config);
    };

    auto *icon = new PictureBox(this); // owned by this window
    icon->setObjectName(QStringLiteral("imgAppIcon"));
    icon->setSource(QStringLiteral(":/content/pictures/app-icon.svg"));
    icon->setGeometry(twips::rect(240, 180, 600, 600));

    LabelLook appName;
    appName.pointSize = 20.25;
    appName.bold = true;
    appName.italic = true;
    appName.text = Blue;
    appName.wrap = false;
    label(this, QStringLiteral("lblAppName"), text("lblAppName"), {1080, 120, 4800, 510}, appName);

    LabelLook version;
    version.pointSize = 12;
    version.bold = true;
    version.wrap = false;
    label(this, QStringLiteral("lblVersion"), text("lblVersion"), {1080, 630, 4800, 300}, version);

    LabelLook small;
    small.pointSize = 8.25;
    LabelLook warning = small;
    warning.bold = true;
    label(this, QStringLiteral("Label7"), text("Label7"), {240, 1020, 840, 240}, warning);
    label(this, QStringLiteral("lblComments"), text("lblComments"), {1080, 1020, 4860, 720}, small);

    LabelLook contactHeading;
    contactHeading.pointSize = 12;
    contactHeading.bold = true;
    contactHeading.text = Blue;
    contactHeading.align = Qt::AlignHCenter | Qt::AlignTop;
    label(this, QStringLiteral("Label3"), text("Label3"), {120, 1830, 5865, 570}, contactHeading);

    LabelLook contact;
    contact.pointSize = 9.75;
    contact.align = Qt::AlignHCenter | Qt::AlignTop;
    contact.wrap = false;
    const char *contactLines[] = {"Label1", "Label2", "lblPhoneNr", "Label15", "Label11"};
    int top = 2430;
    for (const char *name : contactLines) {
        label(this, QString::fromLatin1(name), text(name), {60, top, 5985, 255}, contact);
        top += 255;
    }

    LabelLook company;
    company.pointSize = 18;
    company.bold = true;
    company.italic = true;
    company.text = Blue;
    company.wrap = false;
    label(this, QStringLiteral("lblCompany"), text("lblCompany"), {120, 3870, 3420, 450}, company);

    LabelLook rights = small;
    rights.align = Qt::AlignHCenter | Qt::AlignTop;
    label(this, QStringLiteral("lblRights"), text("rightsUnderButtons"), {120, 4440, 5865, 420}, rights);

    // The frame wires these by name; they keep the window's grey.
    for (const WindowButton &def : spec().buttons) {
        const QString caption = about.buttons.value(def.name, def.caption);
        button(this, def.name, caption, def.twips, LightGrey);
    }
}
