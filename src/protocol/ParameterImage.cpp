#include "protocol/ParameterImage.h"

#include <algorithm>
#include <vector>

#include "core/ByteOrder.h"
#include "protocol/ImageLayout.h"

namespace corva {
namespace {

// Device settings bytes 15..24, carried as system ids 32..41.
constexpr std::array<std::uint8_t, 10> kSettingsBytes15To24 = {100, 10, 90, 40, 100,
                                                               40,  90, 40, 0,  0};
constexpr std::array<std::uint8_t, 4> kSettingsBytes9To12 = {1, 0, 0, 0};
constexpr std::uint16_t kResponseSettingDefault = 500;
constexpr std::array<std::uint8_t, kSystemSettingsSize> kSystemSettingsDefault = {1,  0, 3, 60,
                                                                                  60, 0, 0, 0};
// A 16-bit value of 60, then 0, 60, 60, 0, 1 (the bulk byte), 0.
constexpr std::array<std::uint8_t, kMainVolumeSize> kMainVolumeDefault = {60, 0, 0, 60,
                                                                          60, 0, 1, 0};
constexpr std::array<std::int32_t, kSyncListSize> kSyncListDefault = {19, 0, 52, 2, 5, 6, 4};

// The processor's factory routing: which input feeds each output at 100 %.
constexpr std::array<int, kOutputChannelCount> kFactoryRoutingInput = {0, 1, 2, 3, 0, 1};
constexpr std::uint8_t kFullShare = 100;

// Default band record: 1000 Hz, gain code 600 (0 dB, bypassed), bandwidth 0, slope 0, type 0.
void WriteDefaultBand(std::span<std::uint8_t> slot) {
    std::fill(slot.begin(), slot.end(), 0);
    WriteLe16(slot, 0, 1000);
    WriteLe16(slot, 2, 600);
}

void WriteDefaultBands(std::span<std::uint8_t> record, std::size_t base, int slotCount) {
    for (int s = 0; s < slotCount; ++s) {
        WriteDefaultBand(record.subspan(base + kSlotSize * static_cast<std::size_t>(s), kSlotSize));
    }
}

// Where a system id lands in the 34-byte device settings block.
std::optional<ByteRange> DeviceSettingsRange(int systemId) {
    using namespace system_id;
    if (systemId >= kFirstSettingsByteId && systemId <= kLastSettingsByteId) {
        return ByteRange{static_cast<std::size_t>(15 + systemId - kFirstSettingsByteId), 1};
    }
    switch (systemId) {
        case kDeviceCode:
            return ByteRange{0, 7};
        case kSettingsByte7:
            return ByteRange{7, 1};
        case kSettingsByte8:
            return ByteRange{8, 1};
        case kSettingsByte25:
            return ByteRange{25, 1};
        case kSettingsByte26:
            return ByteRange{26, 1};
        case kResponseSetting:
            return ByteRange{30, 2};
        case kSettingsByte27:
            return ByteRange{27, 1};
        case kSettingsBytes32:
            return ByteRange{32, 2};
        default:
            return std::nullopt;
    }
}

template <typename T>
int ClampInto(T value, int lower, int upper) {
    int v = value;
    if (v > upper) {
        v = upper;
    }
    if (v < lower) {
        v = lower;
    }
    return v;
}

}  // namespace

ParameterImage::ParameterImage() {
    InitImageDefaults();
}

void ParameterImage::InitImageDefaults() {
    // Every byte not named below (flag bytes, delay words, the live names, the listening
    // table, the version tag) starts as 0.
    for (auto& record : records_) {
        record.fill(0);
    }
    informationText_.fill(kBlank);
    deviceInformation_.fill(0);
    versionTag_.fill(0);
    listening_.fill(0);
    statusList_.fill(0);

    auto live = Live();
    WriteDefaultBands(live, record::kEffectArea, 8);
    WriteDefaultBands(live, record::kFirstInput, 9);
    WriteDefaultBands(live, record::kSecondInput, 10);
    for (int channel = 0; channel < kOutputChannelCount; ++channel) {
        const std::size_t block = record::OutputBlock(channel);
        WriteDefaultBands(live, block, 9);
        const std::size_t routing = block + kSlotSize * output_block::kRoutingSlot;
        live[routing + static_cast<std::size_t>(kFactoryRoutingInput[channel])] = kFullShare;
    }

    for (int preset = 1; preset <= kPresetCount; ++preset) {
        auto stored = Record(preset);
        std::fill_n(stored.begin() + record::kPresetName, kNameFieldSize - 1, kBlank);
        if (preset <= 10) {
            std::fill_n(stored.begin() + record::kEffectName, kNameFieldSize, kBlank);
        }
    }

    deviceSettings_.fill(0);
    std::copy(kSettingsBytes9To12.begin(), kSettingsBytes9To12.end(), deviceSettings_.begin() + 9);
    std::copy(kSettingsBytes15To24.begin(), kSettingsBytes15To24.end(),
              deviceSettings_.begin() + 15);
    WriteLe16(deviceSettings_, 30, kResponseSettingDefault);

    systemSettings_ = kSystemSettingsDefault;
    mainVolume_ = kMainVolumeDefault;
    syncList_ = kSyncListDefault;
    lockBlock_.fill(0);
    std::fill(lockBlock_.begin() + 4, lockBlock_.end(), kBlank);
    for (int channel = 0; channel < kOutputChannelCount; ++channel) {
        linkGroups_[static_cast<std::size_t>(channel)] = channel;
    }
}

std::span<std::uint8_t, kRecordSize> ParameterImage::Record(int preset) {
    return records_.at(static_cast<std::size_t>(preset));
}

std::span<const std::uint8_t, kRecordSize> ParameterImage::Record(int preset) const {
    return records_.at(static_cast<std::size_t>(preset));
}

std::span<std::uint8_t> ParameterImage::Slot(int preset, BlockType blockType, int channel,
                                             int slot) {
    const auto offset = SlotOffset(blockType, channel, slot);
    if (!offset || preset < 0 || preset > kPresetCount) {
        return {};
    }
    return Record(preset).subspan(*offset, kSlotSize);
}

std::span<std::uint8_t> ParameterImage::Block(int preset, BlockType blockType, int channel) {
    const auto range = BlockRange(blockType, channel);
    if (!range || preset < 0 || preset > kPresetCount) {
        return {};
    }
    return Record(preset).subspan(range->offset, range->length);
}

std::span<const std::uint8_t> ParameterImage::Block(int preset, BlockType blockType,
                                                    int channel) const {
    return const_cast<ParameterImage*>(this)->Block(preset, blockType, channel);
}

std::span<std::uint8_t> ParameterImage::SystemField(int systemId, int preset) {
    using namespace system_id;
    if (preset < 0 || preset > kPresetCount) {
        return {};
    }
    if (const auto settings = DeviceSettingsRange(systemId)) {
        return std::span<std::uint8_t>(deviceSettings_).subspan(settings->offset, settings->length);
    }
    switch (systemId) {
        case kPresetName:
            return Record(preset).subspan(record::kPresetName, kNameFieldSize);
        case kEffectName:
            return Live().subspan(record::kEffectName, kNameFieldSize);
        case kSystemSettings:
            return systemSettings_;
        case kVersionTag:
            return versionTag_;
        case kMainVolume:
            return mainVolume_;
        case kInformationText:
            return informationText_;
        case kDeviceInformation:
            return deviceInformation_;
        case kLockBlock:
            return lockBlock_;
        case kListeningPositions:
            return listening_;
        default:
            return {};
    }
}

std::span<const std::uint8_t> ParameterImage::SystemField(int systemId, int preset) const {
    return const_cast<ParameterImage*>(this)->SystemField(systemId, preset);
}

bool ParameterImage::LinkFlag(int channel) const {
    if (channel < 0 || channel >= kOutputChannelCount) {
        return false;
    }
    for (int other = 0; other < kOutputChannelCount; ++other) {
        if (other != channel && linkGroups_[static_cast<std::size_t>(other)] ==
                                    linkGroups_[static_cast<std::size_t>(channel)]) {
            return true;
        }
    }
    return false;
}

int ParameterImage::ClampLevels() {
    auto live = Live();
    const auto& settings = deviceSettings_;
    const auto before = std::vector<std::uint8_t>(live.begin(), live.end());
    live[record::kEffectLevel] = static_cast<std::uint8_t>(
        ClampInto(live[record::kEffectLevel], settings[20], settings[19]));
    WriteLe16(
        live, record::kFirstInputLevel,
        ClampInto(ReadLe16Signed(live, record::kFirstInputLevel), settings[18], settings[17]));
    WriteLe16(
        live, record::kSecondInputLevel,
        ClampInto(ReadLe16Signed(live, record::kSecondInputLevel), settings[22], settings[21]));
    int moved = 0;
    for (const std::size_t at :
         {record::kEffectLevel, record::kFirstInputLevel, record::kSecondInputLevel}) {
        moved += live[at] != before[at] || live[at + 1] != before[at + 1] ? 1 : 0;
    }
    return moved;
}

bool ParameterImage::IsPresetNameTaken(int presetIndex, std::string_view name,
                                       std::size_t length) const {
    length = std::min(length, kNameFieldSize);
    // Bytes past the end of the candidate compare as 0, as in a terminated name buffer.
    const auto candidateByte = [&](std::size_t i) -> std::uint8_t {
        return i < name.size() ? static_cast<std::uint8_t>(name[i]) : 0;
    };
    for (int index = 0; index < kPresetCount; ++index) {
        if (index == presetIndex) {
            continue;
        }
        const auto stored = Record(index + 1);
        bool same = true;
        for (std::size_t i = 0; i < length && same; ++i) {
            same = stored[record::kPresetName + i] == candidateByte(i);
        }
        if (same) {
            return true;
        }
    }
    return false;
}

}  // namespace corva
