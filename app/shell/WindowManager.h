#pragma once

#include "app/shell/FormId.h"

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class AppWindow;
struct Place;

// OpenPage, ClosePage and HandOver: the one mechanism through which every window of the program is opened,
// closed and chained. The manager owns every open window; a closed window keeps nothing.
class WindowManager final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WindowManager)

public:
    using Factory = std::function<std::unique_ptr<AppWindow>()>;

    WindowManager();
    ~WindowManager() override;

    // Windows without a factory of their own open as the catalogue's empty frame with its buttons.
    void registerFactory(FormId form, Factory factory);
    // A registration that has to read something first, such as the windows a content file names: it runs
    // the first time a window without a factory is opened or the registered forms are listed, rather than
    // on the way to the program's first window.
    void registerWhenNeeded(std::function<void(WindowManager &)> registration);
    // The forms that have a factory, in the order of their names.
    QList<FormId> registeredForms();

    // Loads the window if it is not loaded, then shows it and brings it to the front. An open window is not
    // reloaded: it keeps its contents and state. A form that the catalogue does not know opens nothing.
    AppWindow *OpenPage(FormId form);
    // Opens the place's window, then asks it to show the place's spot. Returns the window, or nullptr when
    // the place names no window of the program, the window could not be opened or has no such spot (the
    // window then stays open as it is).
    AppWindow *OpenPlace(const Place &place);
    // Unloads the window, so that the next OpenPage builds it afresh. Nothing happens if it is not open.
    void ClosePage(FormId form);
    // Opens the target first, then closes the current page.
    AppWindow *HandOver(AppWindow *current, FormId target);

    AppWindow *find(FormId form) const;
    template <typename T> T *find(FormId form) const { return qobject_cast<T *>(find(form)); }
    // The open windows, in the order of their names.
    QList<FormId> openWindows() const;

    // Where page windows read the screen mode: the main menu's invisible box, once the menu exists.
    void setScreenModeSource(std::function<QString()> source) { m_screenMode = std::move(source); }
    QString screenModeText() const;

    // Work that must happen before the program ends (an edit still pending in a page, written back).
    void addEndOfProgramHook(std::function<void()> hook) { m_endHooks.push_back(std::move(hook)); }
    // Ends the program at once: the hooks run, every window goes without its own close handling, the event
    // loop quits.
    void EndProgram();
    bool programEnded() const { return m_ended; }

signals:
    // A window was loaded and shown; a window was unloaded.
    void windowOpened(FormId form);
    void windowClosed(FormId form);
    // A window wrote the user's data (an indication's record); what was read from it is out of date.
    void dataSaved(FormId form);

private:
    void forget(AppWindow *window);

    struct DeferredDelete
    {
        void operator()(AppWindow *window) const;
    };
    void runWaitingRegistrations();

    std::map<FormId, Factory> m_factories;
    std::vector<std::function<void(WindowManager &)>> m_waitingRegistrations;
    std::map<FormId, std::unique_ptr<AppWindow, DeferredDelete>> m_open;
    std::function<QString()> m_screenMode;
    std::vector<std::function<void()>> m_endHooks;
    bool m_ended = false;
};

// The program's window manager; created by the program's start (or a test) and installed here.
WindowManager &windows();
void installWindowManager(WindowManager *manager);
