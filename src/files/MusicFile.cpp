#include "files/MusicFile.h"

#include <algorithm>

#include "files/DocumentMessages.h"
#include "files/RecordScrambling.h"

namespace corva {
namespace {}  // namespace

void MarkRecordForStore(std::span<std::uint8_t, kRecordSize> record,
                        const ProtectionState& protection) {
    record[music_file::kPresetFlag] = 1;
    if (!protection.isProtected) {
        record[music_file::kProtectionMarker] = kBlank;
        return;
    }
    record[music_file::kProtectionMarker] = kProtectionMarker;
    // The lock accepts only six-character passwords; a shorter one leaves the rest as it is,
    // exactly as the output block goes out on the wire.
    const auto& password = protection.password;
    std::copy_n(password.begin(), std::min(password.size(), output_block::kPasswordSize),
                record.begin() + music_file::kPassword);
}

void WriteMusicFile(ArchiveWriter& archive, std::span<const std::uint8_t, kRecordSize> record,
                    bool isProtected) {
    archive.WriteText(kMusicFileTag);
    if (!isProtected) {
        archive.WriteBytes(record);
        return;
    }
    PresetRecord scrambled;
    ScrambleRecord(record, scrambled);
    archive.WriteBytes(scrambled);
}

MusicFileRead ReadMusicFile(ArchiveReader& archive) {
    MusicFileRead result;
    result.status =
        TagStatus(archive.ReadTag(kMusicFileTag), MusicFileReadError(), MusicFileIncomplete());
    if (!result.status.ok()) {
        return result;
    }
    auto& content = result.content;
    if (!archive.ReadBytes(content.record)) {
        result.status = Status::Fail(MusicFileIncomplete());
        return result;
    }
    content.isProtected = content.record[music_file::kProtectionMarker] != kBlank;
    if (content.isProtected) {
        UnscrambleRecord(content.record);
    }
    return result;
}

std::string RecordPassword(std::span<const std::uint8_t, kRecordSize> record) {
    const auto password = record.subspan(music_file::kPassword, output_block::kPasswordSize);
    return std::string(password.begin(), password.end());
}

}  // namespace corva
