#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <unordered_map>
#include <vector>

class QWidget;

// Keeps a window's layout proportional: every control's left, top, width, height and font size follow the
// ratio of the window's client area to the size it was designed for.
class Resizer final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Resizer)

public:
    // Records the design geometry of the window's controls as they are now.
    Resizer(QWidget *window, QSize designClient, bool hideControlsOnResize);

    static QRect scaled(const QRect &design, double sx, double sy);
    static double fontScale(double sx, double sy);

    // Lays the controls out for a client area of this size (called on every resize of the window).
    void apply(QSize client);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Control
    {
        QPointer<QWidget> widget;
        QRect geometry;
        qreal pointSize;
        bool topLevel;
    };
    void record(QWidget *parent, bool topLevel);

    QWidget *m_window;
    QSize m_design;
    bool m_hide;
    std::vector<Control> m_controls;
    std::unordered_map<QObject *, double>
        m_unfitted; // hidden labels, with the font size they are to fit from
};
