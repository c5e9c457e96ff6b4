// Cost of the response graph's redraws: one drag step (edit, snapshot, repaint into an image)
// with and without a linked partner, a repaint with nothing changed, and the snapshot alone.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>

#include "model/ChannelEditor.h"
#include "pages/ResponseGraph.h"

namespace corva::pages {
namespace {

constexpr int kWidthPx = 1280;
constexpr int kHeightPx = 330;
constexpr int kDraggedBand = 15;

// A graph at the page's size with a few raised bands, so the curves are not flat lines.
struct GraphBench {
    GraphBench()
        : graph{session},
          editor{session},
          image{kWidthPx, kHeightPx, QImage::Format_ARGB32_Premultiplied} {
        for (int c = 0; c < kOutputChannelCount; ++c) {
            editor.SetBandGainDb(c, 3 + c, 4.0 + c);
            editor.SetCrossoverFrequency(c, CrossoverFilter::HighPass, 40.0 + 10 * c);
        }
        graph.resize(kWidthPx, kHeightPx);
        graph.SetCurrentBand(kDraggedBand);
        graph.RefreshFromSession();
        graph.render(&image);  // builds the cached layers
    }

    // Alternates between two pointer positions so every step really changes the band.
    void DragStep(std::int64_t step) {
        const PlotSize plot = graph.plotSize();
        const PlotPoint pointer{FrequencyToX(step % 2 == 0 ? 900 : 1100, plot),
                                DbToY(step % 2 == 0 ? 6 : -6, plot)};
        editor.DragBandPoint(0, kDraggedBand, pointer, plot);
        graph.Refresh(session.Snapshot());
        graph.render(&image);
    }

    TuningSession session;
    ResponseGraph graph;
    ChannelEditor editor;
    QImage image;
};

void BM_GraphDragStep(benchmark::State& state) {
    GraphBench bench;
    std::int64_t step = 0;
    for (auto _ : state) {
        bench.DragStep(step++);
        benchmark::DoNotOptimize(bench.image.constBits());
    }
}
BENCHMARK(BM_GraphDragStep)->Unit(benchmark::kMicrosecond);

// The linked partner's curve is one of the faint ones, so its layer is redrawn every step.
void BM_GraphDragStepLinkedPair(benchmark::State& state) {
    GraphBench bench;
    bench.editor.LinkPair(0, LinkDirection::LeftToRight);
    std::int64_t step = 0;
    for (auto _ : state) {
        bench.DragStep(step++);
        benchmark::DoNotOptimize(bench.image.constBits());
    }
}
BENCHMARK(BM_GraphDragStepLinkedPair)->Unit(benchmark::kMicrosecond);

void BM_GraphRepaintUnchanged(benchmark::State& state) {
    GraphBench bench;
    for (auto _ : state) {
        bench.graph.render(&bench.image);
        benchmark::DoNotOptimize(bench.image.constBits());
    }
}
BENCHMARK(BM_GraphRepaintUnchanged)->Unit(benchmark::kMicrosecond);

void BM_SessionSnapshot(benchmark::State& state) {
    GraphBench bench;
    for (auto _ : state) {
        benchmark::DoNotOptimize(bench.session.Snapshot());
    }
}
BENCHMARK(BM_SessionSnapshot)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corva::pages

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
