#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
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
    void registerFactory(const QString &formName, Factory factory);

    // Loads the window if it is not loaded, then shows it and brings it to the front. An open window is not
    // reloaded: it keeps its contents and state.
    AppWindow *OpenPage(const QString &formName);
    // Opens the place's window, then asks it to show the place's spot. Returns the window, or nullptr when
    // the window could not be opened or has no such spot (the window then stays open as it is).
    AppWindow *OpenPlace(const Place &place);
    // Unloads the window, so that the next OpenPage builds it afresh. Nothing happens if it is not open.
    void ClosePage(const QString &formName);
    // Opens the target first, then closes the current page.
    AppWindow *HandOver(AppWindow *current, const QString &target);

    AppWindow *find(const QString &formName) const;
    template <typename T> T *find(const QString &formName) const { return qobject_cast<T *>(find(formName)); }
    QStringList openWindows() const;

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
    void windowOpened(const QString &formName);
    void windowClosed(const QString &formName);
    // A window wrote the user's data (an indication's record); what was read from it is out of date.
    void dataSaved(const QString &formName);

private:
    void forget(AppWindow *window);

    struct DeferredDelete
    {
        void operator()(AppWindow *window) const;
    };
    std::map<QString, Factory> m_factories;
    std::map<QString, std::unique_ptr<AppWindow, DeferredDelete>> m_open;
    std::function<QString()> m_screenMode;
    std::vector<std::function<void()>> m_endHooks;
    bool m_ended = false;
};

// The program's window manager; created by the program's start (or a test) and installed here.
WindowManager &windows();
void installWindowManager(WindowManager *manager);
