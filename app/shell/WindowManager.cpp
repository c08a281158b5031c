#include "app/shell/WindowManager.h"

#include "app/shell/AppWindow.h"
#include "app/shell/WindowCatalog.h"
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

void WindowManager::registerFactory(FormId form, Factory factory)
{
    m_factories[form] = std::move(factory);
}

void WindowManager::registerWhenNeeded(std::function<void(WindowManager &)> registration)
{
    m_waitingRegistrations.push_back(std::move(registration));
}

void WindowManager::runWaitingRegistrations()
{
    // Taken out first: a registration may itself add one.
    while (!m_waitingRegistrations.empty()) {
        auto waiting = std::move(m_waitingRegistrations);
        m_waitingRegistrations.clear();
        for (const auto &registration : waiting)
            registration(*this);
    }
}

QList<FormId> WindowManager::registeredForms()
{
    runWaitingRegistrations();
    QList<FormId> forms;
    for (const auto &[form, factory] : m_factories)
        forms << form;
    return forms;
}

AppWindow *WindowManager::find(FormId form) const
{
    const auto it = m_open.find(form);
    return it == m_open.end() ? nullptr : it->second.get();
}

QList<FormId> WindowManager::openWindows() const
{
    QList<FormId> forms;
    for (const auto &[form, window] : m_open)
        forms << form;
    return forms;
}

AppWindow *WindowManager::OpenPage(FormId form)
{
    if (m_ended)
        return nullptr;
    if (AppWindow *open = find(form)) {
        if (open->isMinimized())
            open->setWindowState(open->windowState() & ~Qt::WindowMinimized);
        open->show();
        open->raise();
        open->activateWindow();
        return open;
    }
    if (!findWindowSpec(form)) {
        qCritical("no window is named \"%s\"", qPrintable(form.name()));
        return nullptr;
    }
    auto factory = m_factories.find(form);
    if (factory == m_factories.end() && !m_waitingRegistrations.empty()) {
        runWaitingRegistrations();
        factory = m_factories.find(form);
    }
    std::unique_ptr<AppWindow> created =
        factory != m_factories.end() ? factory->second() : std::make_unique<AppWindow>(form);
    AppWindow *window = created.get();
    m_open.emplace(form, std::unique_ptr<AppWindow, DeferredDelete>(created.release()));
    connect(window, &AppWindow::closed, this, &WindowManager::forget);
    window->runLoad();
    window->showPlaced();
    window->raise();
    window->activateWindow();
    emit windowOpened(form);
    return window;
}

AppWindow *WindowManager::OpenPlace(const Place &place)
{
    const std::optional<FormId> form = formNamed(place.form);
    if (!form)
        return nullptr;
    AppWindow *window = OpenPage(*form);
    if (!window || !window->showSpot(place.spot))
        return nullptr;
    return window;
}

void WindowManager::ClosePage(FormId form)
{
    if (AppWindow *window = find(form))
        window->close();
}

AppWindow *WindowManager::HandOver(AppWindow *current, FormId target)
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
        const FormId form = it->first;
        m_open.erase(it);
        emit windowClosed(form);
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
