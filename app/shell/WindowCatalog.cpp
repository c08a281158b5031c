#include "app/shell/WindowCatalog.h"

namespace {

WindowButton next(const QString &name, FormId target, QRect place)
{
    return {name, QStringLiteral(">"), ButtonAction::HandOver, target, place, true};
}

WindowButton previous(const QString &name, FormId target, QRect place)
{
    return {name, QStringLiteral("<"), ButtonAction::HandOver, target, place, true};
}

WindowButton close(const QString &name, QRect place)
{
    return {name, QStringLiteral("Close"), ButtonAction::ClosePage, {}, place};
}

// A page built from a .ui file: its caption is the .ui's.
WindowSpec uiPage(FormId name, ResizerMode resizer)
{
    WindowSpec spec;
    spec.name = name;
    spec.resizer = resizer;
    return spec;
}

// A page built in code from its content.
WindowSpec page(FormId name, const QString &caption, ResizerMode resizer)
{
    WindowSpec spec = uiPage(name, resizer);
    spec.caption = caption;
    return spec;
}

// A dialog built from a .ui file: its caption and size are the .ui's.
WindowSpec uiDialog(FormId name, Placement placement, bool minimise = false)
{
    WindowSpec spec;
    spec.name = name;
    spec.kind = WindowKind::Dialog;
    spec.placement = placement;
    spec.minimiseButton = minimise;
    spec.maximiseButton = false;
    return spec;
}

// A dialog built in code.
WindowSpec dialog(FormId name, const QString &caption, QSize clientTwips, Placement placement,
                  bool minimise = false)
{
    WindowSpec spec = uiDialog(name, placement, minimise);
    spec.caption = caption;
    spec.clientTwips = clientTwips;
    return spec;
}

void addOilPages(std::vector<WindowSpec> &all)
{
    for (int n = 1; n <= 15; ++n) {
        WindowSpec spec =
            page(Forms::essentialOilsPages[n - 1], QStringLiteral("Essential Oils %1/15").arg(n),
                 ResizerMode::ScaleHidingControls);
        if (n == 1) {
            spec.captionIsProgramTitleAtLoad = true;
            spec.buttons.push_back(
                next(QStringLiteral("cmdNext"), Forms::frmEssentialOils2, {11250, 7590, 495, 315}));
        } else if (n < 15) {
            spec.buttons.push_back(previous(QStringLiteral("Command2"), Forms::essentialOilsPages[n - 2],
                                            {10770, 7590, 495, 315}));
            spec.buttons.push_back(
                next(QStringLiteral("Command1"), Forms::essentialOilsPages[n], {11250, 7590, 495, 315}));
        } else {
            spec.buttons.push_back(
                previous(QStringLiteral("Command2"), Forms::frmEssentialOils95, {10560, 7590, 495, 315}));
            spec.buttons.push_back(close(QStringLiteral("cmdClose"), {11040, 7590, 705, 315}));
        }
        all.push_back(std::move(spec));
    }
}

std::vector<WindowSpec> build()
{
    std::vector<WindowSpec> all;

    WindowSpec menu = uiPage(Forms::frmMenu, ResizerMode::Scale);
    menu.background = QColor(128, 32, 48);
    all.push_back(menu);

    addOilPages(all);

    WindowSpec base1 = page(Forms::frmBaseOils, QStringLiteral("Base Oils / Carrier Oils"),
                            ResizerMode::ScaleHidingControls);
    base1.captionIsProgramTitleAtLoad = true;
    base1.buttons = {next(QStringLiteral("cmdBaseOils2"), Forms::frmBaseOils2, {11160, 7050, 495, 315})};
    all.push_back(base1);
    WindowSpec base2 =
        page(Forms::frmBaseOils2, QStringLiteral("Base Oils  2/2"), ResizerMode::ScaleHidingControls);
    base2.buttons = {previous(QStringLiteral("cmdBase"), Forms::frmBaseOils, {10470, 7050, 495, 315}),
                     close(QStringLiteral("cmdClose"), {10950, 7050, 705, 315})};
    all.push_back(base2);

    WindowSpec safety1 =
        page(Forms::frmSafety, QStringLiteral("Safety Rules 1/3"), ResizerMode::ScaleHidingControls);
    safety1.buttons = {next(QStringLiteral("cmdNext"), Forms::frmSafety2, {11250, 7590, 495, 325})};
    all.push_back(safety1);
    WindowSpec safety2 =
        page(Forms::frmSafety2, QStringLiteral("Safety Rules 2/3"), ResizerMode::ScaleHidingControls);
    safety2.buttons = {previous(QStringLiteral("cmdBack"), Forms::frmSafety, {10770, 7590, 495, 325}),
                       next(QStringLiteral("cmdNext"), Forms::frmSafety3, {11250, 7590, 495, 325})};
    all.push_back(safety2);
    WindowSpec safety3 =
        page(Forms::frmSafety3, QStringLiteral("Safety Rules 3/3"), ResizerMode::ScaleHidingControls);
    safety3.buttons = {previous(QStringLiteral("cmdBack"), Forms::frmSafety2, {10560, 7590, 495, 325}),
                       close(QStringLiteral("cmdClose"), {11040, 7590, 705, 325})};
    all.push_back(safety3);

    WindowSpec information =
        page(Forms::frmInformation, QStringLiteral("Basic Information"), ResizerMode::Scale);
    information.buttons = {{QStringLiteral("cmdSafety"),
                            QStringLiteral("Safety First!"),
                            ButtonAction::HandOver,
                            Forms::frmSafety,
                            {5040, 7350, 1875, 375}},
                           {QStringLiteral("cmdFootChart"),
                            QStringLiteral("View Foot Reflexology Chart"),
                            ButtonAction::OpenPage,
                            Forms::frmReflexology,
                            {4290, 6180, 3270, 375}},
                           close(QStringLiteral("cmdClose"), {11010, 7560, 705, 345})};
    all.push_back(information);

    WindowSpec antioxidants = page(Forms::frmAntioxidants, QStringLiteral("Essential Oil Antioxidants"),
                                   ResizerMode::ScaleHidingControls);
    antioxidants.buttons = {close(QStringLiteral("cmdClose"), {11040, 7590, 705, 315})};
    all.push_back(antioxidants);

    WindowSpec reflexology =
        page(Forms::frmReflexology, QStringLiteral("Reflexology: Chart for Feet"), ResizerMode::Scale);
    reflexology.background = QColor(192, 192, 255);
    all.push_back(reflexology);

    WindowSpec indications = uiPage(Forms::frmIndications, ResizerMode::Scale);
    indications.captionIsProgramTitleAtLoad = true;
    indications.background = QColor(128, 32, 48);
    all.push_back(indications);

    WindowSpec actions = uiPage(Forms::frmActions, ResizerMode::None);
    actions.captionIsProgramTitleAtLoad = true;
    actions.placement = Placement::AlwaysMaximised;
    actions.background = QColor(128, 32, 48);
    all.push_back(actions);

    WindowSpec bach = uiPage(Forms::frmBachFlowers, ResizerMode::Scale);
    bach.captionAtLoad = QStringLiteral("Bach Flower Remedies");
    bach.background = QColor(0, 64, 0);
    all.push_back(bach);

    WindowSpec about = dialog(Forms::frmAbout, QStringLiteral("AboutBox"), {6105, 4920}, Placement::Centred);
    about.background = QColor(224, 224, 224);
    about.buttons = {{QStringLiteral("cmdHistory"),
                      QStringLiteral("History"),
                      ButtonAction::OpenPage,
                      Forms::frmHistory,
                      {3570, 3990, 1100, 325}},
                     {QStringLiteral("cmdUpgrade"),
                      QStringLiteral("Upgrade"),
                      ButtonAction::OpenPage,
                      Forms::frmUpgradeInfo,
                      {4740, 3990, 1100, 325}}};
    all.push_back(about);
    all.push_back(dialog(Forms::frmDisclaimer, QStringLiteral("Disclaimer /  Licence Agreement"),
                         {9510, 5625}, Placement::Centred));
    all.push_back(dialog(Forms::frmHistory, QStringLiteral("History of Changes"), {6075, 4890},
                         Placement::Centred, true));
    all.push_back(dialog(Forms::frmSources, QStringLiteral("Sources"), {6975, 5895}, Placement::Centred));
    all.push_back(uiDialog(Forms::frmSettings, Placement::Centred));
    WindowSpec resize = uiDialog(Forms::frmResize, Placement::Centred);
    resize.background = QColor(192, 192, 192);
    resize.buttons = {close(QStringLiteral("cmdClose"), {1500, 1170, 855, 375})};
    all.push_back(resize);

    all.push_back(uiDialog(Forms::frmPrint, Placement::TopLeft));
    all.push_back(dialog(Forms::frmFind, QStringLiteral("Find"), {8400, 6600}, Placement::Centred, true));
    all.push_back(
        dialog(Forms::frmBlend, QStringLiteral("Blend Calculator"), {11700, 8400}, Placement::Centred, true));

    all.push_back(uiDialog(Forms::frmSupport, Placement::Centred));
    all.push_back(uiDialog(Forms::frmSecureOrder, Placement::TopLeft));
    all.push_back(uiDialog(Forms::frmFax, Placement::TopLeft));
    all.push_back(uiDialog(Forms::frmReviewInfo, Placement::TopLeft));
    all.push_back(uiDialog(Forms::frmReviewFax, Placement::TopLeft));
    all.push_back(uiDialog(Forms::frmOrderRegInfo, Placement::Centred));
    all.push_back(uiDialog(Forms::frmOrder, Placement::Centred, true));
    all.push_back(uiDialog(Forms::frmPriceList, Placement::TopLeft));
    all.push_back(uiDialog(Forms::frmDownloadSKP, Placement::CentredOnOwner, true));
    all.push_back(uiDialog(Forms::frmPath, Placement::Centred));

    WindowSpec programs = page(Forms::frmProgramsBooks,
                               QStringLiteral("Varnholt Publishing: Programs and Books"), ResizerMode::None);
    programs.background = QColor(255, 250, 240);
    all.push_back(programs);
    all.push_back(dialog(Forms::frmProgramComparison, QStringLiteral("Program Comparison"), {9600, 6300},
                         Placement::Centred, true));
    all.push_back(dialog(Forms::frmUpgradeInfo, QStringLiteral("Upgrade Information"), {6750, 4500},
                         Placement::Centred));
    all.push_back(dialog(Forms::frmBonus, QStringLiteral("Bonus Offer"), {6750, 4500}, Placement::Centred));
    return all;
}

} // namespace

const std::vector<WindowSpec> &windowCatalog()
{
    static const std::vector<WindowSpec> all = build();
    return all;
}

const WindowSpec *findWindowSpec(FormId form)
{
    for (const WindowSpec &spec : windowCatalog()) {
        if (spec.name == form)
            return &spec;
    }
    return nullptr;
}

std::optional<FormId> formNamed(const QString &name)
{
    for (const WindowSpec &spec : windowCatalog()) {
        if (spec.name.name() == name)
            return spec.name;
    }
    return std::nullopt;
}

const QList<FormId> &toolbarWindows()
{
    static const QList<FormId> forms{Forms::frmDisclaimer, Forms::frmAbout,         Forms::frmSettings,
                                     Forms::frmSupport,    Forms::frmProgramsBooks, Forms::frmOrderRegInfo};
    return forms;
}
