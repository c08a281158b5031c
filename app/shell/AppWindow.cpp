#include "app/shell/AppWindow.h"

#include "app/shell/DesignArea.h"
#include "app/shell/Resizer.h"
#include "app/shell/ScreenMode.h"
#include "app/shell/Twips.h"
#include "app/shell/WindowManager.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <algorithm>

namespace {

const WindowSpec &specFor(FormId form)
{
    const WindowSpec *spec = findWindowSpec(form);
    Q_ASSERT_X(spec, "AppWindow", "every window has an entry in the window catalogue");
    if (!spec) {
        static const WindowSpec unknown;
        return unknown;
    }
    return *spec;
}

Qt::WindowFlags flagsFor(const WindowSpec &spec)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (spec.minimiseButton)
        flags |= Qt::WindowMinimizeButtonHint;
    if (spec.maximiseButton)
        flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

void styleChainButton(QPushButton *button, const WindowButton &def)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(def.arrow ? 12.0 : 11.25);
    font.setBold(def.arrow);
    button->setFont(font);
    button->setStyleSheet(
        QStringLiteral("QPushButton { background-color: white; border: 1px solid #808080; }"));
}

} // namespace

AppWindow::AppWindow(FormId form, QWidget *parent) : QWidget(parent), m_spec(specFor(form))
{
    setObjectName(m_spec.name.name());
    setWindowFlags(flagsFor(m_spec));
    // A window built from a .ui file gets its caption and size from there when its class sets it up.
    if (!m_spec.caption.isEmpty())
        setWindowTitle(m_spec.caption);
    if (m_spec.kind == WindowKind::Page)
        resize(twips::PageClient);
    else if (m_spec.clientTwips)
        resize(twips::size(m_spec.clientTwips->width(), m_spec.clientTwips->height()));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, m_spec.background);
    setPalette(pal);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(12.0);
    setFont(font);
    // Find is one key away from wherever the user is reading.
    auto *find = new QShortcut(QKeySequence::Find, this); // owned by this window
    connect(find, &QShortcut::activated, this, [] { windows().OpenPage(Forms::frmFind); });
}

AppWindow::~AppWindow() = default;

void AppWindow::runLoad()
{
    if (m_loaded)
        return;
    m_loaded = true;
    // What the window's design made of its size, before its load handler adds to it.
    const QSize designed = size();
    wireCatalogButtons();
    if (m_spec.captionIsProgramTitleAtLoad)
        setWindowTitle(programtitle::Title);
    else if (!m_spec.captionAtLoad.isEmpty())
        setWindowTitle(m_spec.captionAtLoad);
    Form_Load();

    if (m_spec.kind == WindowKind::Dialog) {
        setFixedSize(m_spec.clientTwips
                         ? twips::size(m_spec.clientTwips->width(), m_spec.clientTwips->height())
                         : designed);
        m_maximised = false;
        return;
    }
    if (m_spec.placement == Placement::AlwaysMaximised)
        m_maximised = true;
    else
        ApplyScreenMode();
    if (m_spec.resizer != ResizerMode::None && !m_resizer)
        m_resizer = new Resizer(this, twips::PageClient, m_spec.resizer == ResizerMode::ScaleHidingControls);
}

void AppWindow::ApplyScreenMode()
{
    m_maximised = !screenmode::isNormal(windows().screenModeText());
    if (isVisible()) {
        if (m_maximised) {
            showMaximized();
        } else {
            showNormal();
            placeNormal();
        }
    }
}

void AppWindow::placeNormal()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QSize outer = twips::size(12000, 8520);
    if (m_spec.kind == WindowKind::Page)
        resize(twips::PageClient);
    if (!screen)
        return;
    QRect area = screen->availableGeometry();
    if (m_spec.placement == Placement::TopLeft) {
        move(area.topLeft());
        return;
    }
    const QSize frame = m_spec.kind == WindowKind::Page ? outer : size();
    const QPoint half(frame.width() / 2, frame.height() / 2);
    const AppWindow *owner =
        m_spec.placement == Placement::CentredOnOwner ? windows().find(Forms::frmMenu) : nullptr;
    if (!owner || !owner->isVisible()) {
        move(area.center() - half);
        return;
    }
    // Centred on a menu near the edge of its screen, the window is kept inside that screen; one larger than
    // the screen keeps its top left corner, and so its title bar, in view.
    if (owner->screen())
        area = owner->screen()->availableGeometry();
    const QPoint topLeft = owner->frameGeometry().center() - half;
    move(std::max(area.left(), std::min(topLeft.x(), area.right() + 1 - frame.width())),
         std::max(area.top(), std::min(topLeft.y(), area.bottom() + 1 - frame.height())));
}

void AppWindow::showPlaced()
{
    if (m_maximised) {
        showMaximized();
        return;
    }
    placeNormal();
    show();
}

void AppWindow::wireCatalogButtons()
{
    for (const WindowButton &def : m_spec.buttons) {
        auto *button = findChild<QPushButton *>(def.name);
        if (!button) {
            button = new QPushButton(def.caption, this); // owned by this window
            button->setObjectName(def.name);
            button->setGeometry(
                twips::rect(def.twips.x(), def.twips.y(), def.twips.width(), def.twips.height()));
            styleChainButton(button, def);
        }
        connect(button, &QPushButton::clicked, this, [this, def] {
            switch (def.action) {
            case ButtonAction::HandOver:
                windows().HandOver(this, def.target);
                break;
            case ButtonAction::OpenPage:
                windows().OpenPage(def.target);
                break;
            case ButtonAction::ClosePage:
                windows().ClosePage(m_spec.name);
                break;
            }
        });
    }
}

void AppWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_spec.kind != WindowKind::Page || m_spec.resizer != ResizerMode::None)
        return;
    const QPoint offset = designAreaOffset(size(), twips::PageClient);
    const QPoint shift = offset - m_designOffset;
    if (shift.isNull())
        return;
    m_designOffset = offset;
    for (QWidget *control : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!control->isWindow())
            control->move(control->pos() + shift);
    }
}

void AppWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closed(this);
}
