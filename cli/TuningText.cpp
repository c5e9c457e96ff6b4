#include "TuningText.h"

#include "TuningJson.h"
#include "dsp/values/BandCodes.h"
#include "dsp/values/DelayCodes.h"
#include "dsp/values/ValueLabels.h"
#include "files/ModeFile.h"
#include "text/CodePage.h"

namespace corva::cli {
namespace {

std::string CrossoverText(const ChannelFilter& filter, UiLanguage language) {
    return FrequencyLabel(filter.targetHz()) + " " +
           CrossoverKindLabel(filter.crossoverKind()).In(language) + " " +
           CrossoverSlopeLabel(filter.slope());
}

std::string ChannelText(TuningSession& session, int channel, UiLanguage language) {
    OutputChannel& out = session.engine().model.output(channel);
    std::string text = "Channel " + std::to_string(channel + 1) + " " +
                       ChannelNameOfRecord(session.engine().image, channel, session.engine().protection.isProtected) +
                       ": " + OnLabel(out.on()).In(language) + ", " +
                       PolarityLabel(out.polarity()).In(language) + ", " +
                       ChannelGainLabel(out.gainCode()) + ", delay " +
                       DelayFieldText(out.delayCode(), DelayUnit::Milliseconds) + "ms\n";
    text += "  HPF " + CrossoverText(out.eq().HighPass(), language) + "; LPF " +
            CrossoverText(out.eq().LowPass(), language) + "\n";
    text += "  Limiter " + LimiterThresholdLabel(out.limiterThresholdCode()) + ", attack " +
            LimiterAttackLabel(out.limiterAttackCode()) + ", release " +
            LimiterReleaseLabel(out.limiterReleaseCode()) + "\n";
    std::string bands;
    for (int j = 0; j < out.eq().BandCount(); ++j) {
        const ChannelFilter& band = out.eq().Band(j);
        if (band.ReportsBypass()) {
            continue;
        }
        bands += "  EQ" + std::to_string(j + 1) + " " +
                 BandCaption(static_cast<int>(band.type()), band.geqMode(), band.targetHz(),
                             band.BandwidthIndex(), band.gainDb(), false, band.slope()) +
                 "\n";
    }
    return text + (bands.empty() ? "  EQ flat\n" : bands);
}

}  // namespace

std::string TuningText(TuningSession& session, UiLanguage language) {
    std::lock_guard lock(session.engine().sendLock);
    const auto table = session.engine().image.ListeningPositions();
    const int current = CurrentPosition(table);
    std::string text = "Name:      " + Utf8FromField(session.engine().image.Live().first(kNameFieldSize)) +
                       "\nProtected: " + (session.engine().protection.isProtected ? "yes" : "no") +
                       "\nPosition:  " + ListeningPositionName(current).In(language) + "\n";
    for (int channel = 0; channel < kOutputChannelCount; ++channel) {
        text += ChannelText(session, channel, language);
    }
    return text;
}

}  // namespace corva::cli
