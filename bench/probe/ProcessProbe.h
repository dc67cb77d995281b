#pragma once
// What a whole-process benchmark child reports about itself: monotonic clock
// stamps, its peak and resident memory, and the moment its first frame is
// painted. Plain Qt and the C library only, so the plain-Qt programs of
// bench/ use it as well as ours.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <vector>

namespace probe {

inline long long MonotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (long long)ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

// The median time of `reps` calls, in nanoseconds.
template <class F>
double MedianNs(int reps, F&& call) {
    std::vector<double> samples;
    for (int i = 0; i < reps; ++i) {
        const long long start = MonotonicNs();
        call();
        samples.push_back(double(MonotonicNs() - start));
    }
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    return n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
}

// A "Name:   N kB" line of /proc/self/status, or -1.
inline long StatusKb(const char* field) {
    FILE* f = std::fopen("/proc/self/status", "r");
    if (!f) return -1;
    char line[256];
    long value = -1;
    const std::size_t length = std::strlen(field);
    while (std::fgets(line, sizeof line, f))
        if (std::strncmp(line, field, length) == 0 && line[length] == ':') {
            std::sscanf(line + length + 1, "%ld", &value);
            break;
        }
    std::fclose(f);
    return value;
}

// Notes the first paint in a top-level window. Qt paints the whole tree of
// a window in one pass, so once a round of event handling painted any
// widget of it the frame is there. (The top level itself may not be
// painted at all: children that cover it opaquely leave it nothing.)
class TFirstFrameWatch : public QObject {
public:
    explicit TFirstFrameWatch(QWidget* top) : FTop(top) {}
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint && object->isWidgetType() && static_cast<QWidget*>(object)->window() == FTop)
            Painted = true;
        return false;
    }
    bool Painted = false;

private:
    QWidget* FTop;
};

// Shows `top` through `show` and handles events until its first frame is
// painted and exposed; false after `timeoutMs` without one.
template <class Show>
bool ShowAndWaitForFirstFrame(QWidget* top, Show&& show, int timeoutMs = 600000) {
    TFirstFrameWatch watch(top);
    QCoreApplication::instance()->installEventFilter(&watch);
    show();
    QElapsedTimer waited;
    waited.start();
    while (!(watch.Painted && top->windowHandle() && top->windowHandle()->isExposed())) {
        if (waited.elapsed() > timeoutMs) break;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    QCoreApplication::instance()->removeEventFilter(&watch);
    return watch.Painted;
}

}  // namespace probe
