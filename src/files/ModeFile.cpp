#include "files/ModeFile.h"

#include <algorithm>

#include "files/DocumentMessages.h"

namespace corva {

int CurrentPosition(ConstListeningTable table) {
    return std::min<int>(table[listening_table::kCurrentPosition], listening_table::kLastPosition);
}

void WriteModeFile(ArchiveWriter& archive, ConstListeningTable table) {
    const int position = CurrentPosition(table);
    archive.WriteText(kModeFileTag);
    archive.WriteByte(static_cast<std::uint8_t>(position));
    archive.WriteBytes(
        table.subspan(listening_table::RowOffset(position), listening_table::kRowSize));
}

ModeFileRead ReadModeFile(ArchiveReader& archive) {
    ModeFileRead result;
    result.status =
        TagStatus(archive.ReadTag(kModeFileTag), ModeFileReadError(), ModeFileIncomplete());
    if (!result.status.ok()) {
        return result;
    }
    std::uint8_t position = 0;
    if (!archive.ReadByte(position) || !archive.ReadBytes(result.content.delays)) {
        result.status = Status::Fail(ModeFileIncomplete());
        return result;
    }
    if (position > listening_table::kLastPosition) {
        result.status = Status::Fail(ModeFilePositionInvalid(position));
        return result;
    }
    result.content.position = position;
    return result;
}

void PlaceModeFile(ListeningTable table, const ModeFileContent& content) {
    const int position = std::clamp(content.position, 0, listening_table::kLastPosition);
    std::copy(content.delays.begin(), content.delays.end(),
              table.begin() + static_cast<std::ptrdiff_t>(listening_table::RowOffset(position)));
    table[listening_table::kLastModeFilePosition] = static_cast<std::uint8_t>(position);
}

}  // namespace corva
