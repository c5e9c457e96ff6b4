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
    std::string text = Tr("CommandLine", "Channel %1 %2: %3, %4, %5, delay %6ms, EQ mode %7")
                           .Arg(std::to_string(channel + 1))
                           .Arg(ChannelNameOfRecord(tuning, channel))
                           .Arg(OnLabel(out.on ? 1 : 0))
                           .Arg(PolarityLabel(out.polarity))
                           .Arg(ChannelGainLabel(out.gainCode))
                           .Arg(DelayFieldText(out.delayCode, DelayUnit::Milliseconds))
                           .Arg(BandTypeLabel(0, out.geqMode))
                           .In(language) +
                       "\n";
    text += Tr("CommandLine", "  HPF %1; LPF %2")
                .Arg(CrossoverText(out.highPass, language))
                .Arg(CrossoverText(out.lowPass, language))
                .In(language) +
            "\n";
    text += Tr("CommandLine", "  Limiter %1, attack %2, release %3")
                .Arg(LimiterThresholdLabel(out.limiterThresholdCode))
                .Arg(LimiterAttackLabel(out.limiterAttackCode))
                .Arg(LimiterReleaseLabel(out.limiterReleaseCode))
                .In(language) +
            "\n";
    const RoutingShares& routing = out.routing;
    text += Tr("CommandLine", "  Routing %1 %2 %3 %4")
                .Arg(ShareLabel(routing.share1, routing.off1))
                .Arg(ShareLabel(routing.share2, routing.off2))
                .Arg(ShareLabel(routing.share3, routing.off3))
                .Arg(ShareLabel(routing.share4, routing.off4))
                .In(language) +
            "\n";
    std::string bands;
    for (std::size_t j = 0; j < out.bands.size(); ++j) {
        const BandView& band = out.bands[j];
        if (band.bypassed) {
            continue;
        }
        bands += Tr("CommandLine", "  EQ%1 %2")
                     .Arg(std::to_string(j + 1))
                     .Arg(BandCaption(band.type, out.geqMode, band.frequencyHz, band.bandwidthIndex,
                                      band.gainDb, false, band.slope))
                     .In(language) +
                 "\n";
    }
    return text + (bands.empty() ? Tr("CommandLine", "  EQ flat").In(language) + "\n" : bands);
}

}  // namespace

std::string TuningText(const TuningSnapshot& tuning, UiLanguage language) {
    const UiText yesNo = tuning.isProtected ? Tr("CommandLine", "yes") : Tr("CommandLine", "no");
    std::string text = Tr("CommandLine", "Name:      ").In(language) +
                       DecodeRecordText(tuning.liveName) + "\n" +
                       Tr("CommandLine", "Protected: ").In(language) + yesNo.In(language) + "\n" +
                       Tr("CommandLine", "Position:  ").In(language) +
                       ListeningPositionName(tuning.positions.current).In(language) + "\n";
    for (int channel = 0; channel < kOutputChannelCount; ++channel) {
        text += ChannelText(tuning, channel, language);
    }
    return text;
}

}  // namespace corva::cli
