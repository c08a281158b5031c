#pragma once

// Timing helpers shared by the window benchmarks: a yardstick (a bare Qt window shown and idle) and the
// median of repeated runs, so that every benchmark reports ratios measured in the same run.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace benchtiming {

// Runs the event loop until every pending event, painting and deferred deletes included, has been handled.
inline void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The middle one of several measurements (at least one).
inline double median(std::vector<double> times)
{
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

// Median of several runs, in microseconds.
inline double medianMicros(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1000.0);
    }
    return median(std::move(times));
}

// The yardstick: a bare window of the page size, shown and idle, then gone.
inline double bareWindowMicros(int runs)
{
    return medianMicros(runs, [] {
        auto window = std::make_unique<QWidget>();
        window->resize(792, 534);
        window->show();
        settle();
    });
}

namespace detail {

// Ends a loop once the watched window's first paint has been done.
class FirstPaintQuits final : public QObject
{
public:
    explicit FirstPaintQuits(QEventLoop &loop) : m_loop(loop) {}
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, &m_loop, &QEventLoop::quit); // after this paint
        return false;
    }

private:
    QEventLoop &m_loop;
};

} // namespace detail

// The yardstick as a person sees it: a bare window of the page size from show() until its first paint is
// done. On a display the paint waits for the window system to map the window, which settle() alone may not
// (it returns after one pass of the event loop, often before the window is on screen).
inline double bareWindowPaintedMicros(int runs)
{
    return medianMicros(runs, [] {
        auto window = std::make_unique<QWidget>();
        window->resize(792, 534);
        QEventLoop loop;
        detail::FirstPaintQuits quits(loop);
        window->installEventFilter(&quits);
        QTimer::singleShot(5000, &loop, &QEventLoop::quit); // never wait for ever
        window->show();
        loop.exec();
        window->removeEventFilter(&quits);
    });
}

} // namespace benchtiming
