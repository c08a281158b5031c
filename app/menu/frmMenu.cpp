#include "app/menu/frmMenu.h"

#include "app/platform/PlatformServices.h"
#include "app/platform/UserFiles.h"
#include "app/richtext/InvisibleRichTextBox.h"
#include "app/shell/DatabankLauncher.h"
#include "app/shell/DesignProperties.h"
#include "app/shell/ScreenMode.h"
#include "app/shell/WindowManager.h"
#include "content/BaseOilsPanel.h"
#include "ui_frmMenu.h"

#include <QCloseEvent>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QPointer>

namespace {

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

frmMenu::frmMenu(QWidget *parent) : AppWindow(Forms::frmMenu, parent), ui(std::make_unique<Ui::frmMenu>())
{
    setUpFromDesign(*ui, this);
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

InvisibleRichTextBox *frmMenu::rtfScreen() const
{
    return ui->rtfScreen;
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
    const auto open = [](FormId target) { return [target] { windows().OpenPage(target); }; };
    connect(ui->cmdIntroduction, &QPushButton::clicked, this, open(Forms::frmInformation));
    connect(ui->cmdSafety, &QPushButton::clicked, this, open(Forms::frmSafety));
    connect(ui->cmdEssentialOils, &QPushButton::clicked, this, &frmMenu::cmdEssentialOils_Click);
    connect(ui->cmdBaseOils, &QPushButton::clicked, this, &frmMenu::cmdBaseOils_Click);
    connect(ui->cmdActions, &QPushButton::clicked, this, open(Forms::frmActions));
    connect(ui->cmdIndications, &QPushButton::clicked, this, open(Forms::frmIndications));
    connect(ui->cmdBachFlowers, &QPushButton::clicked, this, open(Forms::frmBachFlowers));
    connect(ui->cmdSKP, &QPushButton::clicked, this, &databanklauncher::launch);
    connect(ui->cmdSources, &QPushButton::clicked, this, open(Forms::frmSources));
    connect(ui->cmdBlend, &QPushButton::clicked, this, open(Forms::frmBlend));
    connect(ui->cmdFind, &QPushButton::clicked, this, open(Forms::frmFind));

    // The toolbar's buttons, left to right, open the catalogue's toolbar windows in the same order.
    QPushButton *const toolbar[] = {ui->cmdReadFirst, ui->cmdAbout,    ui->cmdSettings,
                                    ui->cmdSupport,   ui->cmdPrograms, ui->cmdOrderRegInfo};
    const QList<FormId> &targets = toolbarWindows();
    Q_ASSERT(targets.size() == qsizetype(std::size(toolbar)));
    for (qsizetype i = 0; i < targets.size(); ++i)
        connect(toolbar[i], &QPushButton::clicked, this,
                [this, target = targets.at(i)] { openFromToolbar(target); });

    for (int page = 1; page <= 15; ++page) {
        auto *link = findChild<ClickableLabel *>(QStringLiteral("lblPage%1").arg(page));
        connect(link, &ClickableLabel::clicked, this, open(Forms::essentialOilsPages[page - 1]));
    }
    connect(ui->lblAntioxidants, &ClickableLabel::clicked, this, open(Forms::frmAntioxidants));
    connect(ui->lblBaseOils, &ClickableLabel::clicked, this, open(Forms::frmBaseOils));
    connect(ui->lblFootChart, &ClickableLabel::clicked, this, open(Forms::frmReflexology));
    connect(ui->cmdCloseOils, &QPushButton::clicked, this, &frmMenu::cmdCloseOils_Click);
    connect(ui->cmdCloseBaseOils, &QPushButton::clicked, this, &frmMenu::cmdCloseBaseOils_Click);
}

void frmMenu::openFromToolbar(FormId target)
{
    for (const FormId other : toolbarWindows()) {
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
    const content::BaseOilsPanel &panel = content::baseOilsPanel();
    ui->lblBaseOilsIntro->setText(panel.introduction);
    // The dilution lines and the measurements are safety figures: they come from the content, where the
    // content check holds them against the per-oil limits; the design leaves these labels empty.
    const auto setText = [this](const QString &name, const QString &text) {
        if (auto *label = findChild<QLabel *>(name))
            label->setText(text);
    };
    for (qsizetype i = 0; i < panel.dilutions.size(); ++i)
        setText(QStringLiteral("lblDilution%1").arg(i + 1), panel.dilutions.at(i));
    for (std::size_t i = 0; i < panel.measurements.size(); ++i) {
        setText(QStringLiteral("lblMeasureBase%1").arg(i + 1), panel.measurements[i].baseOil);
        setText(QStringLiteral("lblMeasureOil%1").arg(i + 1), panel.measurements[i].essentialOil);
    }
}
