// The library's big form (bench/bigform/make_big_form.py writes it): read
// from its description, shown, painted; measured against qss_bigform.
//
//   orvo_bigform cold FORM       one cold start: prints its clock stamps
//       (main, app, load, frame; ns) and memory (hwm_kb, rss_kb)
//   orvo_bigform inproc FORM [REPS]   in one process: the load, the first
//       frame, the median full repaint and hovered repaint
#include <QImage>
#include <QRegion>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "../probe/ProcessProbe.h"
#include "host/framework/Forms.h"
#include "host/framework/Streaming.h"
#include "host/qt/Automation.h"

using namespace Orvo;

namespace {

// The file's bytes in one allocation of its size (a stream copied into a
// string stream grows by doubling and is copied once more when taken out).
bool ReadWholeFile(const std::string& path, std::string& text) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) return false;
    const std::streamoff size = file.tellg();
    if (size < 0) return false;
    text.resize(std::size_t(size));
    file.seekg(0);
    return bool(file.read(text.data(), size));
}

int Usage(const char* self) {
    std::fprintf(stderr, "usage: %s cold|inproc FORM [REPS]\n", self);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const long long atMain = probe::MonotonicNs();
    if (argc < 3) return Usage(argv[0]);
    const bool cold = std::strcmp(argv[1], "cold") == 0;
    if (!cold && std::strcmp(argv[1], "inproc") != 0) return Usage(argv[0]);
    const std::string path = argv[2];
    const int reps = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;

    UseOffscreenPlatform();
    SilenceQtWarnings();
    static int qtArgc = 1;
    static char* qtArgv[] = {argv[0], nullptr};
    Application->Initialize(qtArgc, qtArgv);
    const long long atApplication = probe::MonotonicNs();

    auto* form = new TForm(Application);
    {
        // The text is read whole and dropped once the form is read, as a
        // program loading a form does: it is not kept while the form shows.
        std::string text;
        if (!ReadWholeFile(path, text)) {
            std::fprintf(stderr, "cannot read %s\n", path.c_str());
            return 3;
        }
        try {
            ReadComponentText(form, text, path);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s\n", e.what());
            return 3;
        }
    }
    form->AfterConstruction();
    const long long atLoad = probe::MonotonicNs();
    form->HandleNeeded();
    QWidget* top = form->Widget()->window();
    if (!probe::ShowAndWaitForFirstFrame(top, [&] { form->Show(); })) return 4;
    const long long atFrame = probe::MonotonicNs();
    if (cold) {
        std::printf("main %lld\napp %lld\nload %lld\nframe %lld\nhwm_kb %ld\nrss_kb %ld\n", atMain, atApplication,
                    atLoad, atFrame, probe::StatusKb("VmHWM"), probe::StatusKb("VmRSS"));
        std::fflush(stdout);
        std::_Exit(0);  // what is measured is done; freeing the form is not
    }

    QImage full(top->size(), QImage::Format_RGB32);
    const double fullNs = probe::MedianNs(reps, [&] { top->render(&full); });
    double hoverNs = 0;
    // The first box of the second row (the first holds the focus).
    if (auto* box = dynamic_cast<TControl*>(form->FindComponent("CheckBox21"))) {
        MoveMouse(box, ClientCentre(box));
        ProcessPendingPaints();
        QWidget* widget = static_cast<TWinControl*>(box)->Widget();
        const QRect area(widget->mapTo(top, QPoint(0, 0)), widget->size());
        QImage small(area.size(), QImage::Format_RGB32);
        hoverNs = probe::MedianNs(reps * 20, [&] { top->render(&small, QPoint(), QRegion(area)); });
    }
    std::printf("load_ns %lld\nframe_ns %lld\nfull_ns %.0f\nhover_ns %.0f\nhwm_kb %ld\n", atLoad - atApplication,
                atFrame - atLoad, fullNs, hoverNs, probe::StatusKb("VmHWM"));
    std::fflush(stdout);
    std::_Exit(0);
}
