// The music file: one complete preset record behind its tag, every byte scrambled when the
// tuning is protected (the marker and the password then travel inside the record). This is
// the pure format; MusicFileSerialize.h moves it in and out of a session.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/Status.h"
#include "files/DocumentArchive.h"
#include "protocol/ImageLayout.h"
#include "protocol/ProtectionState.h"

namespace corva {

inline constexpr std::string_view kMusicFileTag = "LFN624_File_1.00";
inline constexpr std::size_t kMusicFileSize = 1 + kMusicFileTag.size() + kRecordSize;  // 2201

// Record offsets that storing sets itself.
namespace music_file {
// Byte 83 of the music input block: the processor takes the block as part of a preset.
inline constexpr std::size_t kPresetFlag = record::kSecondInput + 83;
inline constexpr std::size_t kProtectionMarker =
    record::kFirstOutput + output_block::kProtectionMarker;
inline constexpr std::size_t kPassword = record::kFirstOutput + output_block::kPassword;
}  // namespace music_file

struct MusicFileContent {
    PresetRecord record{};  // plain, as the live record holds it (marker "!" when protected)
    bool isProtected = false;
};

struct MusicFileRead {
    Status status = Status::Ok();
    MusicFileContent content;
};

// What storing puts into the live record before it is written: the preset flag; then the
// marker "!" and the password when protected, else a blank marker.
void MarkRecordForStore(std::span<std::uint8_t, kRecordSize> record,
                        const ProtectionState& protection);

// The tag and the record, each byte XORed with the mask when `isProtected`.
void WriteMusicFile(ArchiveWriter& archive, std::span<const std::uint8_t, kRecordSize> record,
                    bool isProtected);

// Reads and checks a whole music file. A record whose stored marker is anything but a blank is
// protected and comes back unscrambled. Fails with the read error on another tag and with its
// own message when the file ends early; bytes after the record are not looked at.
MusicFileRead ReadMusicFile(ArchiveReader& archive);

// The six password characters a protected record carries in output block 0.
std::string RecordPassword(std::span<const std::uint8_t, kRecordSize> record);

}  // namespace corva
