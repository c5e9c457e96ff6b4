// The two inputs and the effect area of the model. The microphone input and the effect area
// are carried byte for byte; the music input's values are edited and sent.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "dsp/CKTVEQ.h"
#include "protocol/ImageLayout.h"

namespace corva {

// The effect area: loaded from and written back to the record, never edited or sent alone.
class CEffect_Data {
public:
    void Load(std::span<const std::uint8_t, kRecordSize> record);
    void Write(std::span<std::uint8_t, kRecordSize> record) const;
    std::span<const std::uint8_t> bytes() const { return bytes_; }

private:
    std::array<std::uint8_t, record::kEffectAreaSize> bytes_{};
};

// The microphone input (first input block), carried unchanged.
class CMIC_InData {
public:
    CMIC_InData() = default;
    const std::string& name() const { return name_; }
    void Load(std::span<const std::uint8_t, kRecordSize> record);
    void Write(std::span<std::uint8_t, kRecordSize> record) const;

private:
    std::string name_ = "Mic 1";
    std::array<std::uint8_t, record::kInputBlockSize> bytes_{};
};

// The music input (second input block): ten equaliser bands and its level settings.
class CMusic_InData {
public:
    static constexpr int kBandCount = 10;
    static constexpr int kInputChannel = 2;
    static constexpr int kSettingsSlot = 10;  // flag A
    static constexpr int kExtraSlot = 11;
    static constexpr int kLevelSlot = 12;     // flag B
    static constexpr std::size_t kNameOffset = 400;  // 16 bytes in the record
    static constexpr std::size_t kNameSize = 16;

    explicit CMusic_InData(const bool& synchronised);

    // ---- Edits (flag A or B follows the synchronised flag) ----
    void SetValueA(int value);
    void SetValueB(int value);
    void SetLevel(int level);
    void SetMute(int mute);
    void SetValueC(int value);
    void SetValueD(int value);

    CKTVEQ& eq() { return eq_; }
    const CKTVEQ& eq() const { return eq_; }
    std::string name() const;  // in the record's code page
    int level() const { return level_; }
    int mute() const { return mute_; }
    int valueA() const { return valueA_; }
    int valueB() const { return valueB_; }
    int valueC() const { return valueC_; }
    int valueD() const { return valueD_; }

    // ---- Image ----
    void Load(std::span<const std::uint8_t, kRecordSize> record);
    void WriteSettingsSlot(std::span<std::uint8_t, kRecordSize> record) const;  // slot 10
    void WriteLevelSlot(std::span<std::uint8_t, kRecordSize> record) const;     // slot 12
    void WriteBandSlot(std::span<std::uint8_t, kRecordSize> record, int band) const;
    // Bands, name, slots 10, 11 and 12.
    void WriteAll(std::span<std::uint8_t, kRecordSize> record) const;

    // ---- Change marks ----
    bool flagA = false;
    bool flagB = false;
    void ClearChangeMarks();

private:
    const bool* synchronised_;
    CKTVEQ eq_;
    int valueA_ = 0;
    int valueB_ = 0;
    int level_ = 60;
    int mute_ = 0;
    int valueC_ = 0;
    int valueD_ = 40;
    std::array<std::uint8_t, kNameSize> nameBytes_{};
    // Slots 10..12 as loaded, so bytes without a value of their own travel back unchanged.
    std::array<std::uint8_t, 3 * kSlotSize> settingsBytes_{};
};

}  // namespace corva
