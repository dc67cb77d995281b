// One cold start of the demonstration program's form, for the cold-start
// benchmark: the program's own start-up (application object, form read from
// its description, shown) up to the moment the first frame is painted.
// Prints its monotonic clock stamps in nanoseconds and its peak memory, one
// "key value" pair a line; the parent stamps the time just before spawning,
// so "frame" minus that stamp is process start to first frame.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <malloc.h>

#include <cstdio>
#include <cstring>
#include <ctime>

#include "../probe/ProcessProbe.h"
#include "Unit1.h"
#include "host/qt/Automation.h"
#include "host/framework/Forms.h"

using namespace Orvo;

namespace {

using probe::MonotonicNs;
using probe::StatusKb;

// Notes the first paint of the top-level window. Qt paints the whole tree of
// a window in the one pass of its top level, so that paint is the frame.
class TFirstFrameWatch : public QObject {
public:
    explicit TFirstFrameWatch(QWidget* top) : FTop(top) {}
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint && object == FTop) Painted = true;
        return false;
    }
    bool Painted = false;

private:
    QWidget* FTop;
};

// Bytes of the heap in use, in kB.
long HeapKb() { return long(mallinfo2().uordblks / 1024); }

}  // namespace

int main(int argc, char** argv) {
    const long long atMain = MonotonicNs();
    UseOffscreenPlatform();
    SilenceQtWarnings();
    Application->Initialize(argc, argv);
    const long long atApplication = MonotonicNs();
    const long rssApplication = StatusKb("VmRSS"), heapApplication = HeapKb();
    Application->CreateForm(Form1);
    const long long atForm = MonotonicNs();
    const long rssForm = StatusKb("VmRSS"), peakForm = StatusKb("VmHWM"), heapForm = HeapKb();
    QWidget* top = Form1->Widget() ? Form1->Widget()->window() : nullptr;
    if (!top) return 3;
    TFirstFrameWatch watch(top);
    qApp->installEventFilter(&watch);
    Form1->Show();
    QElapsedTimer waited;
    waited.start();
    while (!(watch.Painted && top->windowHandle() && top->windowHandle()->isExposed())) {
        if (waited.elapsed() > 10000) return 4;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    const long long atFrame = MonotonicNs();
    qApp->removeEventFilter(&watch);
    std::printf("main %lld\napp %lld\nform %lld\nframe %lld\nhwm_kb %ld\nrss_kb %ld\n", atMain, atApplication, atForm,
                atFrame, StatusKb("VmHWM"), StatusKb("VmRSS"));
    // Where the memory went: after the application object, after the form.
    std::printf("rss_app_kb %ld\nrss_form_kb %ld\nhwm_form_kb %ld\n", rssApplication, rssForm, peakForm);
    std::printf("heap_app_kb %ld\nheap_form_kb %ld\nheap_frame_kb %ld\n", heapApplication, heapForm, HeapKb());
    std::fflush(stdout);
    return 0;
}
