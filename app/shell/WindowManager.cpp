#include "app/shell/WindowManager.h"

#include "app/shell/AppWindow.h"
#include "shared/Place.h"

#include <QCoreApplication>

namespace {
WindowManager *&installed()
{
    static WindowManager *manager = nullptr;
    return manager;
}
} // namespace

WindowManager &windows()
{
    Q_ASSERT(installed());
    return *installed();
}

void installWindowManager(WindowManager *manager)
{
    installed() = manager;
}

void WindowManager::DeferredDelete::operator()(AppWindow *window) const
{
    // A window may be closed from inside one of its own handlers; it goes once that handler has returned.
    window->hide();
    window->deleteLater();
}

WindowManager::WindowManager() = default;

WindowManager::~WindowManager()
{
    // Direct deletion: no event loop is left to run deferred deletes.
    for (auto &[name, window] : m_open)
        delete window.release();
    if (installed() == this)
        installed() = nullptr;
}

void WindowManager::registerFactory(const QString &formName, Factory factory)
{
    m_factories[formName] = std::move(factory);
}

AppWindow *WindowManager::find(const QString &formName) const
{
    const auto it = m_open.find(formName);
    return it == m_open.end() ? nullptr : it->second.get();
}

QStringList WindowManager::openWindows() const
{
    QStringList names;
    for (const auto &[name, window] : m_open)
        names << name;
    return names;
}

AppWindow *WindowManager::OpenPage(const QString &formName)
{
    if (m_ended)
        return nullptr;
    if (AppWindow *open = find(formName)) {
        if (open->isMinimized())
            open->setWindowState(open->windowState() & ~Qt::WindowMinimized);
        open->show();
        open->raise();
        open->activateWindow();
        return open;
    }
    const auto factory = m_factories.find(formName);
    std::unique_ptr<AppWindow> created =
        factory != m_factories.end() ? factory->second() : std::make_unique<AppWindow>(formName);
    AppWindow *window = created.get();
    m_open.emplace(formName, std::unique_ptr<AppWindow, DeferredDelete>(created.release()));
    connect(window, &AppWindow::closed, this, &WindowManager::forget);
    window->runLoad();
    window->showPlaced();
    window->raise();
    window->activateWindow();
    emit windowOpened(formName);
    return window;
}

AppWindow *WindowManager::OpenPlace(const Place &place)
{
    AppWindow *window = OpenPage(place.form);
    if (!window || !window->showSpot(place.spot))
        return nullptr;
    return window;
}

void WindowManager::ClosePage(const QString &formName)
{
    if (AppWindow *window = find(formName))
        window->close();
}

AppWindow *WindowManager::HandOver(AppWindow *current, const QString &target)
{
    AppWindow *opened = OpenPage(target);
    if (current && current != opened)
        ClosePage(current->formName());
    return opened;
}

void WindowManager::forget(AppWindow *window)
{
    const auto it = m_open.find(window->formName());
    if (it != m_open.end() && it->second.get() == window) {
        const QString name = it->first;
        m_open.erase(it);
        emit windowClosed(name);
    }
}

QString WindowManager::screenModeText() const
{
    return m_screenMode ? m_screenMode() : QString(QChar(u'2'));
}

void WindowManager::EndProgram()
{
    if (m_ended)
        return;
    m_ended = true;
    for (const auto &hook : m_endHooks)
        hook();
    // Windows go without their own close handling.
    for (auto &[name, window] : m_open)
        disconnect(window.get(), &AppWindow::closed, this, &WindowManager::forget);
    m_open.clear();
    QCoreApplication::exit(0);
}
