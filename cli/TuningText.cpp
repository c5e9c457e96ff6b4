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
    const auto say = [language](const char* english, const char* chinese) {
        return UiText{english, chinese}.In(language);
    };
    std::string text =
        say("Channel ", "通道 ") + std::to_string(channel + 1) + " " +
        ChannelNameOfRecord(tuning, channel) + say(": ", "：") +
        OnLabel(out.on ? 1 : 0).In(language) + ", " + PolarityLabel(out.polarity).In(language) +
        ", " + ChannelGainLabel(out.gainCode) + say(", delay ", ", 延时 ") +
        DelayFieldText(out.delayCode, DelayUnit::Milliseconds) + "ms, " +
        say("EQ mode ", "均衡模式 ") + BandTypeLabel(0, out.geqMode).In(language) + "\n";
    text += say("  HPF ", "  低切 ") + CrossoverText(out.highPass, language) +
            say("; LPF ", "；高切 ") + CrossoverText(out.lowPass, language) + "\n";
    text += say("  Limiter ", "  限幅 ") + LimiterThresholdLabel(out.limiterThresholdCode) +
            say(", attack ", ", 响应时间 ") + LimiterAttackLabel(out.limiterAttackCode) +
            say(", release ", ", 释放时间 ") + LimiterReleaseLabel(out.limiterReleaseCode) + "\n";
    const RoutingShares& routing = out.routing;
    text += say("  Routing ", "  输入分配 ") + ShareLabel(routing.share1, routing.off1) + " " +
            ShareLabel(routing.share2, routing.off2) + " " +
            ShareLabel(routing.share3, routing.off3) + " " +
            ShareLabel(routing.share4, routing.off4) + "\n";
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
    return text + (bands.empty() ? say("  EQ flat\n", "  均衡平直\n") : bands);
}

}  // namespace

std::string TuningText(const TuningSnapshot& tuning, UiLanguage language) {
    const UiText yesNo = tuning.isProtected ? UiText{"yes", "是"} : UiText{"no", "否"};
    std::string text = UiText{"Name:      ", "名称：  "}.In(language) +
                       DecodeRecordText(tuning.liveName) + "\n" +
                       UiText{"Protected: ", "加密：  "}.In(language) + yesNo.In(language) + "\n" +
                       UiText{"Position:  ", "听音位置："}.In(language) +
                       ListeningPositionName(tuning.positions.current).In(language) + "\n";
    for (int channel = 0; channel < kOutputChannelCount; ++channel) {
        text += ChannelText(tuning, channel, language);
    }
    return text;
}

}  // namespace corva::cli
