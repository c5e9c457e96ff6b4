#include "SetCommand.h"

#include "ChannelArgument.h"
#include "CommandSupport.h"
#include "SetPairs.h"
#include "dsp/values/BandCodes.h"
#include "dsp/values/DelayCodes.h"
#include "dsp/values/NumberText.h"
#include "dsp/values/ValueLabels.h"
#include "text/CodePage.h"

namespace corva::cli {
namespace {

const char* KindName(int kind) {
    switch (kind) {
        case static_cast<int>(CrossoverKind::LinkwitzRiley):
            return "lr";
        case static_cast<int>(CrossoverKind::Butterworth):
            return "bw";
        case static_cast<int>(CrossoverKind::Bessel):
            return "bessel";
        default:
            return "?";
    }
}

std::string SlopeName(int slope) {
    return slope == kCrossoverSlopeOff ? std::string{"off"} : std::to_string((slope + 1) * 6);
}

void Apply(ChannelEditor& editor, int channel, const SetEdit& edit) {
    switch (edit.key) {
        case SetKey::Gain:
            editor.SetGainDb(channel, edit.number);
            break;
        case SetKey::Delay:
            editor.CommitDelay(channel, edit.value);
            break;
        case SetKey::Mute:
            editor.SetMuted(channel, MuteStateOf(edit.value != 0));
            break;
        case SetKey::Polarity:
            editor.SetPolarity(channel, ChoiceOfCode<Polarity>(edit.value));
            break;
        case SetKey::Name:
            // Checked while the pairs were read, so it fits.
            (void)editor.SetName(channel, edit.recordText);
            break;
        case SetKey::CrossoverFrequency:
            editor.SetCrossoverFrequency(channel, edit.filter, edit.number);
            break;
        case SetKey::CrossoverKind:
            editor.SetCrossoverKind(channel, edit.filter, ChoiceOfCode<CrossoverKind>(edit.value));
            break;
        case SetKey::CrossoverSlope:
            editor.SetCrossoverSlope(channel, edit.filter, ChoiceOfCode<CrossoverSlope>(edit.value),
                                     SixDbSlopeRule::ForcesLinkwitzRiley);
            break;
        case SetKey::BandFrequency:
            editor.SetBandFrequency(channel, edit.band, edit.number);
            break;
        case SetKey::BandGain:
            editor.SetBandGainDb(channel, edit.band, edit.number);
            break;
        case SetKey::BandQ:
            editor.SetBandQ(channel, edit.band, edit.number);
            break;
        case SetKey::BandBypass:
            editor.SetBandBypass(channel, edit.band, BandBypassOf(edit.value != 0));
            break;
        case SetKey::EqMode:
            editor.SetEqMode(channel, ChoiceOfCode<EqMode>(edit.value));
            break;
        case SetKey::LimiterThreshold:
            editor.SetLimiterThresholdDbu(channel, edit.number);
            break;
        case SetKey::LimiterAttack:
            editor.SetLimiterAttackMs(channel, edit.number);
            break;
        case SetKey::LimiterRelease:
            editor.SetLimiterRelease(channel, edit.value);
            break;
        case SetKey::RoutingShare:
            editor.SetRoutingShare(channel, edit.band, edit.number);
            break;
    }
}

std::string RoutingReadback(const RoutingShares& routing, int input) {
    switch (input) {
        case 1:
            return ShareLabel(routing.share1, routing.off1);
        case 2:
            return ShareLabel(routing.share2, routing.off2);
        case 3:
            return ShareLabel(routing.share3, routing.off3);
        default:
            return ShareLabel(routing.share4, routing.off4);
    }
}

// The value as it stands once every pair is applied, in the form the command line takes it.
std::string Readback(const OutputView& out, const SetEdit& edit) {
    const CrossoverView& crossover =
        edit.filter == CrossoverFilter::HighPass ? out.highPass : out.lowPass;
    const BandView& band =
        out.bands[static_cast<std::size_t>(edit.key == SetKey::RoutingShare ? 0 : edit.band)];
    switch (edit.key) {
        case SetKey::Gain:
            return detail::FixedText(out.gainDb, 1);
        case SetKey::Delay:
            return DelayFieldText(out.delayCode, DelayUnit::Milliseconds) + "ms";
        case SetKey::Mute:
            return out.on ? "off" : "on";
        case SetKey::Polarity:
            return out.polarity != 0 ? "inverted" : "normal";
        case SetKey::Name:
            return DecodeRecordText(out.name);
        case SetKey::CrossoverFrequency:
            return std::to_string(crossover.frequencyHz);
        case SetKey::CrossoverKind:
            return KindName(crossover.kind);
        case SetKey::CrossoverSlope:
            return SlopeName(crossover.slope);
        case SetKey::BandFrequency:
            return std::to_string(band.frequencyHz);
        case SetKey::BandGain:
            return detail::FixedText(band.gainDb, 1);
        case SetKey::BandQ:
            return QText(band.bandwidthIndex);
        case SetKey::BandBypass:
            return band.bypassed ? "on" : "off";
        case SetKey::EqMode:
            return out.geqMode ? "geq" : "peq";
        case SetKey::LimiterThreshold:
            return LimiterThresholdLabel(out.limiterThresholdCode);
        case SetKey::LimiterAttack:
            return LimiterAttackLabel(out.limiterAttackCode);
        case SetKey::LimiterRelease:
            return LimiterReleaseLabel(out.limiterReleaseCode);
        case SetKey::RoutingShare:
            return RoutingReadback(out.routing, edit.band);
    }
    return {};
}

}  // namespace

ExitCode RunSet(CliDevice& device, const CliOptions& options) {
    if (options.args.empty()) {
        return UsageError(device, Tr("CommandLine", "usage: set CHANNEL KEY=VALUE..."));
    }
    const auto channel = ParseChannel(options.args.front());
    if (!channel) {
        return ChannelUsageError(device, options.args.front());
    }
    const std::vector<std::string> pairs(options.args.begin() + 1, options.args.end());
    const SetParse parse = ParseSetPairs(*channel, pairs);
    if (!parse.ok) {
        return UsageError(device, parse.error, parse.detail);
    }
    return WithProcessor(device, [&] {
        // The pages are read-only while the tuning is protected.
        if (TuningProtected(device)) {
            device.PrintError(
                Tr("CommandLine", "The tuning is protected: unlock it before editing."));
            return kRefused;
        }
        ChannelEditor editor(device.session());
        for (const auto& edit : parse.edits) {
            Apply(editor, *channel, edit);
        }
        const TuningSnapshot applied = device.session().Snapshot();
        const OutputView& out = applied.outputs[static_cast<std::size_t>(*channel)];
        const std::string name = ChannelArgumentName(*channel);
        for (const auto& edit : parse.edits) {
            device.PrintWhenSent(name + " " + edit.keyText + "=" + Readback(out, edit));
        }
        return kDone;
    });
}

}  // namespace corva::cli
