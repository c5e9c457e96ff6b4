#include "model/InputObjects.h"

#include <algorithm>

#include "core/ByteOrder.h"
#include "model/OutputChannel.h"
#include "protocol/TextField.h"

namespace corva {
namespace {

constexpr std::size_t kMusicBlock = record::kSecondInput;
constexpr std::size_t kMusicSettings = kMusicBlock + kSlotSize * MusicInput::kSettingsSlot;
// Byte positions inside the music input block.
constexpr std::size_t kCarriedByte81 = 81;
constexpr std::size_t kCarriedByte83 = 83;
constexpr std::size_t kCarriedWord84 = 84;
constexpr std::size_t kLevelWord = 86;
constexpr std::size_t kCarriedByte96 = 96;

template <std::size_t N>
void CopyOut(std::span<const std::uint8_t, kRecordSize> record, std::size_t offset,
             std::array<std::uint8_t, N>& into) {
    std::copy_n(record.begin() + static_cast<std::ptrdiff_t>(offset), N, into.begin());
}

template <std::size_t N>
void CopyIn(const std::array<std::uint8_t, N>& from, std::span<std::uint8_t, kRecordSize> record,
            std::size_t offset) {
    std::copy(from.begin(), from.end(), record.begin() + static_cast<std::ptrdiff_t>(offset));
}

}  // namespace

void EffectBlock::Load(std::span<const std::uint8_t, kRecordSize> record) {
    CopyOut(record, record::kEffectArea, bytes_);
}

void EffectBlock::Write(std::span<std::uint8_t, kRecordSize> record) const {
    CopyIn(bytes_, record, record::kEffectArea);
}

void MicInput::Load(std::span<const std::uint8_t, kRecordSize> record) {
    CopyOut(record, record::kFirstInput, bytes_);
}

void MicInput::Write(std::span<std::uint8_t, kRecordSize> record) const {
    CopyIn(bytes_, record, record::kFirstInput);
}

MusicInput::MusicInput(const bool& synchronised)
    : synchronised_{&synchronised},
      eq_{synchronised, DefaultBandFrequencies().first(kBandCount), 20000} {
    (void)TextToField(nameBytes_, "Music 1", FieldForm::Fitted, FieldPadding::Blank);
}

void MusicInput::SetLevel(int level) {
    level_ = level;
    slot10Changed = *synchronised_;
}
void MusicInput::SetMute(int mute) {
    mute_ = mute;  // acts through the level written in slot 10
    slot10Changed = *synchronised_;
}
void MusicInput::SetCarriedByte96(int value) {
    carriedByte96_ = value;
    slot12Changed = *synchronised_;
}

std::string MusicInput::name() const {
    return TextFromField(nameBytes_);
}

void MusicInput::Load(std::span<const std::uint8_t, kRecordSize> record) {
    eq_.LoadBands(record.subspan(kMusicBlock, kSlotSize * kBandCount));
    CopyOut(record, kNameOffset, nameBytes_);
    CopyOut(record, kMusicSettings, settingsBytes_);
    const auto block = record.subspan(kMusicBlock, record::kInputBlockSize);
    carriedByte83_ = block[kCarriedByte83];
    carriedByte81_ = block[kCarriedByte81];
    level_ = ReadLe16Signed(block, kLevelWord);
    carriedWord84_ = ReadLe16Signed(block, kCarriedWord84);
    carriedByte96_ = block[kCarriedByte96];
}

void MusicInput::WriteSettingsSlot(std::span<std::uint8_t, kRecordSize> record) const {
    auto block = record.subspan(kMusicBlock, record::kInputBlockSize);
    block[kCarriedByte83] = static_cast<std::uint8_t>(carriedByte83_);
    block[kCarriedByte81] = static_cast<std::uint8_t>(carriedByte81_);
    WriteLe16(block, kCarriedWord84, carriedWord84_);
    WriteLe16(block, kLevelWord, mute_ != 0 ? 0 : level_);
}

void MusicInput::WriteByte96Slot(std::span<std::uint8_t, kRecordSize> record) const {
    record[kMusicBlock + kCarriedByte96] = static_cast<std::uint8_t>(carriedByte96_);
}

void MusicInput::WriteBandSlot(std::span<std::uint8_t, kRecordSize> record, int band) const {
    const auto bytes = eq_.MakeRecord(band);
    CopyIn(bytes, record, kMusicBlock + kSlotSize * static_cast<std::size_t>(band));
}

void MusicInput::WriteAll(std::span<std::uint8_t, kRecordSize> record) const {
    for (int j = 0; j < kBandCount; ++j) {
        WriteBandSlot(record, j);
    }
    CopyIn(nameBytes_, record, kNameOffset);
    CopyIn(settingsBytes_, record, kMusicSettings);
    WriteSettingsSlot(record);
    WriteByte96Slot(record);
}

void MusicInput::ClearChangeMarks() {
    slot10Changed = slot12Changed = false;
    for (auto& filter : eq_.filters()) {
        filter.ClearPending();
    }
}

}  // namespace corva
