#pragma once

#include <QMetaType>
#include <QString>
#include <array>
#include <compare>
#include <string_view>

// The name of one of the program's windows, as a type the compiler checks: a misspelt form is a build error,
// not an empty frame. Every form name is written once, below; nothing else can make a named id. The text is
// the form's name as the rest of the program knows it (places, object names). A default id names no window.
//
// Header only, with nothing but QtCore: feature logic that writes places ("frmActions#caption") uses the ids
// without linking the shell.
class FormId final
{
public:
    constexpr FormId() = default;

    QString name() const { return QString::fromUtf16(m_name.data(), qsizetype(m_name.size())); }
    constexpr bool isNull() const { return m_name.empty(); }

    friend constexpr bool operator==(FormId, FormId) = default;
    friend constexpr auto operator<=>(FormId a, FormId b) { return a.m_name <=> b.m_name; }

private:
    constexpr explicit FormId(std::u16string_view name) : m_name(name) {}
    friend struct Forms;

    std::u16string_view m_name;
};

Q_DECLARE_METATYPE(FormId)

// The identifier is the form's name, so the two cannot drift apart.
#define AMBRELIS_FORM(id) static constexpr FormId id{u"" #id};

struct Forms final
{
    AMBRELIS_FORM(frmMenu)

    AMBRELIS_FORM(frmEssentialOils1)
    AMBRELIS_FORM(frmEssentialOils2)
    AMBRELIS_FORM(frmEssentialOils3)
    AMBRELIS_FORM(frmEssentialOils4)
    AMBRELIS_FORM(frmEssentialOils5)
    AMBRELIS_FORM(frmEssentialOils6)
    AMBRELIS_FORM(frmEssentialOils7)
    AMBRELIS_FORM(frmEssentialOils8)
    AMBRELIS_FORM(frmEssentialOils9)
    AMBRELIS_FORM(frmEssentialOils91)
    AMBRELIS_FORM(frmEssentialOils92)
    AMBRELIS_FORM(frmEssentialOils93)
    AMBRELIS_FORM(frmEssentialOils94)
    AMBRELIS_FORM(frmEssentialOils95)
    AMBRELIS_FORM(frmEssentialOils96)
    AMBRELIS_FORM(frmBaseOils)
    AMBRELIS_FORM(frmBaseOils2)
    AMBRELIS_FORM(frmSafety)
    AMBRELIS_FORM(frmSafety2)
    AMBRELIS_FORM(frmSafety3)
    AMBRELIS_FORM(frmInformation)
    AMBRELIS_FORM(frmAntioxidants)
    AMBRELIS_FORM(frmReflexology)
    AMBRELIS_FORM(frmIndications)
    AMBRELIS_FORM(frmActions)
    AMBRELIS_FORM(frmBachFlowers)

    AMBRELIS_FORM(frmAbout)
    AMBRELIS_FORM(frmDisclaimer)
    AMBRELIS_FORM(frmHistory)
    AMBRELIS_FORM(frmSources)
    AMBRELIS_FORM(frmSettings)
    AMBRELIS_FORM(frmResize)
    AMBRELIS_FORM(frmPrint)
    AMBRELIS_FORM(frmFind)
    AMBRELIS_FORM(frmBlend)

    AMBRELIS_FORM(frmSupport)
    AMBRELIS_FORM(frmSecureOrder)
    AMBRELIS_FORM(frmFax)
    AMBRELIS_FORM(frmReviewInfo)
    AMBRELIS_FORM(frmReviewFax)
    AMBRELIS_FORM(frmOrderRegInfo)
    AMBRELIS_FORM(frmOrder)
    AMBRELIS_FORM(frmPriceList)
    AMBRELIS_FORM(frmDownloadSKP)
    AMBRELIS_FORM(frmPath)
    AMBRELIS_FORM(frmProgramsBooks)
    AMBRELIS_FORM(frmProgramComparison)
    AMBRELIS_FORM(frmUpgradeInfo)
    AMBRELIS_FORM(frmBonus)

    // The essential-oil pages in reading order, 1 to 15.
    static constexpr std::array<FormId, 15> essentialOilsPages{
        frmEssentialOils1,  frmEssentialOils2,  frmEssentialOils3,  frmEssentialOils4,  frmEssentialOils5,
        frmEssentialOils6,  frmEssentialOils7,  frmEssentialOils8,  frmEssentialOils9,  frmEssentialOils91,
        frmEssentialOils92, frmEssentialOils93, frmEssentialOils94, frmEssentialOils95, frmEssentialOils96};

    // The page's number (1 to 15), or 0 when the form is not an essential-oil page.
    static constexpr int essentialOilsPageNumber(FormId form)
    {
        for (std::size_t i = 0; i < essentialOilsPages.size(); ++i) {
            if (essentialOilsPages[i] == form)
                return int(i) + 1;
        }
        return 0;
    }
};

#undef AMBRELIS_FORM
