#include "model/OutputChannel.h"

#include <array>

#include "core/ByteOrder.h"
#include "protocol/ImageLayout.h"
#include "protocol/TextField.h"

namespace corva {
namespace {

constexpr std::array<OutputChannelDefaults, kOutputChannelCount> kOutputDefaults = {{
    {"FL", 20000, 9},
    {"FR", 20000, 8},
    {"SL", 20000, 7},
    {"SR", 20000, 9},
    {"ULF", 500, 7},
    {"Center", 500, 8},
}};

static_assert(kDefaultBandCount == output_block::kBandSlots);

constexpr std::size_t SlotAt(int slot) {
    return kSlotSize * static_cast<std::size_t>(slot);
}

std::span<std::uint8_t> SlotOf(std::span<std::uint8_t> block, int slot) {
    return block.subspan(SlotAt(slot), kSlotSize);
}
std::span<const std::uint8_t> SlotOf(std::span<const std::uint8_t> block, int slot) {
    return block.subspan(SlotAt(slot), kSlotSize);
}

}  // namespace

const OutputChannelDefaults& DefaultsOfOutput(int channel) {
    return kOutputDefaults.at(static_cast<std::size_t>(channel));
}

OutputChannel::OutputChannel(const bool& synchronised, int channel)
    : synchronised_{&synchronised},
      channel_{channel},
      eq_{synchronised, DefaultBandFrequencies(), DefaultsOfOutput(channel).lowPassHz} {
    settings_.name = DefaultsOfOutput(channel).name;
    eq_.HighPass().SetFilterRole(DefaultsOfOutput(channel).filterRole);
    eq_.LowPass().SetFilterRole(DefaultsOfOutput(channel).filterRole);
    SetChannelIndex(channel);
}

void OutputChannel::SetOn(int on) {
    settings_.on = on;
    MarkStrip();
}

void OutputChannel::SetPolarity(int polarity) {
    settings_.polarity = polarity;
    MarkStrip();
}

void OutputChannel::SetGain(int gainCode) {
    settings_.gainCode = gainCode;
    gainZero_ = gainCode == 0;
    MarkStrip();
}

void OutputChannel::SetDelay(int delayCode) {
    settings_.delayCode = delayCode;
    MarkStrip();
}

Status OutputChannel::SetName(std::string_view recordText) {
    if (recordText.size() + NameIndent() >= kChannelNameSize) {
        return Status::Fail(TextLengthError());
    }
    settings_.name = recordText;
    pending_.name = *synchronised_;
    return Status::Ok();
}

void OutputChannel::SetChannelIndex(int channel) {
    channel_ = channel;
    settings_.routing.SetChannelIndex(channel);
}

void OutputChannel::SetEqMode(int eqMode) {
    settings_.eqMode = eqMode;
    CopyEqModeToBands();
    MarkStrip();
}

void OutputChannel::CopyEqModeToBands() {
    for (auto& filter : eq_.filters()) {
        if (filter.isBand()) {
            filter.SetEqMode(settings_.eqMode != 0);
        }
    }
}

void OutputChannel::SetLimiterThreshold(int thresholdCode) {
    settings_.limiterThreshold = thresholdCode;
    pending_.limiter = *synchronised_;
}

void OutputChannel::SetLimiterAttack(int attackCode) {
    settings_.limiterAttack = attackCode;
    pending_.limiter = *synchronised_;
}

void OutputChannel::SetLimiterRelease(int releaseCode) {
    settings_.limiterRelease = releaseCode;
    pending_.limiter = *synchronised_;
}

void OutputChannel::SetRoutingShare(int input, int share) {
    if (settings_.routing.SetShare(input, share)) {
        pending_.routing = *synchronised_;
    }
}

bool OutputChannel::AllBypassed() {
    allBypassed_ = true;
    for (int j = 0; j < eq_.BandCount(); ++j) {
        allBypassed_ = allBypassed_ && eq_.Band(j).ReportsBypass();
    }
    return allBypassed_;
}

void OutputChannel::SetAllBypass(bool on) {
    for (int j = 0; j < eq_.BandCount(); ++j) {
        eq_.Band(j).SetAllBypass(on);
    }
}

void OutputChannel::LoadFromBlock(std::span<const std::uint8_t> block) {
    if (block.size() < record::kOutputBlockSize) {
        return;
    }
    eq_.LoadBands(block.first(SlotAt(output_block::kBandSlots)));

    std::array<std::uint8_t, kChannelNameSize> nameBytes{};
    const auto nameSlot = SlotOf(block, output_block::kNameSlot);
    std::copy(nameSlot.begin(), nameSlot.end(), nameBytes.begin());
    nameBytes[kChannelNameSize - 1] = ' ';
    settings_.name = TextFromField(nameBytes);

    const auto crossover = SlotOf(block, output_block::kCrossoverSlot);
    eq_.HighPass().LoadCrossover(ReadLe16Signed(crossover, 0), crossover[2], crossover[3]);
    eq_.LowPass().LoadCrossover(ReadLe16Signed(crossover, 4), crossover[6], crossover[7]);

    settings_.routing.Load(SlotOf(block, output_block::kRoutingSlot));

    const auto strip = SlotOf(block, output_block::kStripSlot);
    settings_.on = strip[0];
    settings_.polarity = strip[1];
    settings_.delayCode = ReadLe16Signed(strip, 4);
    settings_.gainCode = ReadLe16Signed(strip, 2);
    gainZero_ = settings_.gainCode == 0;
    settings_.eqMode = strip[6];
    CopyEqModeToBands();
    settings_.levelB = strip[7];

    const auto limiter = SlotOf(block, output_block::kLimiterSlot);
    settings_.limiterThreshold = ReadLe16Signed(limiter, 0);
    settings_.limiterAttack = limiter[2];
    settings_.limiterRelease = limiter[3];
}

void OutputChannel::WriteBandSlot(std::span<std::uint8_t> block, int band) const {
    const auto record = eq_.MakeRecord(band);
    std::copy(record.begin(), record.end(),
              block.begin() + static_cast<std::ptrdiff_t>(SlotAt(band)));
}

void OutputChannel::WriteStripSlot(std::span<std::uint8_t> block) const {
    auto strip = SlotOf(block, output_block::kStripSlot);
    strip[0] = static_cast<std::uint8_t>(settings_.on);
    strip[1] = static_cast<std::uint8_t>(settings_.polarity);
    WriteLe16(strip, 2, gainZero_ ? 0 : settings_.gainCode);
    WriteLe16(strip, 4, settings_.delayCode);
    strip[6] = static_cast<std::uint8_t>(settings_.eqMode);
    strip[7] = static_cast<std::uint8_t>(settings_.levelB);
}

void OutputChannel::WriteCrossoverSlot(std::span<std::uint8_t> block) const {
    auto slot = SlotOf(block, output_block::kCrossoverSlot);
    const auto& highPass = eq_.HighPass();
    const auto& lowPass = eq_.LowPass();
    WriteLe16(slot, 0, highPass.transmittedHz());
    slot[2] = static_cast<std::uint8_t>(highPass.crossoverKind());
    slot[3] = static_cast<std::uint8_t>(highPass.slope());
    WriteLe16(slot, 4, lowPass.transmittedHz());
    slot[6] = static_cast<std::uint8_t>(lowPass.crossoverKind());
    slot[7] = static_cast<std::uint8_t>(lowPass.slope());
}

void OutputChannel::WriteRoutingSlot(std::span<std::uint8_t> block) const {
    settings_.routing.Write(SlotOf(block, output_block::kRoutingSlot));
}

void OutputChannel::WriteLimiterSlot(std::span<std::uint8_t> block) const {
    auto slot = SlotOf(block, output_block::kLimiterSlot);
    WriteLe16(slot, 0, settings_.limiterThreshold);
    slot[2] = static_cast<std::uint8_t>(settings_.limiterAttack);
    slot[3] = static_cast<std::uint8_t>(settings_.limiterRelease);
}

std::size_t OutputChannel::NameIndent() const {
    return channel_ == 0 ? 1 : 0;
}

void OutputChannel::WriteNameSlot(std::span<std::uint8_t> block) const {
    // The first name byte of output block 0 is also the protection marker, which must read
    // as a blank for plain tuning: that channel's name starts one byte later.
    const std::string text = std::string(NameIndent(), ' ') + settings_.name;
    // The name was checked when it was set, so it always fits.
    (void)TextToField(SlotOf(block, output_block::kNameSlot), text, FieldForm::Terminated);
}

void OutputChannel::WriteAllToBlock(std::span<std::uint8_t> block, NameSlot name) const {
    for (int j = 0; j < eq_.BandCount(); ++j) {
        WriteBandSlot(block, j);
    }
    WriteStripSlot(block);
    WriteCrossoverSlot(block);
    WriteLimiterSlot(block);
    WriteRoutingSlot(block);
    if (name == NameSlot::Write) {
        WriteNameSlot(block);
    }
}

void OutputChannel::CopyFrom(const OutputChannel& source) {
    eq_.CopyFrom(source.eq_);
    if (channel_ >= 4) {
        settings_.on = source.settings_.on;
        settings_.polarity = source.settings_.polarity;
    }
    gainZero_ = settings_.gainCode == 0;
    settings_.eqMode = source.settings_.eqMode;
    CopyEqModeToBands();
    settings_.levelA = source.settings_.levelA;
    settings_.levelB = source.settings_.levelB;
}

void OutputChannel::ClearChangeMarks() {
    pending_ = PendingFlags{};
    for (auto& filter : eq_.filters()) {
        filter.ClearPending();
    }
}

}  // namespace corva

namespace corva {
namespace {

bool SameStrip(const OutputChannel::Values& a, const OutputChannel::Values& b) {
    return a.on == b.on && a.polarity == b.polarity && a.gainCode == b.gainCode &&
           a.delayCode == b.delayCode && a.eqMode == b.eqMode && a.levelA == b.levelA &&
           a.levelB == b.levelB;
}

bool SameLimiter(const OutputChannel::Values& a, const OutputChannel::Values& b) {
    return a.limiterThreshold == b.limiterThreshold && a.limiterAttack == b.limiterAttack &&
           a.limiterRelease == b.limiterRelease;
}

}  // namespace

OutputChannel::Values OutputChannel::SavedValues() const {
    Values values;
    static_cast<Settings&>(values) = settings_;
    values.filters.reserve(eq_.filters().size());
    for (const auto& filter : eq_.filters()) {
        values.filters.push_back(filter.SavedValues());
    }
    return values;
}

int OutputChannel::SlotsDifferingFrom(const Values& values) const {
    const Values current = SavedValues();
    int slots = 0;
    slots += current.name != values.name ? 1 : 0;
    slots += SameStrip(current, values) ? 0 : 1;
    slots += SameLimiter(current, values) ? 0 : 1;
    slots += current.routing == values.routing ? 0 : 1;
    const std::size_t bands = static_cast<std::size_t>(eq_.BandCount());
    bool crossover = false;
    for (std::size_t j = 0; j < current.filters.size() && j < values.filters.size(); ++j) {
        if (current.filters[j] == values.filters[j]) {
            continue;
        }
        if (j < bands) {
            ++slots;
        } else {
            crossover = true;
        }
    }
    return slots + (crossover ? 1 : 0);
}

void OutputChannel::RestoreValues(const Values& values, EditOrigin origin) {
    const bool user = origin == EditOrigin::User;
    const Values current = SavedValues();
    if (current.name != values.name) {
        settings_.name = values.name;
        pending_.name = user && *synchronised_;
    }
    if (!SameStrip(current, values)) {
        settings_.on = values.on;
        settings_.polarity = values.polarity;
        settings_.gainCode = values.gainCode;
        gainZero_ = settings_.gainCode == 0;
        settings_.delayCode = values.delayCode;
        settings_.eqMode = values.eqMode;
        settings_.levelA = values.levelA;
        settings_.levelB = values.levelB;
        if (user) {
            MarkStrip();
        }
    }
    if (!SameLimiter(current, values)) {
        settings_.limiterThreshold = values.limiterThreshold;
        settings_.limiterAttack = values.limiterAttack;
        settings_.limiterRelease = values.limiterRelease;
        pending_.limiter = user && *synchronised_;
    }
    if (!(current.routing == values.routing)) {
        settings_.routing = values.routing;
        pending_.routing = user && *synchronised_;
    }
    auto& filters = eq_.filters();
    for (std::size_t j = 0; j < filters.size() && j < values.filters.size(); ++j) {
        if (!(current.filters[j] == values.filters[j])) {
            filters[j].RestoreValues(values.filters[j], origin);
        }
    }
    AllBypassed();
}

}  // namespace corva
