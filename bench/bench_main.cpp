// The one main of the benchmarks. Drawing needs the application object
// (fonts, images), so the benchmarks run on Qt's offscreen platform like the
// tests do.
#include <QApplication>

#include <cstdlib>

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
