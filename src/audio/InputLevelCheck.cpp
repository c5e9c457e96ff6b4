#include "audio/InputLevelCheck.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace corva::audio {
namespace {

constexpr double kClipDbfs = -0.1;
constexpr double kQuietDbfs = -50.0;

}  // namespace

double PeakDbfs(const std::vector<double>& samples, std::size_t first, std::size_t last) {
    double peak = 0.0;
    for (std::size_t i = first; i < std::min(last, samples.size()); ++i) {
        peak = std::max(peak, std::abs(samples[i]));
    }
    return peak > 0.0 ? 20.0 * std::log10(peak) : -200.0;
}

InputLevelReport CheckInputLevel(const std::vector<double>& recorded) {
    InputLevelReport report;
    report.peakDbfs = PeakDbfs(recorded, 0, recorded.size());
    char value[32];
    std::snprintf(value, sizeof value, "%.1f", report.peakDbfs);
    if (report.peakDbfs >= kClipDbfs) {
        report.level = InputLevel::Clipped;
        report.message = Tr("Measuring",
                            "The microphone input clipped (peak %1 dBFS): lower the input gain "
                            "or the volume.")
                             .Arg(value);
    } else if (report.peakDbfs < kQuietDbfs) {
        report.level = InputLevel::TooQuiet;
        report.message = Tr("Measuring",
                            "The microphone signal is too quiet (peak %1 dBFS): raise the input "
                            "gain or the volume.")
                             .Arg(value);
    }
    return report;
}

}  // namespace corva::audio
