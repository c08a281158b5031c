#include "app/shell/WindowCatalog.h"

#include "app/shell/PrintHandOver.h"

#include <QStringList>

QString oilPageName(int page)
{
    return page <= 9 ? QStringLiteral("frmEssentialOils%1").arg(page)
                     : QStringLiteral("frmEssentialOils9%1").arg(page - 9);
}

namespace {

WindowButton next(const QString &name, const QString &target, QRect place)
{
    return {name, QStringLiteral(">"), ButtonAction::HandOver, target, place, true};
}

WindowButton previous(const QString &name, const QString &target, QRect place)
{
    return {name, QStringLiteral("<"), ButtonAction::HandOver, target, place, true};
}

WindowButton close(const QString &name, QRect place)
{
    return {name, QStringLiteral("Close"), ButtonAction::ClosePage, {}, place};
}

WindowSpec page(const QString &name, const QString &caption, ResizerMode resizer)
{
    WindowSpec spec;
    spec.name = name;
    spec.caption = caption;
    spec.resizer = resizer;
    return spec;
}

WindowSpec dialog(const QString &name, const QString &caption, QSize clientTwips, Placement placement,
                  bool minimise = false)
{
    WindowSpec spec;
    spec.name = name;
    spec.caption = caption;
    spec.kind = WindowKind::Dialog;
    spec.clientTwips = clientTwips;
    spec.placement = placement;
    spec.minimiseButton = minimise;
    spec.maximiseButton = false;
    return spec;
}

// A dialog whose size is given in pixels.
QSize pixels(int width, int height)
{
    return QSize(width * 15, height * 15);
}

void addOilPages(std::vector<WindowSpec> &all)
{
    for (int n = 1; n <= 15; ++n) {
        WindowSpec spec = page(oilPageName(n), QStringLiteral("Essential Oils %1/15").arg(n),
                               ResizerMode::ScaleHidingControls);
        if (n == 1) {
            spec.captionIsProgramTitleAtLoad = true;
            spec.buttons.push_back(next(QStringLiteral("cmdNext"), oilPageName(2), {11250, 7590, 495, 315}));
        } else if (n < 15) {
            spec.buttons.push_back(
                previous(QStringLiteral("Command2"), oilPageName(n - 1), {10770, 7590, 495, 315}));
            spec.buttons.push_back(
                next(QStringLiteral("Command1"), oilPageName(n + 1), {11250, 7590, 495, 315}));
        } else {
            spec.buttons.push_back(
                previous(QStringLiteral("Command2"), oilPageName(14), {10560, 7590, 495, 315}));
            spec.buttons.push_back(close(QStringLiteral("cmdClose"), {11040, 7590, 705, 315}));
        }
        all.push_back(std::move(spec));
    }
}

std::vector<WindowSpec> build()
{
    std::vector<WindowSpec> all;

    WindowSpec menu = page(QStringLiteral("frmMenu"), programtitle::Title, ResizerMode::Scale);
    menu.background = QColor(128, 32, 48);
    all.push_back(menu);

    addOilPages(all);

    WindowSpec base1 = page(QStringLiteral("frmBaseOils"), QStringLiteral("Base Oils / Carrier Oils"),
                            ResizerMode::ScaleHidingControls);
    base1.captionIsProgramTitleAtLoad = true;
    base1.buttons = {
        next(QStringLiteral("cmdBaseOils2"), QStringLiteral("frmBaseOils2"), {11160, 7050, 495, 315})};
    all.push_back(base1);
    WindowSpec base2 = page(QStringLiteral("frmBaseOils2"), QStringLiteral("Base Oils  2/2"),
                            ResizerMode::ScaleHidingControls);
    base2.buttons = {
        previous(QStringLiteral("cmdBase"), QStringLiteral("frmBaseOils"), {10470, 7050, 495, 315}),
        close(QStringLiteral("cmdClose"), {10950, 7050, 705, 315})};
    all.push_back(base2);

    WindowSpec safety1 = page(QStringLiteral("frmSafety"), QStringLiteral("Safety Rules 1/3"),
                              ResizerMode::ScaleHidingControls);
    safety1.buttons = {
        next(QStringLiteral("cmdNext"), QStringLiteral("frmSafety2"), {11250, 7590, 495, 325})};
    all.push_back(safety1);
    WindowSpec safety2 = page(QStringLiteral("frmSafety2"), QStringLiteral("Safety Rules 2/3"),
                              ResizerMode::ScaleHidingControls);
    safety2.buttons = {
        previous(QStringLiteral("cmdBack"), QStringLiteral("frmSafety"), {10770, 7590, 495, 325}),
        next(QStringLiteral("cmdNext"), QStringLiteral("frmSafety3"), {11250, 7590, 495, 325})};
    all.push_back(safety2);
    WindowSpec safety3 = page(QStringLiteral("frmSafety3"), QStringLiteral("Safety Rules 3/3"),
                              ResizerMode::ScaleHidingControls);
    safety3.buttons = {
        previous(QStringLiteral("cmdBack"), QStringLiteral("frmSafety2"), {10560, 7590, 495, 325}),
        close(QStringLiteral("cmdClose"), {11040, 7590, 705, 325})};
    all.push_back(safety3);

    WindowSpec information =
        page(QStringLiteral("frmInformation"), QStringLiteral("Basic Information"), ResizerMode::Scale);
    information.buttons = {{QStringLiteral("cmdSafety"),
                            QStringLiteral("Safety First!"),
                            ButtonAction::HandOver,
                            QStringLiteral("frmSafety"),
                            {5040, 7350, 1875, 375}},
                           {QStringLiteral("cmdFootChart"),
                            QStringLiteral("View Foot Reflexology Chart"),
                            ButtonAction::OpenPage,
                            QStringLiteral("frmReflexology"),
                            {4290, 6180, 3270, 375}},
                           close(QStringLiteral("cmdClose"), {11010, 7560, 705, 345})};
    all.push_back(information);

    WindowSpec antioxidants =
        page(QStringLiteral("frmAntioxidants"), QStringLiteral("Essential Oil Antioxidants"),
             ResizerMode::ScaleHidingControls);
    antioxidants.buttons = {close(QStringLiteral("cmdClose"), {11040, 7590, 705, 315})};
    all.push_back(antioxidants);

    WindowSpec reflexology = page(QStringLiteral("frmReflexology"),
                                  QStringLiteral("Reflexology: Chart for Feet"), ResizerMode::Scale);
    reflexology.background = QColor(192, 192, 255);
    all.push_back(reflexology);

    WindowSpec indications =
        page(QStringLiteral("frmIndications"), QStringLiteral("Indications Index"), ResizerMode::Scale);
    indications.captionIsProgramTitleAtLoad = true;
    indications.background = QColor(128, 32, 48);
    all.push_back(indications);

    WindowSpec actions =
        page(QStringLiteral("frmActions"), QStringLiteral("Essential Oil Actions"), ResizerMode::None);
    actions.captionIsProgramTitleAtLoad = true;
    actions.placement = Placement::AlwaysMaximised;
    actions.background = QColor(128, 32, 48);
    all.push_back(actions);

    WindowSpec bach =
        page(QStringLiteral("frmBachFlowers"), QStringLiteral("Bach Flowers"), ResizerMode::Scale);
    bach.captionAtLoad = QStringLiteral("Bach Flower Remedies");
    bach.background = QColor(0, 64, 0);
    all.push_back(bach);

    WindowSpec about =
        dialog(QStringLiteral("frmAbout"), QStringLiteral("AboutBox"), {6105, 4920}, Placement::Centred);
    about.background = QColor(224, 224, 224);
    about.buttons = {{QStringLiteral("cmdHistory"),
                      QStringLiteral("History"),
                      ButtonAction::OpenPage,
                      QStringLiteral("frmHistory"),
                      {3570, 3990, 1100, 325}},
                     {QStringLiteral("cmdUpgrade"),
                      QStringLiteral("Upgrade"),
                      ButtonAction::OpenPage,
                      QStringLiteral("frmUpgradeInfo"),
                      {4740, 3990, 1100, 325}}};
    all.push_back(about);
    all.push_back(dialog(QStringLiteral("frmDisclaimer"), QStringLiteral("Disclaimer /  Licence Agreement"),
                         {9510, 5625}, Placement::Centred));
    all.push_back(dialog(QStringLiteral("frmHistory"), QStringLiteral("History of Changes"), {6075, 4890},
                         Placement::Centred, true));
    all.push_back(
        dialog(QStringLiteral("frmSources"), QStringLiteral("Sources"), {6975, 5895}, Placement::Centred));
    all.push_back(
        dialog(QStringLiteral("frmSettings"), QStringLiteral("Settings"), {6705, 3570}, Placement::Centred));
    WindowSpec resize =
        dialog(QStringLiteral("frmResize"), QStringLiteral("Resize"), {3810, 1815}, Placement::Centred);
    resize.background = QColor(192, 192, 192);
    resize.buttons = {close(QStringLiteral("cmdClose"), {1500, 1170, 855, 375})};
    all.push_back(resize);

    all.push_back(dialog(PrintWindowName, QStringLiteral("Print Preview"), {7920, 6210}, Placement::TopLeft));
    all.push_back(dialog(FindWindowName, QStringLiteral("Find"), pixels(560, 440), Placement::Centred, true));
    all.push_back(dialog(QStringLiteral("frmBlend"), QStringLiteral("Blend Calculator"), pixels(780, 560),
                         Placement::Centred, true));

    all.push_back(dialog(QStringLiteral("frmSupport"), QStringLiteral("Support Form"), pixels(634, 395),
                         Placement::Centred));
    all.push_back(dialog(QStringLiteral("frmSecureOrder"), QStringLiteral("Secure Order Form."),
                         pixels(632, 393), Placement::TopLeft));
    all.push_back(dialog(QStringLiteral("frmFax"), QStringLiteral("Mail Order Form"), pixels(632, 393),
                         Placement::TopLeft));
    all.push_back(dialog(QStringLiteral("frmReviewInfo"), QStringLiteral("Review Information"),
                         pixels(632, 393), Placement::TopLeft));
    all.push_back(dialog(QStringLiteral("frmReviewFax"), QStringLiteral("Review Mail Information"),
                         pixels(632, 393), Placement::TopLeft));
    all.push_back(dialog(QStringLiteral("frmOrderRegInfo"), QStringLiteral("Ordering and Registration"),
                         pixels(447, 305), Placement::Centred));
    all.push_back(dialog(QStringLiteral("frmOrder"),
                         QStringLiteral("Ordering Information for Ambrelis Software Program"),
                         pixels(632, 393), Placement::Centred, true));
    all.push_back(dialog(QStringLiteral("frmPriceList"),
                         QStringLiteral("Alternative Medicine Software Price List by Varnholt Publishing"),
                         pixels(456, 393), Placement::TopLeft));
    all.push_back(dialog(QStringLiteral("frmDownloadSKP"), QStringLiteral("Download Stowkeep"),
                         pixels(632, 393), Placement::CentredOnOwner, true));
    all.push_back(dialog(QStringLiteral("frmPath"), QStringLiteral("Application Path"), pixels(456, 393),
                         Placement::Centred));

    WindowSpec programs = page(QStringLiteral("frmProgramsBooks"),
                               QStringLiteral("Varnholt Publishing: Programs and Books"), ResizerMode::None);
    programs.background = QColor(255, 250, 240);
    all.push_back(programs);
    all.push_back(dialog(QStringLiteral("frmProgramComparison"), QStringLiteral("Program Comparison"),
                         pixels(640, 420), Placement::Centred, true));
    all.push_back(dialog(QStringLiteral("frmUpgradeInfo"), QStringLiteral("Upgrade Information"),
                         pixels(450, 300), Placement::Centred));
    all.push_back(dialog(QStringLiteral("frmBonus"), QStringLiteral("Bonus Offer"), pixels(450, 300),
                         Placement::Centred));
    return all;
}

} // namespace

const std::vector<WindowSpec> &windowCatalog()
{
    static const std::vector<WindowSpec> all = build();
    return all;
}

const WindowSpec *findWindowSpec(const QString &name)
{
    for (const WindowSpec &spec : windowCatalog()) {
        if (spec.name == name)
            return &spec;
    }
    return nullptr;
}

const QStringList &toolbarWindows()
{
    static const QStringList names{QStringLiteral("frmDisclaimer"),    QStringLiteral("frmAbout"),
                                   QStringLiteral("frmSettings"),      QStringLiteral("frmSupport"),
                                   QStringLiteral("frmProgramsBooks"), QStringLiteral("frmOrderRegInfo")};
    return names;
}
