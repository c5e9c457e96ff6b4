#include "model/InputObjects.h"

#include <algorithm>

#include "core/ByteOrder.h"
#include "dsp/CKTV_OutData.h"
#include "protocol/TextField.h"

namespace corva {
namespace {

constexpr std::size_t kMusicBlock = record::kSecondInput;
constexpr std::size_t kMusicSettings = kMusicBlock + kSlotSize * CMusic_InData::kSettingsSlot;
// Byte positions inside the music input block.
constexpr std::size_t kValueBByte = 81;
constexpr std::size_t kValueAByte = 83;
constexpr std::size_t kValueCWord = 84;
constexpr std::size_t kLevelWord = 86;
constexpr std::size_t kValueDByte = 96;

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

void CEffect_Data::Load(std::span<const std::uint8_t, kRecordSize> record) {
    CopyOut(record, record::kEffectArea, bytes_);
}

void CEffect_Data::Write(std::span<std::uint8_t, kRecordSize> record) const {
    CopyIn(bytes_, record, record::kEffectArea);
}

void CMIC_InData::Load(std::span<const std::uint8_t, kRecordSize> record) {
    CopyOut(record, record::kFirstInput, bytes_);
}

void CMIC_InData::Write(std::span<std::uint8_t, kRecordSize> record) const {
    CopyIn(bytes_, record, record::kFirstInput);
}

CMusic_InData::CMusic_InData(const bool& synchronised)
    : synchronised_{&synchronised},
      eq_{synchronised, DefaultBandFrequencies().first(kBandCount), 20000} {
    (void)TextToField(nameBytes_, "Music 1", FieldForm::Fitted, FieldPadding::Blank);
}

void CMusic_InData::SetValueA(int value) {
    valueA_ = value;
    flagA = *synchronised_;
}
void CMusic_InData::SetValueB(int value) {
    valueB_ = value;
    flagA = *synchronised_;
}
void CMusic_InData::SetLevel(int level) {
    level_ = level;
    flagA = *synchronised_;
}
void CMusic_InData::SetMute(int mute) {
    mute_ = mute;  // acts through the level written in slot 10
    flagA = *synchronised_;
}
void CMusic_InData::SetValueC(int value) {
    valueC_ = value;
    flagA = *synchronised_;
}
void CMusic_InData::SetValueD(int value) {
    valueD_ = value;
    flagB = *synchronised_;
}

std::string CMusic_InData::name() const { return TextFromField(nameBytes_); }

void CMusic_InData::Load(std::span<const std::uint8_t, kRecordSize> record) {
    eq_.LoadBands(record.subspan(kMusicBlock, kSlotSize * kBandCount));
    CopyOut(record, kNameOffset, nameBytes_);
    CopyOut(record, kMusicSettings, settingsBytes_);
    const auto block = record.subspan(kMusicBlock, record::kInputBlockSize);
    valueA_ = block[kValueAByte];
    valueB_ = block[kValueBByte];
    level_ = ReadLe16Signed(block, kLevelWord);
    valueC_ = ReadLe16Signed(block, kValueCWord);
    valueD_ = block[kValueDByte];
}

void CMusic_InData::WriteSettingsSlot(std::span<std::uint8_t, kRecordSize> record) const {
    auto block = record.subspan(kMusicBlock, record::kInputBlockSize);
    block[kValueAByte] = static_cast<std::uint8_t>(valueA_);
    block[kValueBByte] = static_cast<std::uint8_t>(valueB_);
    WriteLe16(block, kValueCWord, valueC_);
    WriteLe16(block, kLevelWord, mute_ != 0 ? 0 : level_);
}

void CMusic_InData::WriteLevelSlot(std::span<std::uint8_t, kRecordSize> record) const {
    record[kMusicBlock + kValueDByte] = static_cast<std::uint8_t>(valueD_);
}

void CMusic_InData::WriteBandSlot(std::span<std::uint8_t, kRecordSize> record, int band) const {
    const auto bytes = eq_.MakeRecord(band);
    CopyIn(bytes, record, kMusicBlock + kSlotSize * static_cast<std::size_t>(band));
}

void CMusic_InData::WriteAll(std::span<std::uint8_t, kRecordSize> record) const {
    for (int j = 0; j < kBandCount; ++j) {
        WriteBandSlot(record, j);
    }
    CopyIn(nameBytes_, record, kNameOffset);
    CopyIn(settingsBytes_, record, kMusicSettings);
    WriteSettingsSlot(record);
    WriteLevelSlot(record);
}

void CMusic_InData::ClearChangeMarks() {
    flagA = flagB = false;
    for (auto& filter : eq_.filters()) {
        filter.ClearPending();
    }
}

}  // namespace corva
