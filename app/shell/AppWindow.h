#pragma once

#include "app/shell/WindowCatalog.h"

#include <QWidget>
#include <memory>

class Resizer;
class QPushButton;

// The frame every window of the program shares. A window is built by its constructor (its design), loaded by
// WindowManager::OpenPage (its load handler, then the screen mode) and shown in the placement its kind asks
// for.
class AppWindow : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AppWindow)

public:
    explicit AppWindow(FormId form, QWidget *parent = nullptr);
    ~AppWindow() override;

    const WindowSpec &spec() const { return m_spec; }
    FormId formName() const { return m_spec.name; }

    // The load steps: the window's own Form_Load, the catalogue's buttons, the caption replaced at load,
    // then ApplyScreenMode for page windows and the resizer.
    void runLoad();
    // Shows the window in the state and place decided at load.
    void showPlaced();
    // The window state that ApplyScreenMode chose (always false for dialogs).
    bool opensMaximised() const { return m_maximised; }

    // The rule for page windows: the screen-mode text gives the normal state only when it reads as 0.
    void ApplyScreenMode();

    // Shows a spot of this window (an oil's row, a record, a section), as named by the window's kind of
    // content; false when the window has no such spot. An empty spot is the window as it opened.
    virtual bool showSpot(const QString &spot) { return spot.isEmpty(); }

signals:
    void closed(AppWindow *window);

protected:
    // The window's own load handler; a failing step is skipped by the window itself.
    virtual void Form_Load() {}
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void wireCatalogButtons();
    void placeNormal();

    const WindowSpec &m_spec;
    bool m_maximised = false;
    bool m_loaded = false;
    Resizer *m_resizer = nullptr; // owned by this window as a child object
    QPoint m_designOffset;        // how far the controls sit from their design places (pages without resizer)
};
