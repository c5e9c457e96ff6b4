// Cost of the response graph's redraws: one drag step (edit, snapshot, repaint into an image)
// with and without a linked partner, a repaint with nothing changed, and the snapshot alone;
// the whole page's refresh after a tuning file is loaded; and one step of a channel strip's
// gain fader on a linked pair, with the page refresh that the edit's change event brings.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>

#include "commands/TuningFiles.h"
#include "controls/VerticalFader.h"
#include "model/ChannelEditor.h"
#include "pages/ChannelStrip.h"
#include "pages/FullInterfacePage.h"
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
        editor.DragBandPoint(0, kDraggedBand, step % 2 == 0 ? 900 : 1100, step % 2 == 0 ? 6 : -6);
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

constexpr int kPageWidthPx = 1280;
constexpr int kPageHeightPx = 661;

// Two single preset files that differ in every band of every channel and in the links, so
// each load really changes what the page shows.
struct PageRefreshBench {
    PageRefreshBench()
        : page{session, [](const UiText&) { return true; }},
          image{kPageWidthPx, kPageHeightPx, QImage::Format_ARGB32_Premultiplied} {
        for (int variant = 0; variant < 2; ++variant) {
            TuningSession source;
            ChannelEditor editor{source};
            for (int c = 0; c < kOutputChannelCount; ++c) {
                for (int band = 0; band < output_block::kBandSlots; ++band) {
                    editor.SetBandGainDb(c, band, (variant == 0 ? 1.0 : -1.0) * ((band % 9) - 4));
                }
                editor.SetCrossoverFrequency(c, CrossoverFilter::HighPass,
                                             40.0 + 10 * c + 20 * variant);
            }
            if (variant == 1) {
                editor.LinkPair(0, LinkDirection::LeftToRight);
            }
            paths.at(static_cast<std::size_t>(variant)) =
                folder.filePath(QStringLiteral("tuning%1.qvms").arg(variant)).toStdString();
            if (!WriteLiveAsSingleFile(source, paths.at(static_cast<std::size_t>(variant))).ok()) {
                failed = true;
            }
        }
        page.resize(kPageWidthPx, kPageHeightPx);
        page.render(&image);  // lays the page out and builds the graph's cached layers
    }

    void LoadAndRefresh(std::int64_t step) {
        const auto load = LoadTuningFile(session, paths.at(static_cast<std::size_t>(step % 2)));
        failed = failed || !load.status.ok();
        page.RefreshAll();
        page.render(&image);
    }

    QTemporaryDir folder;
    TuningSession session;
    FullInterfacePage page;
    QImage image;
    std::array<std::string, 2> paths;
    bool failed = false;
};

// Load a tuning file, refresh every child of the page from one snapshot, paint the page.
void BM_PageFullRefreshAfterLoad(benchmark::State& state) {
    PageRefreshBench bench;
    std::int64_t step = 0;
    for (auto _ : state) {
        bench.LoadAndRefresh(step++);
        benchmark::DoNotOptimize(bench.image.constBits());
    }
    if (bench.failed) {
        state.SkipWithError("a tuning file could not be written or loaded");
    }
}
BENCHMARK(BM_PageFullRefreshAfterLoad)->Unit(benchmark::kMillisecond);

// The same without the file: the refresh and the paint alone.
void BM_PageRefreshAndPaint(benchmark::State& state) {
    PageRefreshBench bench;
    for (auto _ : state) {
        bench.page.RefreshAll();
        bench.page.render(&bench.image);
        benchmark::DoNotOptimize(bench.image.constBits());
    }
}
BENCHMARK(BM_PageRefreshAndPaint)->Unit(benchmark::kMillisecond);

// The fader's edit, the page's refresh of the two channels its change event names, and the
// page's paint.
void BM_StripGainFaderDragStep(benchmark::State& state) {
    PageRefreshBench bench;
    ChannelEditor(bench.session).LinkPair(0, LinkDirection::LeftToRight);
    bench.page.ShowLowerArea(LowerArea::ChannelStrips);
    bench.page.RefreshAll();
    controls::VerticalFader* fader = bench.page.strip(0).fader();
    std::int64_t step = 0;
    for (auto _ : state) {
        fader->setValue(step++ % 2 == 0 ? 450 : 470);
        bench.page.OnSessionChanged({SessionChange::Outputs, 0b11});
        bench.page.render(&bench.image);
        benchmark::DoNotOptimize(bench.image.constBits());
    }
}
BENCHMARK(BM_StripGainFaderDragStep)->Unit(benchmark::kMillisecond);

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
