// Whole forms rendered the way the screen gets them: the demonstration form,
// its hovered check box, and forms of many transparent check boxes over a
// gradient and over a tile. Each renders the form's window into an image
// (QWidget::render), which runs the same paint handling as a repaint of the
// shown window.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QImage>
#include <QRegion>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

#include "Unit1.h"
#include "bench_timing.h"
#include "host/qt/Automation.h"
#include "host/framework/Forms.h"
#include "orvo/OrvoCheckControls.h"
#include "orvo/OrvoMiscControls.h"

using namespace Orvo;

namespace {

constexpr int kWidth = 645;
constexpr int kHeight = 294;

// The demo form, created as the program creates it and shown once.
TForm1* DemoForm() {
    static TForm1* form = [] {
        Application->CreateForm(Form1);
        ShowFormForAutomation(Form1);
        return Form1;
    }();
    return form;
}

QWidget* Window(TWinControl* form) { return form->Widget()->window(); }

// Renders a whole window into an image once per iteration.
void RenderWholeWindow(benchmark::State& state, QWidget* window) {
    QImage image(window->size(), QImage::Format_RGB32);
    TCallTimer timer;
    for (auto _ : state) {
        timer.Time([&] { window->render(&image); });
        benchmark::DoNotOptimize(image.constBits());
    }
    timer.Report(state);
}

void BM_DemoFormFullRender(benchmark::State& state) {
    RenderWholeWindow(state, Window(DemoForm()));
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_DemoFormFullRender)->Unit(benchmark::kMicrosecond);

// The demo's first check box with the pointer over it (hot wash, hot
// caption colour), rendered alone: the form's window with the check box's
// rectangle as the region to render, as a repaint of that box does.
void BM_DemoHoveredCheckBox(benchmark::State& state) {
    TForm1* form = DemoForm();
    MoveMouse(form->OrvoCheckBox1, ClientCentre(form->OrvoCheckBox1));
    ProcessPendingPaints();
    QWidget* box = form->OrvoCheckBox1->Widget();
    const QRect area(box->mapTo(Window(form), QPoint(0, 0)), box->size());
    QImage image(area.size(), QImage::Format_RGB32);
    const QRegion region(area);
    TCallTimer timer;
    for (auto _ : state) {
        timer.Time([&] { Window(form)->render(&image, QPoint(), region); });
        benchmark::DoNotOptimize(image.constBits());
    }
    timer.Report(state);
    state.SetItemsProcessed(state.iterations() * area.width() * area.height());
    state.counters["pixels"] = double(area.width()) * area.height();
    MoveMouse(form, TPoint{630, 5});
    ProcessPendingPaints();
}
BENCHMARK(BM_DemoHoveredCheckBox)->Unit(benchmark::kMicrosecond);

// A 645 x 294 form with a background (a vertical gradient, or a 64-pixel
// tile) and `count` check boxes of 60 x 19 in a grid, transparent or not.
class TCheckBoxGridForm {
public:
    TCheckBoxGridForm(bool tiled, int count, bool transparent) : FForm(new TForm(Application)) {
        FForm->SetBorderStyle(bsNone);
        FForm->SetClientWidth(kWidth);
        FForm->SetClientHeight(kHeight);
        auto* back = new TOrvoBackground(FForm);
        back->SetParent(FForm);
        back->SetGradientStartColor(clNavy);
        back->SetGradientEndColor(clYellow);
        if (tiled) {
            TBitmap tile;
            tile.SetPixelFormat(pf32bit);
            tile.SetSize(64, 64);
            for (int y = 0; y < 64; ++y)
                for (int x = 0; x < 64; ++x)
                    tile.SetPixel(x, y, TColor(RGB(std::uint8_t(x * 4), std::uint8_t(y * 4), std::uint8_t(x ^ y))));
            back->SetTileImage(&tile);
        }
        // 10 columns of 64 pixels, 15 rows of 19.
        for (int i = 0; i < count; ++i) {
            auto* box = new TOrvoCheckBox(FForm);
            box->SetParent(FForm);
            box->SetAutoSize(false);
            box->SetBounds(2 + (i % 10) * 64, (i / 10) * 19, 60, 19);
            box->SetCaption("Box " + std::to_string(i));
            box->SetChecked(i % 2 == 0);
            box->SetTransparent(transparent);
        }
        ShowFormForAutomation(FForm);
    }
    ~TCheckBoxGridForm() { delete FForm; }
    QWidget* Window() const { return FForm->Widget()->window(); }
    TForm* Form() const { return FForm; }

private:
    TForm* FForm;
};

// Arguments: tiled (0 gradient, 1 tile), count, transparent (0 or 1).
void BM_CheckBoxGrid(benchmark::State& state) {
    const bool tiled = state.range(0) != 0;
    const int count = int(state.range(1));
    TCheckBoxGridForm form(tiled, count, state.range(2) != 0);
    RenderWholeWindow(state, form.Window());
}
BENCHMARK(BM_CheckBoxGrid)
    ->ArgNames({"tiled", "boxes", "transparent"})
    ->ArgsProduct({{0, 1}, {1, 10, 100}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

// The pointer moving from box to box over a grid of 100 transparent check
// boxes, each move handled as the running program handles it: its events,
// the repaints they ask for and the zero-time timers they start.
void BM_PointerOverCheckBoxGrid(benchmark::State& state) {
    TCheckBoxGridForm form(false, 100, true);
    std::vector<TControl*> boxes;
    for (int i = 0; i < form.Form()->ControlCount(); ++i)
        if (auto* box = dynamic_cast<TOrvoCheckBox*>(form.Form()->Controls(i))) boxes.push_back(box);
    std::size_t next = 0;
    TCallTimer timer;
    for (auto _ : state) {
        TControl* box = boxes[next++ % boxes.size()];
        timer.Time([&] {
            MoveMouse(box, ClientCentre(box));
            QCoreApplication::processEvents();
            ProcessPendingPaints();
        });
    }
    timer.Report(state);
}
BENCHMARK(BM_PointerOverCheckBoxGrid)->Unit(benchmark::kMicrosecond);

}  // namespace
