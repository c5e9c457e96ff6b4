// Where everything lies in the processor's parameter memory: record layout, block types,
// system ids and the sizes of the system fields. The wire, the files and the processor share it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace corva {

inline constexpr std::size_t kSlotSize = 8;
inline constexpr std::size_t kRecordSize = 2184;
inline constexpr std::size_t kNameFieldSize = 16;
inline constexpr std::uint8_t kBlank = 0x20;  // text fields are padded with spaces
inline constexpr int kPresetCount = 15;       // stored presets 1..15
inline constexpr int kOutputChannelCount = 6;

using PresetRecord = std::array<std::uint8_t, kRecordSize>;

// Record offsets of the fixed parts of a preset record.
namespace record {
inline constexpr std::size_t kPresetName = 0;
inline constexpr std::size_t kEffectName = 16;
inline constexpr std::size_t kEffectArea = 32;
inline constexpr std::size_t kEffectAreaSize = 152;
inline constexpr std::size_t kEffectBlockTransferSize = 96;  // slots 0..11 only
inline constexpr std::size_t kFirstInput = 184;
inline constexpr std::size_t kSecondInput = 296;
inline constexpr std::size_t kInputBlockSize = 112;
inline constexpr std::size_t kFirstOutput = 408;
inline constexpr std::size_t kOutputBlockSize = 296;

inline constexpr std::size_t OutputBlock(int channel) {
    return kFirstOutput + kOutputBlockSize * static_cast<std::size_t>(channel);
}

// Level values that ClampLevels keeps within the device's limits.
inline constexpr std::size_t kEffectLevel = 171;       // uint8
inline constexpr std::size_t kFirstInputLevel = 262;   // int16
inline constexpr std::size_t kSecondInputLevel = 382;  // int16
}  // namespace record

// Offsets inside one 296-byte output block.
namespace output_block {
inline constexpr int kBandSlots = 31;  // slots 0..30
inline constexpr int kStripSlot = 31;
inline constexpr int kCrossoverSlot = 32;
inline constexpr int kRoutingSlot = 33;
inline constexpr int kSpareSlot = 34;
inline constexpr int kLimiterSlot = 35;
inline constexpr int kNameSlot = 36;
inline constexpr int kSlotCount = 37;
inline constexpr std::size_t kProtectionMarker = 288;  // output block 0 only
inline constexpr std::size_t kPassword = 290;          // output block 0 only, 6 bytes
inline constexpr std::size_t kPasswordSize = 6;
}  // namespace output_block

// Block type byte of a frame.
enum class BlockType : std::uint8_t {
    FirstInput = 1,   // microphone input (channel 1 reaches the second input block too)
    Effect = 2,       // effect area, channel byte ignored
    SecondInput = 3,  // music input, channel 2
    Output = 4,       // output channel 0..5
    Poll = 7,         // builder shortcut for the status poll; never on the wire
    System = 9,       // system field named by the system id
};

// System ids (byte 8 of a frame whose block type is 9).
namespace system_id {
inline constexpr int kPresetName = 0;
inline constexpr int kEffectName = 1;
inline constexpr int kSystemSettings = 2;
inline constexpr int kStatusList = 3;
inline constexpr int kVersionTag = 4;
inline constexpr int kMainVolume = 5;
inline constexpr int kInformationText = 16;
inline constexpr int kDeviceInformation = 17;
inline constexpr int kDeviceCode = 18;
inline constexpr int kLockBlock = 19;
inline constexpr int kSettingsByte7 = 20;
inline constexpr int kSettingsByte8 = 21;
inline constexpr int kFirstSettingsByteId = 32;  // ids 32..41 -> settings bytes 15..24
inline constexpr int kLastSettingsByteId = 41;
inline constexpr int kSettingsByte25 = 48;
inline constexpr int kSettingsByte26 = 49;
inline constexpr int kResponseSetting = 50;  // settings bytes 30..31
inline constexpr int kSettingsByte27 = 51;
inline constexpr int kUnstored52 = 52;       // requested during a full read, answer consumed
inline constexpr int kSettingsBytes32 = 53;  // settings bytes 32..33
inline constexpr int kListeningPositions = 64;
inline constexpr int kFactoryReset = 96;
}  // namespace system_id

// Sizes of the system fields held by the image.
inline constexpr std::size_t kSystemSettingsSize = 8;
inline constexpr std::size_t kMainVolumeSize = 8;
inline constexpr std::size_t kStatusListSize = 20;
inline constexpr std::size_t kVersionTagSize = 12;  // 11 characters and a spare byte
inline constexpr std::size_t kInformationTextSize = 40;
inline constexpr std::size_t kDeviceInformationSize = 24;
inline constexpr std::size_t kDeviceSettingsSize = 34;
inline constexpr std::size_t kLockBlockSize = 10;
inline constexpr std::size_t kListeningTableSize = 50;
inline constexpr std::size_t kSyncListSize = 7;

// Byte 6 of the main volume record: the master output (1 sound, 0 muted); also cleared while
// bulk writes and recalls are queued.
inline constexpr std::size_t kMainVolumeBulkByte = 6;
inline constexpr int kMainVolumeCodeMax = 66;  // volume code 0..66 = -60..+6 dB

// The listening-position table (system field 64): four rows of six 16-bit delays, the
// current position and the position of the last mode file read.
namespace listening_table {
inline constexpr int kPositionCount = 4;
inline constexpr int kLastPosition = kPositionCount - 1;
inline constexpr std::size_t kRowSize = 12;
inline constexpr std::size_t kCurrentPosition = 48;
inline constexpr std::size_t kLastModeFilePosition = 49;
inline constexpr std::size_t RowOffset(int position) {
    return kRowSize * static_cast<std::size_t>(position);
}
}  // namespace listening_table

}  // namespace corva
