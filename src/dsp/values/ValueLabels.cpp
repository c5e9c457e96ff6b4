#include "dsp/values/ValueLabels.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "dsp/values/BandCodes.h"
#include "dsp/values/EntryLimits.h"
#include "dsp/values/NumberText.h"

namespace corva {
namespace {

// Entry `index` of a fixed text list; an empty text for a value the list does not name (a
// damaged file or an unknown answer must not read past the list).
template <typename Text, std::size_t N>
Text Pick(const std::array<Text, N>& texts, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= N) {
        return Text{};
    }
    return texts[static_cast<std::size_t>(index)];
}

constexpr int kBandTypePeaking = 0;
constexpr int kBandTypeLowShelf = 1;
constexpr int kBandTypeHighShelf = 2;
constexpr int kLevelOffset = 80;

std::string DbText(double db) {
    return detail::FixedText(db, 1) + "dB";
}

}  // namespace

// ---- Equaliser bands and crossovers ----

std::string FrequencyLabel(int frequencyHz) {
    return detail::IntText(frequencyHz) + "Hz";
}

std::string BandGainLabel(double gainDb, bool bypassed) {
    return bypassed ? std::string{"0.0dB"} : DbText(gainDb);
}

std::string FrequencyNumber(int frequencyHz) {
    return detail::IntText(frequencyHz);
}

std::string BandGainNumber(double gainDb, bool bypassed) {
    return bypassed ? std::string{"0.0"} : detail::FixedText(gainDb, 1);
}

std::string BandwidthLabel(double octaves) {
    return detail::FixedText(octaves, 2) + "Oct";
}

UiText BandTypeLabel(int type, bool geqMode) {
    if (type == kBandTypePeaking) {
        return geqMode ? Tr("Values", "GEQ") : Tr("Values", "PEQ");
    }
    if (type == kBandTypeLowShelf) {
        return Tr("Values", "Lo_Shf");
    }
    if (type == kBandTypeHighShelf) {
        return Tr("Values", "Hi_Shf");
    }
    return {};
}

std::string ShelfSlopeLabel(int slope) {
    static const std::array<std::string, 2> kSlopes{"6dB/Oct", "12dB/Oct"};
    return Pick(kSlopes, slope);
}

UiText CrossoverKindLabel(int kind) {
    static const std::array<UiText, 3> kKinds{{
        Tr("Values", "Link_Ril"),
        Tr("Values", "Butter_W"),
        Tr("Values", "Bessel"),
    }};
    return Pick(kKinds, kind);
}

std::string CrossoverSlopeLabel(int slopeIndex) {
    static const std::array<std::string, 9> kSlopes{
        "6dB/Oct",  "12dB/Oct", "18dB/Oct", "24dB/Oct", "30dB/Oct",
        "36dB/Oct", "42dB/Oct", "48dB/Oct", "OFF",
    };
    return Pick(kSlopes, slopeIndex);
}

std::string BandCaption(int type, bool geqMode, int frequencyHz, int bandwidthIndex, double gainDb,
                        bool bypassed, int slope) {
    const std::string frequency = detail::IntText(frequencyHz) + "Hz ";
    // A bypassed band is flat, so its caption shows 0.0 dB like its gain label, shelves too.
    const std::string gain = BandGainLabel(gainDb, bypassed);
    if (type == kBandTypePeaking) {
        return std::string{geqMode ? "GEQ " : "PEQ "} + frequency + QText(bandwidthIndex) + "Q " +
               gain;
    }
    if (type == kBandTypeLowShelf || type == kBandTypeHighShelf) {
        return std::string{type == kBandTypeLowShelf ? "Lo " : "Hi "} + frequency +
               ShelfSlopeLabel(slope) + " " + gain;
    }
    return frequency;  // crossover filters
}

// ---- Output channel strip ----

double ChannelGainDb(int gainCode) {
    return gainCode * 0.1 - 60.0;
}

std::string ChannelGainLabel(int gainCode) {
    // The gain-zero state: the bottom of the fader reads as the bottom value exactly.
    if (gainCode == 0) {
        return "-60.0dB";
    }
    return DbText(ChannelGainDb(gainCode));
}

int ShiftedChannelGainCode(int otherCode, int difference) {
    const long long shifted = static_cast<long long>(otherCode) + difference;
    return static_cast<int>(std::clamp<long long>(shifted, 0, kChannelGainCodeMax));
}

UiText PolarityLabel(int polarity) {
    return polarity == 0 ? Tr("Values", "Pol+") : Tr("Values", "Pol-");
}

UiText OnLabel(int on) {
    return on != 0 ? Tr("Values", "On") : Tr("Values", "OFF", "mute state");
}

std::string LimiterThresholdLabel(int thresholdCode) {
    return detail::FixedText(thresholdCode * 0.1 - 30.0, 1) + "dBu";
}

std::string LimiterAttackLabel(int attackCode) {
    // 0.3..0.9 ms in tenths, then 1..100 ms in whole milliseconds.
    if (attackCode <= 6) {
        return detail::FixedText((attackCode + 3) * 0.1, 1) + "ms";
    }
    return detail::IntText(attackCode - 6) + "ms";
}

std::string LimiterReleaseLabel(int releaseCode) {
    static const std::array<std::string, 6> kReleases{
        "Atk * 2", "Atk * 4", "Atk * 6", "Atk * 8", "Atk * 16", "Atk * 32",
    };
    return Pick(kReleases, releaseCode);
}

UiText LevelALabel(int value) {
    if (value == kLevelOffset) {
        return Tr("Values", "OFF");
    }
    const std::string text = DbText(value - kLevelOffset);
    return UiText::Literal(text);
}

std::string LevelBLabel(int value) {
    return DbText(value - kLevelOffset);
}

// ---- Main volume ----

UiText MainVolumeLabel(int volumeCode) {
    if (volumeCode <= 0) {
        return Tr("Values", "OFF");
    }
    const std::string text = detail::FixedText(MainVolumeDb(volumeCode), 0) + "dB";
    return UiText::Literal(text);
}

bool IsMainVolumeOffText(std::string_view text, std::string_view shownOffWord) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    if (!shownOffWord.empty() && text == shownOffWord) {
        return true;
    }
    return text.size() == 3 && std::equal(text.begin(), text.end(), "off", [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == b;
           });
}

// ---- Routing shares ----

std::string ShareLabel(int share, bool off) {
    return off ? std::string{"0%"} : detail::IntText(share) + "%";
}

std::string BalanceLabel(int balance) {
    return detail::IntText(balance) +
           "%:" + detail::IntText(100 - static_cast<long long>(balance)) + "%";
}

std::string SwitchBitLabel(int bits, int bit) {
    const bool set = bit >= 0 && bit < 31 && ((bits >> bit) & 1) != 0;
    return set ? "On" : "OFF";
}

}  // namespace corva
