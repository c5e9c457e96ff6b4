// The host's byte-exact copy of the processor's parameter memory: the live preset record, the
// 15 stored presets, the system fields and the small tables kept beside them.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "protocol/ImageLayout.h"
#include "protocol/SlotAddress.h"

namespace corva {

class ParameterImage {
public:
    // A new image already holds the start-up defaults.
    ParameterImage();

    // Resets every field to the processor-independent start-up defaults.
    void InitImageDefaults();

    // Preset 0 is the live record; 1..15 are the stored presets.
    std::span<std::uint8_t, kRecordSize> Record(int preset);
    std::span<const std::uint8_t, kRecordSize> Record(int preset) const;
    std::span<std::uint8_t, kRecordSize> Live() { return Record(0); }
    std::span<const std::uint8_t, kRecordSize> Live() const { return Record(0); }

    // One 8-byte slot or one whole-block transfer of a record; empty when the address names
    // nothing (so bytes from outside can never reach past the record).
    std::span<std::uint8_t> Slot(int preset, BlockType blockType, int channel, int slot);
    std::span<std::uint8_t> Block(int preset, BlockType blockType, int channel);
    std::span<const std::uint8_t> Block(int preset, BlockType blockType, int channel) const;

    // The bytes of a system field (name fields of id 0 follow the preset number); empty for an
    // id without a stored field (status list, 52, 96, unknown ids).
    std::span<std::uint8_t> SystemField(int systemId, int preset = 0);
    std::span<const std::uint8_t> SystemField(int systemId, int preset = 0) const;

    std::span<std::uint8_t, kSystemSettingsSize> SystemSettings() { return systemSettings_; }
    std::span<std::uint8_t, kMainVolumeSize> MainVolume() { return mainVolume_; }
    std::span<const std::uint8_t, kMainVolumeSize> MainVolume() const { return mainVolume_; }
    std::span<std::uint8_t, kDeviceSettingsSize> DeviceSettings() { return deviceSettings_; }
    std::span<const std::uint8_t, kDeviceSettingsSize> DeviceSettings() const {
        return deviceSettings_;
    }
    std::span<std::uint8_t, kListeningTableSize> ListeningPositions() { return listening_; }
    std::span<const std::uint8_t, kListeningTableSize> ListeningPositions() const {
        return listening_;
    }
    std::span<std::uint8_t, kVersionTagSize> VersionTag() { return versionTag_; }
    std::span<const std::uint8_t, kVersionTagSize> VersionTag() const { return versionTag_; }
    std::span<std::uint8_t, kLockBlockSize> LockBlock() { return lockBlock_; }

    // One 32-bit entry per byte of the latest status answer.
    std::span<std::int32_t, kStatusListSize> StatusList() { return statusList_; }
    std::span<const std::int32_t, kStatusListSize> StatusList() const { return statusList_; }

    // System ids read in order during a full read.
    std::span<const std::int32_t, kSyncListSize> SyncList() const { return syncList_; }

    // Link group number per output channel; channels sharing a number are linked.
    std::span<std::int32_t, kOutputChannelCount> LinkGroups() { return linkGroups_; }
    std::span<const std::int32_t, kOutputChannelCount> LinkGroups() const { return linkGroups_; }
    // True when another output channel shares this channel's link group.
    bool LinkFlag(int channel) const;

    // Keeps the effect level and both input levels of the live record within the limits held
    // in the device settings; a lower limit above the upper limit wins.
    // Returns how many of the three levels it moved.
    int ClampLevels();

    // True when the first `length` bytes of `name` equal those of any stored preset's name
    // other than preset `presetIndex` (0-based).
    bool IsPresetNameTaken(int presetIndex, std::string_view name, std::size_t length) const;

private:
    std::array<PresetRecord, kPresetCount + 1> records_{};  // [0] live, [p] stored preset p
    std::array<std::uint8_t, kSystemSettingsSize> systemSettings_{};
    std::array<std::uint8_t, kMainVolumeSize> mainVolume_{};
    std::array<std::int32_t, kStatusListSize> statusList_{};
    std::array<std::uint8_t, kVersionTagSize> versionTag_{};
    std::array<std::uint8_t, kInformationTextSize> informationText_{};
    std::array<std::uint8_t, kDeviceInformationSize> deviceInformation_{};
    std::array<std::uint8_t, kDeviceSettingsSize> deviceSettings_{};
    std::array<std::uint8_t, kLockBlockSize> lockBlock_{};
    std::array<std::uint8_t, kListeningTableSize> listening_{};
    std::array<std::int32_t, kSyncListSize> syncList_{};
    std::array<std::int32_t, kOutputChannelCount> linkGroups_{};
};

}  // namespace corva
