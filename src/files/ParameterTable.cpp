#include "files/ParameterTable.h"

#include <algorithm>
#include <string>

#include "core/ByteOrder.h"
#include "dsp/values/BandCodes.h"
#include "dsp/values/ValueLabels.h"
#include "files/ModeFile.h"
#include "model/TuningModel.h"

namespace corva {
namespace {

UiText Same(const std::string& text) {
    return UiText::Literal(text);
}

const ParameterRow& Headings() {
    static const ParameterRow kHeadings{{
        Tr("Files", "Args"),
        Tr("Files", "Front.Left"),
        Tr("Files", "Front.Right"),
        Tr("Files", "Rear.Left"),
        Tr("Files", "Rear.Right"),
        // Output 5 is the sub and output 6 the centre: each heading names the channel below it.
        Tr("Files", "Sub"),
        Tr("Files", "Center"),
    }};
    return kHeadings;
}

// Row labels of everything below the bands. The blanks inside three Chinese labels line them
// up with the four-character labels around them.
struct FixedRowLabel {
    int row;
    UiText label;
};
const std::array<FixedRowLabel, 13>& FixedRowLabels() {
    using namespace table_row;
    static const std::array<FixedRowLabel, 13> kLabels{{
        {kHighPassType, Tr("Files", "HPF_Type")},
        {kHighPassFrequency, Tr("Files", "HPF_Freq")},
        {kHighPassSlope, Tr("Files", "HPF_Oct")},
        {kLowPassType, Tr("Files", "LPF_Type")},
        {kLowPassFrequency, Tr("Files", "LPF_Freq")},
        {kLowPassSlope, Tr("Files", "LPF_Oct")},
        {kPolarity, Tr("Files", "POL")},
        {kDelay, Tr("Files", "Delay")},
        {kGain, Tr("Files", "Gain")},
        {kMute, Tr("Files", "Mute")},
        {kLimiterThreshold, Tr("Files", "Threshold")},
        {kLimiterAttack, Tr("Files", "Attach")},
        {kLimiterRelease, Tr("Files", "Release")},
    }};
    return kLabels;
}

void FillRowLabels(std::vector<ParameterRow>& rows) {
    using namespace table_row;
    for (int j = 0; j < kBandCount; ++j) {
        const std::string number = std::to_string(j + 1);
        rows[BandRow(j, kBandType)][0] = Tr("Files", "EQ%1 Type").Arg(number);
        rows[BandRow(j, kBandGain)][0] = Tr("Files", "EQ%1 Gain").Arg(number);
        rows[BandRow(j, kBandFrequency)][0] = Tr("Files", "EQ%1 Freq").Arg(number);
        rows[BandRow(j, kBandQ)][0] = Tr("Files", "EQ%1 Q").Arg(number);
    }
    for (const FixedRowLabel& fixed : FixedRowLabels()) {
        rows[static_cast<std::size_t>(fixed.row)][0] = fixed.label;
    }
}

bool IsShelf(const ChannelFilter& band) {
    return band.type() == FilterType::LowShelf || band.type() == FilterType::HighShelf;
}

// Cells of output channel `channel`, in column channel + 1.
void FillChannel(std::vector<ParameterRow>& rows, const OutputChannel& output, int channel,
                 int listeningDelayCode, DelayUnit delayUnit) {
    using namespace table_row;
    const auto column = static_cast<std::size_t>(channel + 1);
    auto cell = [&](int row) -> UiText& { return rows[static_cast<std::size_t>(row)][column]; };

    const ChannelEqualizer& eq = output.eq();
    const int bandCount = std::min(eq.BandCount(), kBandCount);
    for (int j = 0; j < bandCount; ++j) {
        const ChannelFilter& band = eq.Band(j);
        cell(BandRow(j, kBandType)) = BandTypeLabel(static_cast<int>(band.type()), band.geqMode());
        cell(BandRow(j, kBandGain)) = Same(BandGainLabel(band.gainDb(), band.ReportsBypass()));
        cell(BandRow(j, kBandFrequency)) = Same(FrequencyLabel(band.targetHz()));
        // A shelf has no bandwidth; its row shows how steep it is instead.
        cell(BandRow(j, kBandQ)) =
            Same(IsShelf(band) ? ShelfSlopeLabel(band.slope()) : QText(band.BandwidthIndex()));
    }

    const ChannelFilter& highPass = eq.HighPass();
    cell(kHighPassType) = CrossoverKindLabel(highPass.crossoverKind());
    cell(kHighPassFrequency) = Same(FrequencyLabel(highPass.targetHz()));
    cell(kHighPassSlope) = Same(CrossoverSlopeLabel(highPass.slope()));
    const ChannelFilter& lowPass = eq.LowPass();
    cell(kLowPassType) = CrossoverKindLabel(lowPass.crossoverKind());
    cell(kLowPassFrequency) = Same(FrequencyLabel(lowPass.targetHz()));
    cell(kLowPassSlope) = Same(CrossoverSlopeLabel(lowPass.slope()));

    cell(kPolarity) = PolarityLabel(output.polarity());
    cell(kDelay) = DelayTableText(listeningDelayCode, delayUnit);
    cell(kGain) = Same(ChannelGainLabel(output.gainZero() ? 0 : output.gainCode()));
    cell(kMute) = OnLabel(output.on());

    cell(kLimiterThreshold) = Same(LimiterThresholdLabel(output.limiterThresholdCode()));
    cell(kLimiterAttack) = Same(LimiterAttackLabel(output.limiterAttackCode()));
    cell(kLimiterRelease) = Same(LimiterReleaseLabel(output.limiterReleaseCode()));
}

}  // namespace

ParameterTable BuildParameterTable(const TuningModel& model,
                                   std::span<const std::uint8_t, kListeningTableSize> listening,
                                   DelayUnit delayUnit) {
    ParameterTable table;
    table.headings = Headings();
    table.rows.resize(kParameterTableRows);
    FillRowLabels(table.rows);

    // The table may come from a file or the processor: a current position above the last row
    // reads as the last row.
    const std::size_t positionRow = listening_table::RowOffset(CurrentPosition(listening));
    for (int channel = 0; channel < kOutputChannelCount; ++channel) {
        const int delayCode =
            ReadLe16Signed(listening, positionRow + 2 * static_cast<std::size_t>(channel));
        FillChannel(table.rows, model.output(channel), channel, delayCode, delayUnit);
    }
    return table;
}

ParameterTableText TableText(const ParameterTable& table, UiLanguage language) {
    ParameterTableText text;
    text.facts = table.facts;
    for (std::size_t k = 0; k < text.headings.size(); ++k) {
        text.headings[k] = table.headings[k].In(language);
    }
    text.rows.reserve(table.rows.size());
    for (const ParameterRow& row : table.rows) {
        ParameterTextRow& line = text.rows.emplace_back();
        for (std::size_t k = 0; k < line.size(); ++k) {
            line[k] = row[k].In(language);
        }
    }
    return text;
}

ParameterTable BuildParameterTable(const TuningSession& session, DelayUnit unitSetting) {
    SessionState& state = session.engine();
    std::lock_guard lock(state.sendLock);
    return BuildParameterTable(state.model, state.image.ListeningPositions(), unitSetting);
}

}  // namespace corva
