#include "model/ChannelEditor.h"

#include <algorithm>
#include <type_traits>

#include "core/ByteOrder.h"
#include "dsp/values/BandCodes.h"
#include "dsp/values/DelayCodes.h"
#include "dsp/values/EntryLimits.h"
#include "dsp/values/ValueLabels.h"
#include "protocol/FrameBuilder.h"

namespace corva {
namespace {

constexpr int kFirstSubChannel = 4;  // channels 5 and 6 share mute, polarity and delay
constexpr std::array<std::array<int, 2>, kPairCount> kPairs = {{{0, 1}, {2, 3}, {4, 5}}};

bool IsSubChannel(int channel) {
    return channel >= kFirstSubChannel;
}

UiText BypassAllQuestion() {
    return Tr("Edits", "Whether ByPass All EQ?");
}
UiText RestoreAllQuestion() {
    return Tr("Edits", "Whether Restore All EQ?");
}
UiText ResetAllQuestion() {
    return Tr("Edits", "Whether the reset All EQ?");
}

}  // namespace

ChannelEditor::ChannelEditor(TuningSession& session) : session_{session.engine()} {}

template <class Edit>
auto ChannelEditor::EditGroup(int channel, Edit edit) {
    std::uint8_t changed = 0;
    const auto locked = [&] {
        Lock lock(session_.sendLock);
        const UndoStepWhileLocked step(session_);
        changed = MaskOfGroup(channel);
        return edit();
    };
    if constexpr (std::is_void_v<decltype(edit())>) {
        locked();
        RaiseOutputs(changed);
    } else {
        auto result = locked();
        RaiseOutputs(changed);
        return result;
    }
}

void ChannelEditor::BeginGesture() {
    if (gestureOpen_) {
        return;
    }
    gestureOpen_ = true;
    Lock lock(session_.sendLock);
    session_.history.Begin(session_.model, session_.image);
}

void ChannelEditor::EndGesture() {
    if (!gestureOpen_) {
        return;
    }
    gestureOpen_ = false;
    {
        Lock lock(session_.sendLock);
        session_.history.End(session_.model, session_.image);
    }
    session_.events.Raise({SessionChange::History});
}

void ChannelEditor::RaiseOutputs(std::uint8_t channels) const {
    session_.events.Raise({SessionChange::Outputs, channels});
}

std::uint8_t ChannelEditor::MaskOfGroup(int channel) const {
    std::uint8_t mask = 0;
    for (const int c : GroupOf(channel)) {
        mask = static_cast<std::uint8_t>(mask | (1u << c));
    }
    return mask;
}

// ---- Linking helpers ----

std::vector<int> ChannelEditor::LinkedLocked(int channel) const {
    std::vector<int> linked;
    const auto groups = session_.image.LinkGroups();
    for (int other = 0; other < kOutputChannelCount; ++other) {
        if (other != channel &&
            groups[static_cast<std::size_t>(other)] == groups[static_cast<std::size_t>(channel)]) {
            linked.push_back(other);
        }
    }
    return linked;
}

std::vector<int> ChannelEditor::GroupOf(int channel) const {
    auto group = LinkedLocked(channel);
    group.insert(group.begin(), channel);
    return group;
}

bool ChannelEditor::IsLinked(int channel) const {
    Lock lock(session_.sendLock);
    return session_.image.LinkFlag(channel);
}

std::vector<int> ChannelEditor::LinkedChannels(int channel) const {
    Lock lock(session_.sendLock);
    return LinkedLocked(channel);
}

bool ChannelEditor::IsPairLinked(int pair) const {
    Lock lock(session_.sendLock);
    const auto groups = session_.image.LinkGroups();
    const auto [left, right] = kPairs.at(static_cast<std::size_t>(pair));
    return groups[static_cast<std::size_t>(left)] == groups[static_cast<std::size_t>(right)];
}

// ---- Equaliser bands ----

int ChannelEditor::SetBandFrequency(int channel, int band, double frequencyHz) {
    const int limitedHz = LimitedFrequencyHz(frequencyHz);
    return EditGroup(channel, [&] {
        for (const int c : GroupOf(channel)) {
            out(c).eq().Band(band).SetFrequency(limitedHz, EditOrigin::User);
        }
        return out(channel).eq().Band(band).targetHz();
    });
}

void ChannelEditor::SetBandGainPosition(int channel, int band, int gainCode) {
    EditGroup(channel, [&] {
        for (const int c : GroupOf(channel)) {
            out(c).eq().Band(band).SetGainPosition(gainCode);
        }
    });
}

double ChannelEditor::SetBandGainDb(int channel, int band, double gainDb) {
    SetBandGainPosition(channel, band, BandGainCodeForDb(gainDb));
    Lock lock(session_.sendLock);
    return out(channel).eq().Band(band).gainDb();
}

void ChannelEditor::SetBandBandwidthIndex(int channel, int band, int bandwidthIndex) {
    EditGroup(channel, [&] {
        for (const int c : GroupOf(channel)) {
            out(c).eq().Band(band).SetBandwidthIndex(bandwidthIndex);
        }
    });
}

FilterType ChannelEditor::SetBandShape(int channel, int band, FilterType type,
                                       ShelfSlope shelfSlope) {
    const auto shape = ChoiceOfCode<FilterType>(CodeOf(type));
    const int slope = CodeOf(ChoiceOfCode<ShelfSlope>(CodeOf(shelfSlope)));
    return EditGroup(channel, [&] {
        for (const int c : GroupOf(channel)) {
            ApplyBandShape(out(c).eq().Band(band), shape, slope);
        }
        return out(channel).eq().Band(band).type();
    });
}

double ChannelEditor::SetBandQ(int channel, int band, double q) {
    SetBandBandwidthIndex(channel, band, BandwidthIndexForQ(q));
    Lock lock(session_.sendLock);
    return QOfBandwidthIndex(out(channel).eq().Band(band).BandwidthIndex());
}

bool ChannelEditor::ToggleBandBypass(int channel, int band) {
    return EditGroup(channel, [&] {
        const bool bypass = !out(channel).eq().Band(band).ReportsBypass();
        for (const int c : GroupOf(channel)) {
            out(c).eq().Band(band).SetBypass(bypass);
        }
        return out(channel).AllBypassed();
    });
}

BandBypass ChannelEditor::SetBandBypass(int channel, int band, BandBypass bypass) {
    bool bypassed = false;
    {
        Lock lock(session_.sendLock);
        bypassed = out(channel).eq().Band(band).ReportsBypass();
    }
    // The panel's switch toggles; a band at 0 dB stays bypassed whatever is asked.
    if (bypassed != (bypass == BandBypass::Bypassed)) {
        ToggleBandBypass(channel, band);
    }
    Lock lock(session_.sendLock);
    return BandBypassOf(out(channel).eq().Band(band).ReportsBypass());
}

OnOff ChannelEditor::SetBypassAll(int channel, OnOff bypassAll, const ConfirmQuestion& confirm) {
    const bool on = bypassAll == OnOff::On;
    {
        Lock lock(session_.sendLock);
        // One undo step from before the switch moves until the answer is applied.
        session_.history.Begin(session_.model, session_.image);
        out(channel).SetAllBypass(on);
        if (!on && out(channel).AllBypassed()) {
            session_.history.End(session_.model, session_.image);
            return OnOff::On;  // every band is bypassed on its own: the switch stays on
        }
    }
    // The question is asked without the lock so the transfer worker keeps running.
    const bool confirmed = confirm(on ? BypassAllQuestion() : RestoreAllQuestion());
    const bool switched = EditGroup(channel, [&] {
        if (!confirmed) {
            out(channel).SetAllBypass(!on);
            return !on;
        }
        const auto group = GroupOf(channel);
        for (const int c : group) {
            if (c != channel) {
                out(c).SetAllBypass(on);
            }
        }
        if (session_.connected) {
            for (const int c : group) {
                SendChannelBlockMutedLocked(c);
            }
            SendChannelBlockMutedLocked(channel);
        }
        return on;
    });
    Lock lock(session_.sendLock);
    session_.history.End(session_.model, session_.image);
    return OnOffOf(switched);
}

bool ChannelEditor::ResetAllEq(int channel, const ConfirmQuestion& confirm) {
    if (!confirm(ResetAllQuestion())) {
        return false;
    }
    EditGroup(channel, [&] {
        const auto previous = session_.image.MainVolume()[kMainVolumeBulkByte];
        HoldMainVolume();
        const auto frequencies = DefaultBandFrequencies();
        for (const int c : GroupOf(channel)) {
            auto& eq = out(c).eq();
            for (int j = 0; j < eq.BandCount(); ++j) {
                eq.Band(j).ResetBand(frequencies[static_cast<std::size_t>(j)]);
            }
            QueueOutputBlock(c);
        }
        ReleaseMainVolume(previous);
    });
    return true;
}

void ChannelEditor::ApplyEqualizer(int channel, const EqualizerSettings& settings) {
    EditGroup(channel, [&] {
        for (const int c : GroupOf(channel)) {
            auto& eq = out(c).eq();
            for (int j = 0; j < eq.BandCount(); ++j) {
                ApplyBandSetting(eq.Band(j), settings.bands[static_cast<std::size_t>(j)]);
            }
            if (settings.highPass) {
                ApplyCrossoverSetting(eq.HighPass(), *settings.highPass);
            }
            if (settings.lowPass) {
                ApplyCrossoverSetting(eq.LowPass(), *settings.lowPass);
            }
        }
    });
}

// A peaking band has no slope: its stored slope byte stays as it is. An unchanged shape costs
// no frame.
void ChannelEditor::ApplyBandShape(ChannelFilter& band, FilterType type, int shelfSlopeCode) {
    const bool shelf = type != FilterType::Peaking;
    if (band.type() != type || (shelf && band.slope() != shelfSlopeCode)) {
        band.SetBandShape(type, shelf ? shelfSlopeCode : band.slope());
    }
}

// Only values that differ are touched, so unchanged bands cost no frames.
void ChannelEditor::ApplyBandSetting(ChannelFilter& band, const BandSetting& setting) {
    ApplyBandShape(band, setting.type, setting.slope);
    const int frequencyHz = LimitedFrequencyHz(setting.frequencyHz);
    if (band.targetHz() != frequencyHz) {
        band.SetFrequency(frequencyHz, EditOrigin::User);
    }
    const int bandwidthIndex = std::clamp(setting.bandwidthIndex, 0, kBandwidthIndexMax);
    if (band.BandwidthIndex() != bandwidthIndex) {
        band.SetBandwidthIndex(bandwidthIndex);
    }
    const int gainCode = std::clamp(setting.gainCode, 0, kBandGainCodeMax);
    if (BandGainCode(band.gainDb()) != gainCode ||
        band.ReportsBypass() != (gainCode == kBandGainCodeFlat)) {
        band.SetGainPosition(gainCode);
    }
}

void ChannelEditor::ApplyCrossoverSetting(ChannelFilter& filter, const CrossoverSetting& setting) {
    const int frequencyHz = LimitedFrequencyHz(setting.frequencyHz);
    if (!session_.model.synchronised()) {
        // Nothing steps a crossover towards its target without a processor, and records carry
        // the frequency told so far: without one (a preset file) the value is taken at once.
        filter.LoadCrossover(frequencyHz, setting.kind, setting.slope);
        return;
    }
    if (filter.targetHz() != frequencyHz) {
        filter.SetFrequency(frequencyHz, EditOrigin::User);
    }
    if (filter.crossoverKind() != setting.kind) {
        filter.SetCrossoverKind(setting.kind);
    }
    if (filter.slope() != setting.slope) {
        filter.SetSlope(setting.slope);
    }
}

void ChannelEditor::CopyBandToLinked(int channel, int band) {
    const auto& source = out(channel).eq().Band(band);
    for (const int c : LinkedLocked(channel)) {
        auto& target = out(c).eq().Band(band);
        target.SetFrequency(source.targetHz(), EditOrigin::User);
        target.SetBandwidthIndex(source.BandwidthIndex());
        target.SetGainPosition(BandGainCode(source.gainDb()));
    }
}

// ---- Dragging ----

void ChannelEditor::DragBandPoint(int channel, int band, int pointerHz, double pointerDb) {
    EditGroup(channel, [&] { DragBandPointLocked(channel, band, pointerHz, pointerDb); });
}

void ChannelEditor::DragBandPointLocked(int channel, int band, int pointerHz, double pointerDb) {
    auto& filter = out(channel).eq().Band(band);
    const auto drag = corva::DragBandPoint(filter.type(), filter.geqMode(), filter.targetHz(),
                                           pointerHz, pointerDb);
    const int gainCode = BandGainCode(drag.gainDb);
    if (drag.frequencyHz != filter.targetHz() || gainCode != BandGainCode(filter.gainDb())) {
        filter.SetFrequency(drag.frequencyHz, EditOrigin::User);
    }
    filter.SetGainPosition(gainCode);
    CopyBandToLinked(channel, band);
}

void ChannelEditor::DragBandwidth(int channel, int band, BandwidthHandle handle, int pointerHz) {
    EditGroup(channel, [&] { DragBandwidthLocked(channel, band, handle, pointerHz); });
}

void ChannelEditor::DragBandwidthLocked(int channel, int band, BandwidthHandle handle,
                                        int pointerHz) {
    auto& filter = out(channel).eq().Band(band);
    const double centreHz =
        GridFrequencies()[static_cast<std::size_t>(NearestGridIndex(filter.targetHz()))];
    const double octaves = corva::DragBandwidth(static_cast<int>(centreHz), handle, pointerHz);
    filter.SetBandwidthIndex(BandwidthIndex(octaves));
    CopyBandToLinked(channel, band);
}

void ChannelEditor::DragCrossover(int channel, CrossoverFilter which, int pointerHz) {
    EditGroup(channel, [&] {
        const int frequencyHz = corva::DragCrossover(Crossover(channel, which).type(), pointerHz,
                                                     out(channel).eq().HighPass().targetHz(),
                                                     out(channel).eq().LowPass().targetHz());
        for (const int c : GroupOf(channel)) {
            Crossover(c, which).SetFrequency(frequencyHz, EditOrigin::User);
        }
    });
}

// ---- Crossovers ----

ChannelFilter& ChannelEditor::Crossover(int channel, CrossoverFilter filter) {
    auto& eq = out(channel).eq();
    return filter == CrossoverFilter::HighPass ? eq.HighPass() : eq.LowPass();
}

int ChannelEditor::SetCrossoverFrequency(int channel, CrossoverFilter which, double typedHz) {
    int frequencyHz = LimitedFrequencyHz(typedHz);
    return EditGroup(channel, [&] {
        auto& filter = Crossover(channel, which);
        if (frequencyHz == filter.targetHz()) {
            return frequencyHz;
        }
        if (which == CrossoverFilter::HighPass) {
            frequencyHz = std::min(frequencyHz, out(channel).eq().LowPass().targetHz());
        } else {
            frequencyHz = std::max(frequencyHz, out(channel).eq().HighPass().targetHz());
        }
        for (const int c : GroupOf(channel)) {
            Crossover(c, which).SetFrequency(frequencyHz, EditOrigin::User);
        }
        return frequencyHz;
    });
}

CrossoverKind ChannelEditor::SetCrossoverKind(int channel, CrossoverFilter which,
                                              CrossoverKind kind) {
    const int code = CodeOf(kind);
    return EditGroup(channel, [&] {
        if (code != Crossover(channel, which).crossoverKind()) {
            for (const int c : GroupOf(channel)) {
                Crossover(c, which).SetCrossoverKind(code);
            }
        }
        return ChoiceOfCode<CrossoverKind>(Crossover(channel, which).crossoverKind());
    });
}

CrossoverSlope ChannelEditor::SetCrossoverSlope(int channel, CrossoverFilter which,
                                                CrossoverSlope slope, SixDbSlopeRule rule) {
    const int code = CodeOf(slope);
    return EditGroup(channel, [&] {
        if (code == Crossover(channel, which).slope()) {
            return slope;
        }
        const bool forceLinkwitzRiley =
            slope == CrossoverSlope::Db6PerOctave && rule == SixDbSlopeRule::ForcesLinkwitzRiley;
        const int linkwitzRiley = CodeOf(CrossoverKind::LinkwitzRiley);
        for (const int c : GroupOf(channel)) {
            auto& filter = Crossover(c, which);
            filter.SetSlope(code);
            if (forceLinkwitzRiley && filter.crossoverKind() != linkwitzRiley) {
                filter.SetCrossoverKind(linkwitzRiley);
            }
        }
        return ChoiceOfCode<CrossoverSlope>(Crossover(channel, which).slope());
    });
}

// ---- Channel strip ----

void ChannelEditor::SetGain(int channel, int gainCode) {
    EditGroup(channel, [&] {
        const int difference = gainCode - out(channel).gainCode();
        for (const int c : GroupOf(channel)) {
            auto& strip = out(c);
            strip.SetGain(c == channel ? gainCode
                                       : ShiftedChannelGainCode(strip.gainCode(), difference));
            if (strip.on() == CodeOf(OnOff::Off)) {
                strip.SetOn(CodeOf(OnOff::On));
            }
        }
    });
}

double ChannelEditor::SetGainDb(int channel, double gainDb) {
    SetGain(channel, ChannelGainCodeForDb(gainDb));
    Lock lock(session_.sendLock);
    return ChannelGainDb(out(channel).gainCode());
}

void ChannelEditor::SetOn(int channel, OnOff choice) {
    const int on = CodeOf(choice);
    EditGroup(channel, [&] {
        out(channel).SetOn(on);
        if (IsSubChannel(channel)) {
            for (const int c : LinkedLocked(channel)) {
                if (IsSubChannel(c)) {
                    out(c).SetOn(on);
                }
            }
        }
    });
}

MuteState ChannelEditor::SetMuted(int channel, MuteState mute) {
    SetOn(channel, mute == MuteState::Muted ? OnOff::Off : OnOff::On);
    Lock lock(session_.sendLock);
    return MuteStateOf(out(channel).on() == CodeOf(OnOff::Off));
}

void ChannelEditor::SetPolarity(int channel, Polarity choice) {
    const int polarity = CodeOf(choice);
    EditGroup(channel, [&] {
        out(channel).SetPolarity(polarity);
        if (IsSubChannel(channel)) {
            for (const int c : LinkedLocked(channel)) {
                if (IsSubChannel(c)) {
                    out(c).SetPolarity(polarity);
                }
            }
        }
    });
}

int ChannelEditor::CommitDelay(int channel, int delayCode) {
    return EditGroup(channel, [&] {
        const int old = out(channel).delayCode();
        if (delayCode == old) {
            return old;
        }
        out(channel).SetDelay(delayCode);
        if (IsSubChannel(channel)) {
            for (const int c : LinkedLocked(channel)) {
                if (IsSubChannel(c)) {
                    out(c).SetDelay(ShiftedDelayCode(out(c).delayCode(), delayCode - old));
                }
            }
        }
        return out(channel).delayCode();
    });
}

void ChannelEditor::CommitDelays(
    const std::array<std::optional<int>, kOutputChannelCount>& delayCodes) {
    std::uint8_t changed = 0;
    {
        Lock lock(session_.sendLock);
        const UndoStepWhileLocked step(session_);  // all six delays are one step
        for (int channel = 0; channel < kOutputChannelCount; ++channel) {
            const auto& code = delayCodes[static_cast<std::size_t>(channel)];
            if (!code) {
                continue;
            }
            const int old = out(channel).delayCode();
            const int wanted = std::clamp(*code, 0, kDelayCodeMax);
            if (wanted == old) {
                continue;
            }
            out(channel).SetDelay(wanted);
            changed = static_cast<std::uint8_t>(changed | (1u << channel));
            if (!IsSubChannel(channel)) {
                continue;
            }
            for (const int c : LinkedLocked(channel)) {
                if (IsSubChannel(c) && !delayCodes[static_cast<std::size_t>(c)]) {
                    out(c).SetDelay(ShiftedDelayCode(out(c).delayCode(), wanted - old));
                    changed = static_cast<std::uint8_t>(changed | (1u << c));
                }
            }
        }
    }
    if (changed != 0) {
        RaiseOutputs(changed);
    }
}

int ChannelEditor::CommitDelayText(int channel, std::string_view text, DelayUnit unit) {
    return CommitDelay(channel, DelayCodeFromText(text, unit));
}

Status ChannelEditor::SetName(int channel, std::string_view recordText) {
    return EditGroup(channel, [&] { return out(channel).SetName(recordText); });
}

EqMode ChannelEditor::SetEqMode(int channel, EqMode mode) {
    const int code = CodeOf(mode);
    return EditGroup(channel, [&] {
        for (const int c : GroupOf(channel)) {
            out(c).SetEqMode(code);
        }
        return ChoiceOfCode<EqMode>(out(channel).eqMode());
    });
}

// ---- Limiter and routing ----

int ChannelEditor::SetLimiterThresholdDbu(int channel, double thresholdDbu) {
    const int code = LimiterThresholdCodeForDbu(thresholdDbu);
    {
        Lock lock(session_.sendLock);
        const UndoStepWhileLocked step(session_);
        out(channel).SetLimiterThreshold(code);
    }
    RaiseOutputs(static_cast<std::uint8_t>(1u << channel));
    return code;
}

int ChannelEditor::SetLimiterAttackMs(int channel, double attackMs) {
    const int code = LimiterAttackCodeForMs(attackMs);
    {
        Lock lock(session_.sendLock);
        const UndoStepWhileLocked step(session_);
        out(channel).SetLimiterAttack(code);
    }
    RaiseOutputs(static_cast<std::uint8_t>(1u << channel));
    return code;
}

int ChannelEditor::SetLimiterRelease(int channel, int releaseCode) {
    const int code = std::clamp(releaseCode, 0, kHighestLimiterReleaseCode);
    {
        Lock lock(session_.sendLock);
        const UndoStepWhileLocked step(session_);
        out(channel).SetLimiterRelease(code);
    }
    RaiseOutputs(static_cast<std::uint8_t>(1u << channel));
    return code;
}

int ChannelEditor::SetRoutingShare(int channel, int input, double percent) {
    const int share = RoutingShareForPercent(percent);
    const int limitedInput = std::clamp(input, 1, kRoutingInputs);
    {
        Lock lock(session_.sendLock);
        const UndoStepWhileLocked step(session_);
        out(channel).SetRoutingShare(limitedInput, share);
        const auto block = session_.image.Block(0, BlockType::Output, channel);
        block[static_cast<std::size_t>(output_block::kRoutingSlot) * kSlotSize +
              static_cast<std::size_t>(limitedInput - 1)] = static_cast<std::uint8_t>(share);
    }
    RaiseOutputs(static_cast<std::uint8_t>(1u << channel));
    return share;
}

// ---- Main volume ----

int ChannelEditor::SetMainVolume(int volumeCode) {
    {
        Lock lock(session_.sendLock);
        const UndoStepWhileLocked step(session_);
        auto volume = session_.image.MainVolume();
        volumeCode = std::clamp(volumeCode, 0, kMainVolumeCodeMax);
        if (volumeCode == ReadLe16(volume, 0)) {
            return volumeCode;
        }
        WriteLe16(volume, 0, volumeCode);
        volume[kMainVolumeBulkByte] = 1;
        QueueMainVolume();
    }
    session_.events.Raise({SessionChange::MainVolume});
    return volumeCode;
}

int ChannelEditor::SetMainVolumeDb(std::optional<double> volumeDb) {
    return SetMainVolume(MainVolumeCodeForDb(volumeDb));
}

void ChannelEditor::SetMasterOn(OnOff on) {
    {
        Lock lock(session_.sendLock);
        const UndoStepWhileLocked step(session_);
        session_.image.MainVolume()[kMainVolumeBulkByte] = static_cast<std::uint8_t>(CodeOf(on));
        QueueMainVolume();
    }
    session_.events.Raise({SessionChange::MainVolume});
}

void ChannelEditor::QueueMainVolume() {
    if (session_.connected) {
        session_.queue.push(FrameBuilder(session_.image, session_.protection)
                                .BuildSystemFrame(system_id::kMainVolume));
    }
}

// ---- Linking ----

void ChannelEditor::TogglePairLink(
    int pair, const std::function<std::optional<LinkDirection>()>& chooseDirection) {
    if (IsPairLinked(pair)) {
        UnlinkPair(pair);
        return;
    }
    if (const auto direction = chooseDirection()) {
        LinkPair(pair, *direction);
    }
}

void ChannelEditor::LinkPair(int pair, LinkDirection direction) {
    const auto [left, right] = kPairs.at(static_cast<std::size_t>(pair));
    {
        Lock lock(session_.sendLock);
        const UndoStepWhileLocked step(session_);
        const int source = direction == LinkDirection::LeftToRight ? left : right;
        const int target = source == left ? right : left;
        const auto previous = session_.image.MainVolume()[kMainVolumeBulkByte];
        HoldMainVolume();
        session_.image.LinkGroups()[static_cast<std::size_t>(target)] = source;
        CopyChannelLocked(source, target);
        ReleaseMainVolume(previous);
    }
    RaiseOutputs(static_cast<std::uint8_t>((1u << left) | (1u << right)));
}

void ChannelEditor::UnlinkPair(int pair) {
    const auto [left, right] = kPairs.at(static_cast<std::size_t>(pair));
    {
        Lock lock(session_.sendLock);
        const UndoStepWhileLocked step(session_);
        auto groups = session_.image.LinkGroups();
        groups[static_cast<std::size_t>(left)] = left;
        groups[static_cast<std::size_t>(right)] = right;
    }
    RaiseOutputs(static_cast<std::uint8_t>((1u << left) | (1u << right)));
}

void ChannelEditor::UnlinkAll() {
    {
        Lock lock(session_.sendLock);
        const UndoStepWhileLocked step(session_);
        auto groups = session_.image.LinkGroups();
        for (int c = 0; c < kOutputChannelCount; ++c) {
            groups[static_cast<std::size_t>(c)] = c;
        }
    }
    RaiseOutputs(kAllOutputChannels);
}

void ChannelEditor::CopyChannel(int source, int target) {
    {
        Lock lock(session_.sendLock);
        const UndoStepWhileLocked step(session_);
        CopyChannelLocked(source, target);
    }
    RaiseOutputs(static_cast<std::uint8_t>(1u << target));
}

void ChannelEditor::CopyChannelLocked(int source, int target) {
    out(target).CopyFrom(out(source));
    QueueOutputBlock(target);
}

// ---- Block transfers ----

void ChannelEditor::QueueOutputBlock(int channel) {
    if (!session_.connected) {
        return;
    }
    auto block = session_.image.Block(0, BlockType::Output, channel);
    out(channel).WriteAllToBlock(block, OutputChannel::NameSlot::Keep);
    session_.queue.push(FrameBuilder(session_.image, session_.protection)
                            .BuildBlockFrame(0, BlockType::Output, channel, BlockSource::Live));
}

void ChannelEditor::SendChannelBlockMuted(int channel) {
    Lock lock(session_.sendLock);
    SendChannelBlockMutedLocked(channel);
}

void ChannelEditor::SendChannelBlockMutedLocked(int channel) {
    if (!session_.connected) {
        return;
    }
    auto& strip = out(channel);
    auto block = session_.image.Block(0, BlockType::Output, channel);
    const FrameBuilder builder(session_.image, session_.protection);
    const auto queueStrip = [&] {
        strip.WriteStripSlot(block);
        session_.queue.push(
            builder.BuildSlotFrame(BlockType::Output, channel, output_block::kStripSlot));
        strip.pending().strip = false;  // already queued: the scan must not send it again
    };
    const int on = strip.on();
    strip.SetOn(0);
    queueStrip();
    QueueOutputBlock(channel);
    strip.SetOn(on);
    queueStrip();
}

void ChannelEditor::HoldMainVolume() {
    session_.image.MainVolume()[kMainVolumeBulkByte] = 0;
    QueueMainVolume();
}

void ChannelEditor::ReleaseMainVolume(std::uint8_t previous) {
    session_.image.MainVolume()[kMainVolumeBulkByte] = previous;
    QueueMainVolume();
}

}  // namespace corva
