#include "app/menu/frmMenu.h"

#include "app/platform/PlatformServices.h"
#include "app/platform/UserFiles.h"
#include "app/richtext/RichTextBox.h"
#include "app/shell/DesignFonts.h"
#include "app/shell/ScreenMode.h"
#include "app/shell/WindowManager.h"
#include "content/ContentSet.h"
#include "ui_frmMenu.h"

#include <QCloseEvent>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QPointer>

namespace {

std::function<void()> &databankLauncher()
{
    static std::function<void()> launcher = [] { windows().OpenPage(QStringLiteral("frmDownloadSKP")); };
    return launcher;
}

QString oilPageName(int page)
{
    return page <= 9 ? QStringLiteral("frmEssentialOils%1").arg(page)
                     : QStringLiteral("frmEssentialOils9%1").arg(page - 9);
}

const QString ScreenFile = QStringLiteral("Screen.txt");

// The blanks of a wrapped label choose its line breaks for the design width at the design font. The resizer
// scales the width by the window's width but the font by the smaller ratio, so a wide window would pull words
// onto one line; this keeps the text width in the design proportion to the font, centred in the label.
class KeepDesignWrap final : public QObject
{
public:
    explicit KeepDesignWrap(QLabel *label)
        : QObject(label), m_label(label), m_width(label->width()), m_points(label->font().pointSizeF())
    {
        label->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_label && (event->type() == QEvent::Resize || event->type() == QEvent::FontChange)) {
            const int textWidth = qRound(m_width * m_label->font().pointSizeF() / m_points);
            const int side = std::max(0, (m_label->width() - textWidth) / 2);
            m_label->setContentsMargins(side, 0, side, 0);
        }
        return false;
    }

private:
    QLabel *m_label;
    int m_width;
    double m_points;
};

} // namespace

frmMenu::frmMenu(QWidget *parent)
    : AppWindow(QStringLiteral("frmMenu"), parent), ui(std::make_unique<Ui::frmMenu>())
{
    ui->setupUi(this);
    applyDesignFontSizes(this);
    new KeepDesignWrap(ui->Label4); // owned by the label
    ui->rtfScreen->setText(QStringLiteral("2"));
    fillBaseOilsIntroduction();
    connectHandlers();
    // The source outlives the menu only while the program ends; it then reads the design default.
    windows().setScreenModeSource([menu = QPointer<frmMenu>(this)] {
        return menu ? menu->ui->rtfScreen->Text() : QStringLiteral("2");
    });
}

frmMenu::~frmMenu() = default;

RichTextBox *frmMenu::rtfScreen() const
{
    return ui->rtfScreen;
}

void frmMenu::setDatabankLauncher(std::function<void()> launcher)
{
    databankLauncher() = std::move(launcher);
}

void frmMenu::Form_Load()
{
    // Each step skips its own failure.
    PlatformServices &os = platform();
    os.SetCurrentFolder(os.ApplicationFolder());
    const QString path = QDir(userfiles::configFolder()).filePath(ScreenFile);
    if (os.ListFile(path) != ScreenFile)
        return;
    if (ui->rtfScreen->LoadFile(path))
        return;
    // A screen-mode file written by hand may hold the bare digit as plain text.
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QString digit = screenmode::bareDigit(file.read(64));
        if (!digit.isEmpty())
            ui->rtfScreen->setText(digit);
    }
}

void frmMenu::closeEvent(QCloseEvent *event)
{
    event->accept();
    windows().EndProgram();
}

void frmMenu::connectHandlers()
{
    const auto open = [](const QString &target) { return [target] { windows().OpenPage(target); }; };
    connect(ui->cmdIntroduction, &QPushButton::clicked, this, open(QStringLiteral("frmInformation")));
    connect(ui->cmdSafety, &QPushButton::clicked, this, open(QStringLiteral("frmSafety")));
    connect(ui->cmdEssentialOils, &QPushButton::clicked, this, &frmMenu::cmdEssentialOils_Click);
    connect(ui->cmdBaseOils, &QPushButton::clicked, this, &frmMenu::cmdBaseOils_Click);
    connect(ui->cmdActions, &QPushButton::clicked, this, open(QStringLiteral("frmActions")));
    connect(ui->cmdIndications, &QPushButton::clicked, this, open(QStringLiteral("frmIndications")));
    connect(ui->cmdBachFlowers, &QPushButton::clicked, this, open(QStringLiteral("frmBachFlowers")));
    connect(ui->cmdSKP, &QPushButton::clicked, this, [] { databankLauncher()(); });
    connect(ui->cmdSources, &QPushButton::clicked, this, open(QStringLiteral("frmSources")));
    connect(ui->cmdBlend, &QPushButton::clicked, this, open(QStringLiteral("frmBlend")));

    const std::pair<QPushButton *, QString> toolbar[] = {
        {ui->cmdReadFirst, QStringLiteral("frmDisclaimer")},
        {ui->cmdAbout, QStringLiteral("frmAbout")},
        {ui->cmdSettings, QStringLiteral("frmSettings")},
        {ui->cmdSupport, QStringLiteral("frmSupport")},
        {ui->cmdPrograms, QStringLiteral("frmProgramsBooks")},
        {ui->cmdOrderRegInfo, QStringLiteral("frmOrderRegInfo")}};
    for (const auto &[button, target] : toolbar)
        connect(button, &QPushButton::clicked, this, [this, target = target] { openFromToolbar(target); });

    for (int page = 1; page <= 15; ++page) {
        auto *link = findChild<ClickableLabel *>(QStringLiteral("lblPage%1").arg(page));
        connect(link, &ClickableLabel::clicked, this, open(oilPageName(page)));
    }
    connect(ui->lblAntioxidants, &ClickableLabel::clicked, this, open(QStringLiteral("frmAntioxidants")));
    connect(ui->lblBaseOils, &ClickableLabel::clicked, this, open(QStringLiteral("frmBaseOils")));
    connect(ui->lblFootChart, &ClickableLabel::clicked, this, open(QStringLiteral("frmReflexology")));
    connect(ui->cmdCloseOils, &QPushButton::clicked, this, &frmMenu::cmdCloseOils_Click);
    connect(ui->cmdCloseBaseOils, &QPushButton::clicked, this, &frmMenu::cmdCloseBaseOils_Click);
}

void frmMenu::openFromToolbar(const QString &target)
{
    for (const QString &other : toolbarWindows()) {
        if (other != target)
            windows().ClosePage(other);
    }
    windows().OpenPage(target);
}

void frmMenu::cmdEssentialOils_Click()
{
    ui->fraBaseOils->setVisible(false);
    ui->fraOils->setVisible(ui->fraOils->isHidden());
}

void frmMenu::cmdBaseOils_Click()
{
    ui->fraOils->setVisible(false);
    ui->fraBaseOils->setVisible(ui->fraBaseOils->isHidden());
}

void frmMenu::cmdCloseOils_Click()
{
    ui->fraOils->setVisible(false);
}

void frmMenu::cmdCloseBaseOils_Click()
{
    ui->fraBaseOils->setVisible(false);
}

void frmMenu::fillBaseOilsIntroduction()
{
    const QJsonObject panel = content::json(QStringLiteral("reference/menu.json"))
                                  .object()
                                  .value(QLatin1String("baseOilsPanel"))
                                  .toObject();
    ui->lblBaseOilsIntro->setText(panel.value(QLatin1String("introduction")).toString());
    // The dilution lines and the drop counts are safety figures: they come from the content, where the
    // content check holds them against the per-oil limits, never from the design.
    const QJsonArray dilutions = panel.value(QLatin1String("dilutions")).toArray();
    for (int i = 0; i < dilutions.size(); ++i)
        if (auto *label = findChild<QLabel *>(QStringLiteral("lblDilution%1").arg(i + 1)))
            label->setText(dilutions.at(i).toString());
    const QJsonArray measurements = panel.value(QLatin1String("measurements")).toArray();
    for (int i = 0; i < measurements.size(); ++i)
        if (auto *label = findChild<QLabel *>(QStringLiteral("lblMeasureOil%1").arg(i + 1)))
            label->setText(measurements.at(i).toArray().at(2).toString());
}
