// What a check box costs as a Qt widget: heap bytes and Qt widgets per box,
// with 100 boxes shown in one small window. Orvo::CheckBox places its control
// directly in its widget; the same control in a TEmbeddedHost sits on a
// borderless form made for it; 100 controls on one form show what the
// control alone costs; Qt's QCheckBox is the yardstick. The time is making
// the 100 and showing them painted. One round of each runs first, so that
// what is made once for all (fonts, glyphs, paint buffers) is not counted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QWidget>

#include <malloc.h>

#include <functional>
#include <memory>

#include "host/framework/Forms.h"
#include "host/qt/Automation.h"
#include "host/qt/EmbeddedHost.h"
#include "orvo/OrvoCheckControls.h"
#include "widgets/CheckBox.h"

using namespace Orvo;

namespace {

constexpr int kBoxes = 100;

std::size_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Makes kBoxes widgets with `make` in a shown window, painted; answers the
// heap and the Qt widgets they take, per box.
void MeasureBoxes(benchmark::State& state, const std::function<QWidget*()>& make) {
    auto round = [&](double* bytes, double* widgets) {
        const std::size_t heapBefore = HeapInUse();
        const qsizetype widgetsBefore = QApplication::allWidgets().size();
        // All in one small window, one over the other: the window's picture
        // (its backing store) is the same size whatever is measured.
        auto window = std::make_unique<QWidget>();
        window->resize(200, 40);
        for (int i = 0; i < kBoxes; ++i) {
            QWidget* box = make();
            box->setParent(window.get());
            box->setGeometry(10, 10, 150, 19);
        }
        window->show();
        ProcessPendingPaints();
        if (bytes) *bytes = double(HeapInUse() - heapBefore) / kBoxes;
        if (widgets) *widgets = double(QApplication::allWidgets().size() - widgetsBefore - 1) / kBoxes;
    };
    round(nullptr, nullptr);
    double bytes = 0, widgets = 0;
    for (auto _ : state) round(&bytes, &widgets);
    state.counters["bytes_per_box"] = bytes;
    state.counters["qwidgets_per_box"] = widgets;
}

void BM_WidgetCost_OrvoCheckBox(benchmark::State& state) {
    MeasureBoxes(state, [] { return new CheckBox("Send the report"); });
}
BENCHMARK(BM_WidgetCost_OrvoCheckBox)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_WidgetCost_EmbeddedHostWithForm(benchmark::State& state) {
    MeasureBoxes(state, [] {
        auto* host = new TEmbeddedHost;
        auto* box = new TOrvoCheckBox(host->Owner());
        box->SetCaption("Send the report");
        host->SetControl(box);
        return host;
    });
}
BENCHMARK(BM_WidgetCost_EmbeddedHostWithForm)->Unit(benchmark::kMillisecond)->Iterations(3);

// The library's check boxes alone, 100 on one form in one host: what the
// control itself costs, without a widget of its own around it.
void BM_WidgetCost_LibraryControlsOnOneForm(benchmark::State& state) {
    auto round = [&](double* bytes) {
        const std::size_t heapBefore = HeapInUse();
        auto host = std::make_unique<TEmbeddedHost>();
        host->resize(200, 40);
        auto* form = new TForm(host->Owner());
        for (int i = 0; i < kBoxes; ++i) {
            auto* box = new TOrvoCheckBox(form);
            box->SetParent(form);
            box->SetBounds(10, 10, 150, 19);
            box->SetCaption("Send the report");
        }
        host->SetForm(form);
        host->show();
        ProcessPendingPaints();
        if (bytes) *bytes = double(HeapInUse() - heapBefore) / kBoxes;
    };
    round(nullptr);
    double bytes = 0;
    for (auto _ : state) round(&bytes);
    state.counters["bytes_per_box"] = bytes;
}
BENCHMARK(BM_WidgetCost_LibraryControlsOnOneForm)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_WidgetCost_QCheckBox(benchmark::State& state) {
    MeasureBoxes(state, [] { return new QCheckBox("Send the report"); });
}
BENCHMARK(BM_WidgetCost_QCheckBox)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
