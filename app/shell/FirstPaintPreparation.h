#pragma once

#include <QObject>

class QWidget;

// Between a window's show and its first paint the window manager maps the window, and the main thread has
// nothing to do: 5 to 15 ms on a desktop. This spends that wait drawing the window's texts off screen, which
// loads their fonts and caches their glyphs and button panels, so that the first paint finds them ready
// instead of making them. For a window shown at its own size: a maximised one is resized by the window
// manager before its paint, with new fonts, and preparing it after that resize measured no faster.
class FirstPaintPreparation final : public QObject
{
public:
    // Owned by the window until its first paint; create it just before the window is first shown.
    explicit FirstPaintPreparation(QWidget *window);

    bool eventFilter(QObject *watched, QEvent *event) override;

    // Draws the window's visible labels, buttons and group box titles off screen, each as it draws itself.
    static void prepareTexts(const QWidget *window);

private:
    QWidget *m_window;
    bool m_painted = false;
};
