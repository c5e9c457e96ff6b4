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

constexpr std::array<int, output_block::kBandSlots> kBandFrequencies = {
    31,   65,   125,  250,  500,  1000, 2000, 4000,  8000,  16000, 200,
    250,  315,  400,  500,  630,  800,  1000, 1250,  1600,  2000,  2500,
    3150, 4000, 5000, 6300, 8000, 10000, 12500, 16000, 20000};

constexpr std::size_t SlotAt(int slot) { return kSlotSize * static_cast<std::size_t>(slot); }

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

std::span<const int> DefaultBandFrequencies() { return kBandFrequencies; }

OutputChannel::OutputChannel(const bool& synchronised, int channel)
    : synchronised_{&synchronised},
      channel_{channel},
      name_{DefaultsOfOutput(channel).name},
      eq_{synchronised, kBandFrequencies, DefaultsOfOutput(channel).lowPassHz} {
    eq_.HighPass().SetFilterRole(DefaultsOfOutput(channel).filterRole);
    eq_.LowPass().SetFilterRole(DefaultsOfOutput(channel).filterRole);
    SetChannelIndex(channel);
}

void OutputChannel::SetOn(int on) {
    on_ = on;
    MarkStrip();
}

void OutputChannel::SetPolarity(int polarity) {
    polarity_ = polarity;
    MarkStrip();
}

void OutputChannel::SetGain(int gainCode) {
    gain_ = gainCode;
    gainZero_ = gainCode == 0;
    MarkStrip();
}

void OutputChannel::SetDelay(int delayCode) {
    delay_ = delayCode;
    MarkStrip();
}

Status OutputChannel::SetName(std::string_view recordText) {
    if (recordText.size() + NameIndent() >= kChannelNameSize) {
        return Status::Fail(TextLengthError());
    }
    name_ = recordText;
    pending_.name = *synchronised_;
    return Status::Ok();
}

void OutputChannel::SetChannelIndex(int channel) {
    channel_ = channel;
    routing_.SetChannelIndex(channel);
}

void OutputChannel::SetEqMode(int eqMode) {
    eqMode_ = eqMode;
    CopyEqModeToBands();
    MarkStrip();
}

void OutputChannel::CopyEqModeToBands() {
    for (auto& filter : eq_.filters()) {
        if (filter.isBand()) {
            filter.SetEqMode(eqMode_ != 0);
        }
    }
}

void OutputChannel::SetLimiterThreshold(int thresholdCode) {
    limiterThreshold_ = thresholdCode;
    pending_.limiter = *synchronised_;
}

void OutputChannel::SetLimiterAttack(int attackCode) {
    limiterAttack_ = attackCode;
    pending_.limiter = *synchronised_;
}

void OutputChannel::SetLimiterRelease(int releaseCode) {
    limiterRelease_ = releaseCode;
    pending_.limiter = *synchronised_;
}

void OutputChannel::SetRoutingShare(int input, int share) {
    switch (input) {
        case 1:
            routing_.share1 = share;
            routing_.off1 = share == 0;
            break;
        case 2:
            routing_.share2 = share;
            routing_.off2 = share == 0;
            break;
        case 3:
            routing_.share3 = share;
            routing_.off3 = share == 0;
            break;
        case 4:
            routing_.share4 = share;
            routing_.off4 = share == 0;
            break;
        default:
            return;
    }
    pending_.routing = *synchronised_;
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
    name_ = TextFromField(nameBytes);

    const auto crossover = SlotOf(block, output_block::kCrossoverSlot);
    eq_.HighPass().LoadCrossover(ReadLe16Signed(crossover, 0), crossover[2], crossover[3]);
    eq_.LowPass().LoadCrossover(ReadLe16Signed(crossover, 4), crossover[6], crossover[7]);

    routing_.Load(SlotOf(block, output_block::kRoutingSlot));

    const auto strip = SlotOf(block, output_block::kStripSlot);
    on_ = strip[0];
    polarity_ = strip[1];
    delay_ = ReadLe16Signed(strip, 4);
    gain_ = ReadLe16Signed(strip, 2);
    gainZero_ = gain_ == 0;
    eqMode_ = strip[6];
    CopyEqModeToBands();
    levelB_ = strip[7];

    const auto limiter = SlotOf(block, output_block::kLimiterSlot);
    limiterThreshold_ = ReadLe16Signed(limiter, 0);
    limiterAttack_ = limiter[2];
    limiterRelease_ = limiter[3];
}

void OutputChannel::WriteBandSlot(std::span<std::uint8_t> block, int band) const {
    const auto record = eq_.MakeRecord(band);
    std::copy(record.begin(), record.end(), block.begin() + static_cast<std::ptrdiff_t>(SlotAt(band)));
}

void OutputChannel::WriteStripSlot(std::span<std::uint8_t> block) const {
    auto strip = SlotOf(block, output_block::kStripSlot);
    strip[0] = static_cast<std::uint8_t>(on_);
    strip[1] = static_cast<std::uint8_t>(polarity_);
    WriteLe16(strip, 2, gainZero_ ? 0 : gain_);
    WriteLe16(strip, 4, delay_);
    strip[6] = static_cast<std::uint8_t>(eqMode_);
    strip[7] = static_cast<std::uint8_t>(levelB_);
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
    routing_.Write(SlotOf(block, output_block::kRoutingSlot));
}

void OutputChannel::WriteLimiterSlot(std::span<std::uint8_t> block) const {
    auto slot = SlotOf(block, output_block::kLimiterSlot);
    WriteLe16(slot, 0, limiterThreshold_);
    slot[2] = static_cast<std::uint8_t>(limiterAttack_);
    slot[3] = static_cast<std::uint8_t>(limiterRelease_);
}

std::size_t OutputChannel::NameIndent() const { return channel_ == 0 ? 1 : 0; }

void OutputChannel::WriteNameSlot(std::span<std::uint8_t> block) const {
    // The first name byte of output block 0 is also the protection marker, which must read
    // as a blank for plain tuning: that channel's name starts one byte later.
    const std::string text = std::string(NameIndent(), ' ') + name_;
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
        on_ = source.on_;
        polarity_ = source.polarity_;
    }
    gainZero_ = gain_ == 0;
    eqMode_ = source.eqMode_;
    CopyEqModeToBands();
    levelA_ = source.levelA_;
    levelB_ = source.levelB_;
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
    values.name = name_;
    values.on = on_;
    values.polarity = polarity_;
    values.gainCode = gain_;
    values.delayCode = delay_;
    values.eqMode = eqMode_;
    values.levelA = levelA_;
    values.levelB = levelB_;
    values.limiterThreshold = limiterThreshold_;
    values.limiterAttack = limiterAttack_;
    values.limiterRelease = limiterRelease_;
    values.routing = routing_;
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
        name_ = values.name;
        pending_.name = user && *synchronised_;
    }
    if (!SameStrip(current, values)) {
        on_ = values.on;
        polarity_ = values.polarity;
        gain_ = values.gainCode;
        gainZero_ = gain_ == 0;
        delay_ = values.delayCode;
        eqMode_ = values.eqMode;
        levelA_ = values.levelA;
        levelB_ = values.levelB;
        if (user) {
            MarkStrip();
        }
    }
    if (!SameLimiter(current, values)) {
        limiterThreshold_ = values.limiterThreshold;
        limiterAttack_ = values.limiterAttack;
        limiterRelease_ = values.limiterRelease;
        pending_.limiter = user && *synchronised_;
    }
    if (!(current.routing == values.routing)) {
        routing_ = values.routing;
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
