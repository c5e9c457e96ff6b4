// The parameter table of the six output channels: one row per parameter, one column per
// channel, with the texts the channel pages show. The report, its exports and its printout all
// read this one table.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/UiText.h"
#include "dsp/values/DelayCodes.h"
#include "model/TuningSession.h"
#include "protocol/ImageLayout.h"

namespace corva {

class TuningModel;

inline constexpr int kParameterTableColumns = 7;  // the row label, then output channels 0..5
inline constexpr int kParameterTableRows = 172;

// Where each parameter sits. Band j takes rows 5j..5j+3 and leaves row 5j+4 empty; every
// block of rows ends with such an empty separator row.
namespace table_row {
inline constexpr int kRowsPerBand = 5;
inline constexpr int kBandType = 0;  // offsets inside a band's rows
inline constexpr int kBandGain = 1;
inline constexpr int kBandFrequency = 2;
inline constexpr int kBandQ = 3;  // the shelf slope for a shelf band
inline constexpr int kBandCount = 31;
inline constexpr int kHighPassType = 155;
inline constexpr int kHighPassFrequency = 156;
inline constexpr int kHighPassSlope = 157;
inline constexpr int kLowPassType = 159;
inline constexpr int kLowPassFrequency = 160;
inline constexpr int kLowPassSlope = 161;
inline constexpr int kPolarity = 163;
inline constexpr int kDelay = 164;
inline constexpr int kGain = 165;
inline constexpr int kMute = 166;
inline constexpr int kLimiterThreshold = 168;
inline constexpr int kLimiterAttack = 169;
inline constexpr int kLimiterRelease = 170;
inline constexpr int BandRow(int band, int offset) {
    return kRowsPerBand * band + offset;
}
}  // namespace table_row

using ParameterRow = std::array<UiText, kParameterTableColumns>;

// What a report says about the tuning besides the table (UTF-8 texts): its name, where it
// came from, when the report was made, and the client's texts of a preset file when they are
// filled in. Empty fields are left out of the report.
struct ReportFacts {
    std::string tuningName;
    UiText source;       // "File car.qvma", "Processor (USB …)"
    std::string madeAt;  // local date and time, "2026-12-09 16:40"
    std::string clientName;
    std::string vehicle;  // the car's brand and model
};

// Both languages of every text.
struct ParameterTable {
    ParameterRow headings;
    std::vector<ParameterRow> rows;  // kParameterTableRows rows; column 0 is the row label
    ReportFacts facts;               // filled by the caller (export/ReportFacts.h)
};

// The texts of one language, as exported and printed.
using ParameterTextRow = std::array<std::string, kParameterTableColumns>;
struct ParameterTableText {
    ParameterTextRow headings;
    std::vector<ParameterTextRow> rows;
    ReportFacts facts;
};

// The table of the model's output channels. The delay row shows, for each channel, its delay
// in the current position's row of the listening-position table (system field 64), in the
// table's reading of the delay unit setting.
ParameterTable BuildParameterTable(const TuningModel& model,
                                   std::span<const std::uint8_t, kListeningTableSize> listening,
                                   DelayUnit delayUnit);

ParameterTableText TableText(const ParameterTable& table, UiLanguage language);

// The table of a session's live tuning, built under its lock.
ParameterTable BuildParameterTable(const TuningSession& session, DelayUnit unitSetting);

}  // namespace corva
