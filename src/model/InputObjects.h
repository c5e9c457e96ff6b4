// The two inputs and the effect area of the model. The microphone input and the effect area
// are carried byte for byte; the music input's values are edited and sent.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "model/ChannelEqualizer.h"
#include "protocol/ImageLayout.h"

namespace corva {

// The effect area: loaded from and written back to the record, never edited or sent alone.
class EffectBlock {
public:
    void Load(std::span<const std::uint8_t, kRecordSize> record);
    void Write(std::span<std::uint8_t, kRecordSize> record) const;
    std::span<const std::uint8_t> bytes() const { return bytes_; }

private:
    std::array<std::uint8_t, record::kEffectAreaSize> bytes_{};
};

// The microphone input (first input block), carried unchanged.
class MicInput {
public:
    MicInput() = default;
    const std::string& name() const { return name_; }
    void Load(std::span<const std::uint8_t, kRecordSize> record);
    void Write(std::span<std::uint8_t, kRecordSize> record) const;

private:
    std::string name_ = "Mic 1";
    std::array<std::uint8_t, record::kInputBlockSize> bytes_{};
};

// The music input (second input block): ten equaliser bands and its level settings.
class MusicInput {
public:
    static constexpr int kBandCount = 10;
    static constexpr int kInputChannel = 2;
    static constexpr int kSettingsSlot = 10;         // level, mute and three carried values
    static constexpr int kByte96Slot = 12;           // one carried byte
    static constexpr std::size_t kNameOffset = 400;  // 16 bytes in the record
    static constexpr std::size_t kNameSize = 16;

    explicit MusicInput(const bool& synchronised);

    // ---- Edits (the slot's change mark follows the synchronised flag) ----
    void SetLevel(int level);
    void SetMute(int mute);
    void SetCarriedByte96(int value);

    ChannelEqualizer& eq() { return eq_; }
    const ChannelEqualizer& eq() const { return eq_; }
    std::string name() const;  // in the record's code page
    int level() const { return level_; }
    int mute() const { return mute_; }
    // Values of unknown meaning, read from the block and written back unchanged.
    int carriedByte83() const { return carriedByte83_; }
    int carriedByte81() const { return carriedByte81_; }
    int carriedWord84() const { return carriedWord84_; }
    int carriedByte96() const { return carriedByte96_; }

    // ---- Image ----
    void Load(std::span<const std::uint8_t, kRecordSize> record);
    void WriteSettingsSlot(std::span<std::uint8_t, kRecordSize> record) const;  // slot 10
    void WriteByte96Slot(std::span<std::uint8_t, kRecordSize> record) const;    // slot 12
    void WriteBandSlot(std::span<std::uint8_t, kRecordSize> record, int band) const;
    // Bands, name, slots 10, 11 and 12.
    void WriteAll(std::span<std::uint8_t, kRecordSize> record) const;

    // ---- Change marks ----
    bool slot10Changed = false;
    bool slot12Changed = false;
    void ClearChangeMarks();

private:
    const bool* synchronised_;
    ChannelEqualizer eq_;
    int carriedByte83_ = 0;
    int carriedByte81_ = 0;
    int level_ = 60;
    int mute_ = 0;
    int carriedWord84_ = 0;
    int carriedByte96_ = 40;
    std::array<std::uint8_t, kNameSize> nameBytes_{};
    // Slots 10..12 as loaded, so bytes without a value of their own travel back unchanged.
    std::array<std::uint8_t, 3 * kSlotSize> settingsBytes_{};
};

}  // namespace corva
