// REW and Equalizer APO filter files placed on a channel: reading every filter form, snapping
// to the processor's steps, the report, and refusing what the processor cannot hold.
#include <gtest/gtest.h>

#include "dsp/values/BandCodes.h"
#include "model/ChannelEditor.h"
#include "tuning/FilterImport.h"
#include "tuning/IdealFilters.h"
#include "tuning/ProcessorFit.h"

namespace corva::tuning {
namespace {

// Written in REW's "Filter Settings" layout: header lines, every filter form, an OFF line,
// empty slots and decimal commas.
constexpr const char* kRewText =
    "Filter Settings file\n"
    "\n"
    "Room EQ V5.20\n"
    "Dated: 9 Dec 2026 10:12:00\n"
    "\n"
    "Notes: front left door\n"
    "\n"
    "Equaliser: Generic\n"
    "Average 1\n"
    "Filter  1: ON  PK       Fc   100.0 Hz  Gain  -3.00 dB  Q  2.000\n"
    "Filter  2: ON  PK       Fc   1000,0 Hz  Gain  4,50 dB  Q  1,414\n"
    "Filter  3: ON  LS       Fc   80.00 Hz  Gain   5.00 dB\n"
    "Filter  4: ON  HS 6dB   Fc   8000 Hz  Gain  -2.0 dB\n"
    "Filter  5: ON  LS 12dB  Fc   60 Hz  Gain  2.0 dB\n"
    "Filter  6: ON  HS Q     Fc   6000 Hz  Gain  1.5 dB  Q 0.9\n"
    "Filter  7: OFF PK       Fc   250.0 Hz  Gain  -6.00 dB  Q  4.000\n"
    "Filter  8: ON  HP       Fc   40.0 Hz\n"
    "Filter  9: ON  LP       Fc   18000 Hz\n"
    "Filter 10: ON  None\n"
    "Filter 11: OFF None\n"
    "Filter 12: ON  PK       Fc   3000 Hz  Gain   0.00 dB  Q  1.000\n";

// Written in Equalizer APO's configuration layout.
constexpr const char* kApoText =
    "# car, measured at the driver's seat\n"
    "Preamp: -6.5 dB\n"
    "Channel: L\n"
    "Filter: ON PK Fc 63 Hz Gain -4.0 dB Q 3.0\n"
    "Filter 2: ON PEQ Fc 2000 Hz Gain 2.5 dB Q 1.0\n"
    "Filter: ON LSC 12 dB Fc 100 Hz Gain 3.0 dB\n"
    "Filter: ON HSC Fc 5000 Hz Gain -2.0 dB Q 0.707\n"
    "Filter: ON LSC Fc 90 Hz Gain 1.0 dB\n"
    "Filter: ON HP Fc 50 Hz Q 0.5\n"
    "Channel: R SUB\n"
    "Filter: ON PK Fc 45 Hz Gain -8.0 dB Q 5.0\n"
    "Filter: ON LP Fc 80 Hz\n"
    "Channel: all\n"
    "Filter: ON PK Fc 12000 Hz Gain 1.0 dB BW Oct 1.0\n";

OutputView DefaultChannel() {
    TuningSession session;
    return session.Snapshot().outputs[0];
}

TEST(FilterFile, ReadsEveryRewFilterForm) {
    const FilterFileRead read = ParseFilterFile(kRewText);
    ASSERT_TRUE(read.status.ok()) << read.status.message().In(UiLanguage::English);
    EXPECT_EQ(read.format, FilterFileFormat::Rew);
    ASSERT_EQ(read.filters.size(), 12u);
    const auto& pk = read.filters[0];
    EXPECT_EQ(pk.type, FileFilterType::Peaking);
    EXPECT_DOUBLE_EQ(pk.frequencyHz, 100.0);
    EXPECT_DOUBLE_EQ(pk.gainDb, -3.0);
    EXPECT_DOUBLE_EQ(*pk.q, 2.0);
    EXPECT_EQ(pk.lineNumber, 10);
    // Decimal commas.
    EXPECT_DOUBLE_EQ(read.filters[1].frequencyHz, 1000.0);
    EXPECT_DOUBLE_EQ(read.filters[1].gainDb, 4.5);
    EXPECT_DOUBLE_EQ(*read.filters[1].q, 1.414);
    // Shelves without and with a slope, and with Q.
    EXPECT_EQ(read.filters[2].type, FileFilterType::LowShelf);
    EXPECT_FALSE(read.filters[2].slopeDbPerOctave.has_value());
    EXPECT_EQ(read.filters[3].type, FileFilterType::HighShelf);
    EXPECT_DOUBLE_EQ(*read.filters[3].slopeDbPerOctave, 6.0);
    EXPECT_DOUBLE_EQ(*read.filters[4].slopeDbPerOctave, 12.0);
    EXPECT_FALSE(read.filters[6].enabled);
    EXPECT_EQ(read.filters[7].type, FileFilterType::HighPass);
    EXPECT_EQ(read.filters[8].type, FileFilterType::LowPass);
    EXPECT_EQ(read.filters[9].type, FileFilterType::Empty);
    EXPECT_EQ(read.filters[10].type, FileFilterType::Empty);
}

TEST(FilterFile, ReadsApoLinesWithTheirChannels) {
    const FilterFileRead read = ParseFilterFile(kApoText);
    ASSERT_TRUE(read.status.ok()) << read.status.message().In(UiLanguage::English);
    EXPECT_EQ(read.format, FilterFileFormat::Apo);
    EXPECT_TRUE(read.choosesChannels);
    EXPECT_DOUBLE_EQ(*read.preampDb, -6.5);
    ASSERT_EQ(read.filters.size(), 9u);
    EXPECT_EQ(read.filters[1].type, FileFilterType::Peaking);   // PEQ
    EXPECT_DOUBLE_EQ(*read.filters[2].slopeDbPerOctave, 12.0);  // "LSC 12 dB"
    EXPECT_DOUBLE_EQ(*read.filters[3].q, 0.707);
    EXPECT_DOUBLE_EQ(*read.filters[5].q, 0.5);
    EXPECT_NEAR(*read.filters[8].q, 1.4142, 1e-4);  // one octave
    EXPECT_TRUE(FilterIsForChannel(read.filters[0].channels, 0));
    EXPECT_FALSE(FilterIsForChannel(read.filters[0].channels, 1));
    EXPECT_TRUE(FilterIsForChannel(read.filters[6].channels, 1));
    EXPECT_TRUE(FilterIsForChannel(read.filters[6].channels, 4));  // SUB is the ULF output
    EXPECT_FALSE(FilterIsForChannel(read.filters[6].channels, 5));
    for (int c = 0; c < 6; ++c) {
        EXPECT_TRUE(FilterIsForChannel(read.filters[8].channels, c));
    }
    EXPECT_TRUE(FilterIsForChannel({"center"}, 5));
    EXPECT_TRUE(FilterIsForChannel({"3"}, 2));
}

TEST(FilterFile, RefusesLinesItCannotReadNamingTheLine) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"Filter 1: ON PK Fc 100 Hz Gain -3 dB\n", "Line 1: the filter cannot be read (no Q)."},
        {"Filter 1: ON PK Gain -3 dB Q 2\n", "Line 1: the filter cannot be read (no Fc)."},
        {"Filter 1: MAYBE PK Fc 100 Hz Gain -3 dB Q 2\n",
         "Line 1: the filter cannot be read (ON or OFF expected)."},
        {"Filter 1: ON PK Fc abc Hz Gain -3 dB Q 2\n", "Line 1: the filter cannot be read (Fc)."},
        {"Filter 1: ON PK Fc 100 Hz Gain -3 dB Q 0\n", "Line 1: the filter cannot be read (Q)."},
        {"Filter 1: ON PK Fc 100 Hz Gain -3 dB Q 2 Wobble 4\n",
         "Line 1: the filter cannot be read (\"Wobble\")."},
        {"Preamp: loud\n", "Line 1: the preamp gain cannot be read."},
        {"Room EQ V5.20\nNotes: nothing here\n", "The text holds no filters."},
    };
    for (const auto& c : cases) {
        const FilterFileRead read = ParseFilterFile(c.text);
        EXPECT_FALSE(read.status.ok()) << c.text;
        EXPECT_EQ(read.status.message().In(UiLanguage::English), c.message);
        EXPECT_FALSE(read.status.message().In(UiLanguage::Chinese).empty());
    }
}

TEST(FilterImport, PlacesRewFiltersOnBandsAndCrossoversWithTheirDeviation) {
    const FilterFileRead read = ParseFilterFile(kRewText);
    const FilterImport plan = PlanFilterImport(read, 0, DefaultChannel(), RestPolicy::RefuseAll);
    ASSERT_FALSE(plan.refused) << plan.refusal.In(UiLanguage::English);
    ASSERT_EQ(plan.filters.size(), 12u);
    const ImportOutcome expected[] = {
        ImportOutcome::Applied, ImportOutcome::Applied, ImportOutcome::Applied,
        ImportOutcome::Applied, ImportOutcome::Applied, ImportOutcome::Applied,
        ImportOutcome::Off,     ImportOutcome::Applied, ImportOutcome::Applied,
        ImportOutcome::Empty,   ImportOutcome::Empty,   ImportOutcome::Flat,
    };
    for (std::size_t k = 0; k < plan.filters.size(); ++k) {
        EXPECT_EQ(plan.filters[k].outcome, expected[k]) << k;
    }
    EXPECT_EQ(plan.bandsUsed, 6);

    // Filter 1: band 1 on the grid point nearest 100 Hz, -3.0 dB exactly, the bandwidth step
    // whose curve is closest to Q 2.
    const ImportedFilter& pk = plan.filters[0];
    EXPECT_EQ(pk.target, ImportTarget::Band);
    EXPECT_EQ(pk.band, 0);
    EXPECT_EQ(pk.bandSetting.type, FilterType::Peaking);
    EXPECT_EQ(pk.bandSetting.gainCode, BandGainCode(-3.0));
    EXPECT_EQ(NearestGridIndex(pk.bandSetting.frequencyHz), NearestGridIndex(100.0));
    EXPECT_LT(pk.deviationDb, 0.3);
    // The reported deviation is the processor's curve against the file's.
    EXPECT_DOUBLE_EQ(pk.deviationDb, LargestDeviationDb(BandResponse(pk.bandSetting),
                                                        IdealFilterResponse(pk.filter)));
    // The neighbouring bandwidth steps are no closer.
    for (const int step : {-1, 1}) {
        BandSetting other = pk.bandSetting;
        other.bandwidthIndex += step;
        EXPECT_GE(LargestDeviationDb(BandResponse(other), IdealFilterResponse(pk.filter)),
                  pk.deviationDb);
    }

    // Shelves become the band's shelf types; a fixed slope is kept.
    EXPECT_EQ(plan.filters[2].bandSetting.type, FilterType::LowShelf);
    EXPECT_EQ(plan.filters[3].bandSetting.type, FilterType::HighShelf);
    EXPECT_EQ(plan.filters[3].bandSetting.slope, 0);
    EXPECT_EQ(plan.filters[4].bandSetting.slope, 1);
    EXPECT_EQ(plan.filters[5].bandSetting.type, FilterType::HighShelf);
    for (int k = 2; k <= 5; ++k) {
        EXPECT_LT(plan.filters[static_cast<std::size_t>(k)].deviationDb, 1.5) << k;
    }

    // High- and low-pass become the crossovers, second order.
    ASSERT_TRUE(plan.settings.highPass.has_value());
    ASSERT_TRUE(plan.settings.lowPass.has_value());
    EXPECT_EQ(plan.settings.highPass->slope, 1);
    EXPECT_EQ(plan.settings.highPass->kind, static_cast<int>(CrossoverKind::Butterworth));
    EXPECT_NEAR(plan.settings.highPass->frequencyHz, 40, 2);
    EXPECT_LT(plan.filters[7].deviationDb, 0.5);

    // Unused bands are flat; the whole import is measured too.
    for (int j = 6; j < 31; ++j) {
        EXPECT_EQ(plan.settings.bands[static_cast<std::size_t>(j)].gainCode, kBandGainCodeFlat);
    }
    EXPECT_DOUBLE_EQ(plan.largestDeviationDb,
                     LargestDeviationDb(plan.fileResponse, plan.processorResponse));
    EXPECT_LT(plan.largestDeviationDb, 2.0);
}

TEST(FilterImport, ApoChannelLinesChooseTheFiltersOfEachOutput) {
    const FilterFileRead read = ParseFilterFile(kApoText);
    const FilterImport left = PlanFilterImport(read, 0, DefaultChannel(), RestPolicy::RefuseAll);
    ASSERT_FALSE(left.refused) << left.refusal.In(UiLanguage::English);
    EXPECT_EQ(left.filters.size(), 7u);  // six for L and one for all
    EXPECT_EQ(left.bandsUsed, 6);
    ASSERT_TRUE(left.settings.highPass.has_value());
    // Q 0.5 is the Linkwitz-Riley second-order shape.
    EXPECT_EQ(left.settings.highPass->kind, static_cast<int>(CrossoverKind::LinkwitzRiley));
    EXPECT_FALSE(left.settings.lowPass.has_value());
    EXPECT_DOUBLE_EQ(*left.preampDb, -6.5);

    const FilterImport sub = PlanFilterImport(read, 4, DefaultChannel(), RestPolicy::RefuseAll);
    ASSERT_FALSE(sub.refused) << sub.refusal.In(UiLanguage::English);
    EXPECT_EQ(sub.filters.size(), 3u);
    EXPECT_EQ(sub.bandsUsed, 2);
    ASSERT_TRUE(sub.settings.lowPass.has_value());
    EXPECT_NEAR(sub.settings.lowPass->frequencyHz, 80, 3);

    const FilterImport centre = PlanFilterImport(read, 5, DefaultChannel(), RestPolicy::RefuseAll);
    EXPECT_EQ(centre.filters.size(), 1u);
}

TEST(FilterImport, RefusesMoreFiltersThanBandsOrUnsupportedTypesUnlessAskedToApplyTheRest) {
    std::string text;
    for (int k = 1; k <= 33; ++k) {
        text += "Filter " + std::to_string(k) + ": ON PK Fc " + std::to_string(100 + 100 * k) +
                " Hz Gain -1.0 dB Q 4.0\n";
    }
    text += "Filter 34: ON BP Fc 500 Hz Q 2.0\n";
    text += "Filter 35: ON HP Fc 30 Hz\n";
    text += "Filter 36: ON HP Fc 35 Hz\n";
    const FilterFileRead read = ParseFilterFile(text);
    ASSERT_TRUE(read.status.ok()) << read.status.message().In(UiLanguage::English);

    const FilterImport refused = PlanFilterImport(read, 0, DefaultChannel(), RestPolicy::RefuseAll);
    EXPECT_TRUE(refused.refused);
    EXPECT_NE(refused.refusal.In(UiLanguage::English).find("4 filter(s)"), std::string::npos)
        << refused.refusal.In(UiLanguage::English);
    EXPECT_EQ(refused.filters[31].outcome, ImportOutcome::NoRoom);
    EXPECT_EQ(refused.filters[32].outcome, ImportOutcome::NoRoom);
    EXPECT_EQ(refused.filters[33].outcome, ImportOutcome::Unsupported);
    EXPECT_EQ(refused.filters[33].note.In(UiLanguage::English), "the processor has no BP filter");
    EXPECT_EQ(refused.filters[34].outcome, ImportOutcome::Applied);
    EXPECT_EQ(refused.filters[35].outcome, ImportOutcome::NoRoom);  // one high-pass only

    const FilterImport rest = PlanFilterImport(read, 0, DefaultChannel(), RestPolicy::ApplyRest);
    EXPECT_FALSE(rest.refused);
    EXPECT_EQ(rest.bandsUsed, 31);
    EXPECT_TRUE(rest.settings.highPass.has_value());
}

TEST(FilterImport, AHighPassAboveTheChannelsLowPassDoesNotFit) {
    OutputView channel = DefaultChannel();
    channel.lowPass.frequencyHz = 500;  // a sub channel
    const FilterFileRead read = ParseFilterFile("Filter 1: ON HP Fc 2000 Hz\n");
    const FilterImport plan = PlanFilterImport(read, 4, channel, RestPolicy::RefuseAll);
    EXPECT_TRUE(plan.refused);
    EXPECT_EQ(plan.filters[0].outcome, ImportOutcome::NoRoom);
    EXPECT_FALSE(plan.settings.highPass.has_value());
}

TEST(FilterImport, TheEditApiAppliesAPlanToTheLinkedPairInOneStep) {
    TuningSession session;
    ChannelEditor editor(session);
    editor.LinkPair(0, LinkDirection::LeftToRight);
    editor.SetBandGainDb(0, 20, 6.0);  // an old band the import must clear
    const FilterImport plan = PlanFilterImport(
        ParseFilterFile(kRewText), 0, session.Snapshot().outputs[0], RestPolicy::RefuseAll);
    ASSERT_FALSE(plan.refused);
    editor.ApplyEqualizer(0, plan.settings);
    const TuningSnapshot after = session.Snapshot();
    for (const int c : {0, 1}) {
        const OutputView& out = after.outputs[static_cast<std::size_t>(c)];
        for (int j = 0; j < 31; ++j) {
            const BandSetting& wanted = plan.settings.bands[static_cast<std::size_t>(j)];
            const BandView& band = out.bands[static_cast<std::size_t>(j)];
            EXPECT_EQ(band.type, static_cast<int>(wanted.type)) << c << "/" << j;
            EXPECT_EQ(band.frequencyHz, wanted.frequencyHz) << c << "/" << j;
            EXPECT_EQ(band.gainCode, wanted.gainCode) << c << "/" << j;
            EXPECT_EQ(band.bypassed, wanted.gainCode == kBandGainCodeFlat);
            if (wanted.gainCode != kBandGainCodeFlat) {
                EXPECT_EQ(band.bandwidthIndex, wanted.bandwidthIndex);
            }
        }
        EXPECT_EQ(out.highPass.frequencyHz, plan.settings.highPass->frequencyHz);
        EXPECT_EQ(out.lowPass.frequencyHz, plan.settings.lowPass->frequencyHz);
        // The channel's curve is the one the import reported.
        EXPECT_LT(LargestDeviationDb(out.response, plan.processorResponse), 1e-9);
    }
    EXPECT_EQ(after.outputs[2].bands[0].gainCode, kBandGainCodeFlat);  // others untouched
}

TEST(FilterImport, AlignedDelaysAreOneEditThatKeepsTheSubPairTogether) {
    TuningSession session;
    ChannelEditor editor(session);
    editor.LinkPair(2, LinkDirection::LeftToRight);
    editor.CommitDelays({10, 20, 30, 40, 50, 60});
    auto out = session.Snapshot().outputs;
    const int given[] = {10, 20, 30, 40, 50, 60};
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(out[static_cast<std::size_t>(c)].delayCode, given[c]);  // exactly as given
    }
    // Only channel 5 given: its linked partner moves by the same difference.
    editor.CommitDelays({std::nullopt, std::nullopt, std::nullopt, std::nullopt, 70, std::nullopt});
    out = session.Snapshot().outputs;
    EXPECT_EQ(out[4].delayCode, 70);
    EXPECT_EQ(out[5].delayCode, 80);
    EXPECT_EQ(out[0].delayCode, 10);
}

}  // namespace
}  // namespace corva::tuning
