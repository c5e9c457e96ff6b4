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
        report.message = {
            "The microphone input clipped (peak " + std::string(value) +
                " dBFS): lower the input gain or the volume.",
            "麦克风输入削波（峰值 " + std::string(value) + " dBFS）：请降低输入增益或音量。"};
    } else if (report.peakDbfs < kQuietDbfs) {
        report.level = InputLevel::TooQuiet;
        report.message = {
            "The microphone signal is too quiet (peak " + std::string(value) +
                " dBFS): raise the input gain or the volume.",
            "麦克风信号太弱（峰值 " + std::string(value) + " dBFS）：请提高输入增益或音量。"};
    }
    return report;
}

}  // namespace corva::audio
