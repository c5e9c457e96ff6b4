#include "sim/LiveChannelSound.h"

#include <cmath>
#include <numbers>

#include "core/ByteOrder.h"
#include "dsp/values/DelayCodes.h"
#include "model/TuningModel.h"

namespace corva::sim {
namespace {

constexpr int kChannelGainCodeZeroDb = 600;  // 0.1 dB steps from -60 dB
constexpr int kMainVolumeCodeZeroDb = 60;    // 1 dB steps from -60 dB; 0 is OFF

}  // namespace

std::complex<double> LiveChannelSound::At(double frequencyHz) const {
    if (silent()) {
        return {0.0, 0.0};
    }
    std::complex<double> h = gain * std::polar(1.0, -2.0 * std::numbers::pi * frequencyHz * delayS);
    for (const FilterTransfer& filter : filters) {
        h *= filter.At(frequencyHz);
    }
    return h;
}

std::array<LiveChannelSound, kOutputChannelCount> LiveSound(const ParameterImage& image) {
    ParameterImage copy = image;
    TuningModel model;
    model.LoadFromImage(copy, 0);
    const auto mainVolume = copy.MainVolume();
    const int volumeCode = ReadLe16(mainVolume, 0);
    const bool masterOn = mainVolume[kMainVolumeBulkByte] != 0;
    const double volume = volumeCode == 0 || !masterOn
                              ? 0.0
                              : std::pow(10.0, (volumeCode - kMainVolumeCodeZeroDb) / 20.0);
    std::array<LiveChannelSound, kOutputChannelCount> sound{};
    for (int c = 0; c < kOutputChannelCount; ++c) {
        const OutputChannel& channel = model.output(c);
        LiveChannelSound& out = sound[static_cast<std::size_t>(c)];
        const bool muted = channel.on() == 0 || channel.gainZero();
        out.gain =
            muted ? 0.0
                  : volume * std::pow(10.0, (channel.gainCode() - kChannelGainCodeZeroDb) / 200.0);
        if (channel.polarity() != 0) {
            out.gain = -out.gain;
        }
        out.delayS = DelayMilliseconds(channel.delayCode()) / 1000.0;
        for (const ChannelFilter& filter : channel.eq().filters()) {
            FilterTransfer transfer(filter.Shape());
            if (!transfer.flat()) {
                out.filters.push_back(transfer);
            }
        }
    }
    return sound;
}

}  // namespace corva::sim
