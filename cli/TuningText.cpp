#include "TuningText.h"

#include "TuningJson.h"
#include "dsp/values/BandCodes.h"
#include "dsp/values/DelayCodes.h"
#include "dsp/values/ValueLabels.h"
#include "files/ModeFile.h"
#include "text/CodePage.h"

namespace corva::cli {
namespace {

std::string CrossoverText(const CrossoverView& filter, UiLanguage language) {
    return FrequencyLabel(filter.frequencyHz) + " " + CrossoverKindLabel(filter.kind).In(language) +
           " " + CrossoverSlopeLabel(filter.slope);
}

std::string ChannelText(const TuningSnapshot& tuning, int channel, UiLanguage language) {
    const OutputView& out = tuning.outputs[static_cast<std::size_t>(channel)];
    std::string text =
        "Channel " + std::to_string(channel + 1) + " " + ChannelNameOfRecord(tuning, channel) +
        ": " + OnLabel(out.on ? 1 : 0).In(language) + ", " +
        PolarityLabel(out.polarity).In(language) + ", " + ChannelGainLabel(out.gainCode) +
        ", delay " + DelayFieldText(out.delayCode, DelayUnit::Milliseconds) + "ms\n";
    text += "  HPF " + CrossoverText(out.highPass, language) + "; LPF " +
            CrossoverText(out.lowPass, language) + "\n";
    text += "  Limiter " + LimiterThresholdLabel(out.limiterThresholdCode) + ", attack " +
            LimiterAttackLabel(out.limiterAttackCode) + ", release " +
            LimiterReleaseLabel(out.limiterReleaseCode) + "\n";
    std::string bands;
    for (std::size_t j = 0; j < out.bands.size(); ++j) {
        const BandView& band = out.bands[j];
        if (band.bypassed) {
            continue;
        }
        bands += "  EQ" + std::to_string(j + 1) + " " +
                 BandCaption(band.type, out.geqMode, band.frequencyHz, band.bandwidthIndex,
                             band.gainDb, false, band.slope) +
                 "\n";
    }
    return text + (bands.empty() ? "  EQ flat\n" : bands);
}

}  // namespace

std::string TuningText(const TuningSnapshot& tuning, UiLanguage language) {
    std::string text = "Name:      " + DecodeRecordText(tuning.liveName) +
                       "\nProtected: " + (tuning.isProtected ? "yes" : "no") + "\nPosition:  " +
                       ListeningPositionName(tuning.positions.current).In(language) + "\n";
    for (int channel = 0; channel < kOutputChannelCount; ++channel) {
        text += ChannelText(tuning, channel, language);
    }
    return text;
}

}  // namespace corva::cli
