// import-eq, auto-eq, align and response --measurement as scripts use them: on preset files
// without a processor and on the built-in simulated processor.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "CliFixture.h"
#include "CliJson.h"

namespace corva::test {
namespace {

constexpr const char* kRewFilters =
    "Filter Settings file\n"
    "Room EQ V5.20\n"
    "Filter  1: ON  PK       Fc   100,0 Hz  Gain  -3,00 dB  Q  2,000\n"
    "Filter  2: ON  HS 12dB  Fc   8000 Hz  Gain  -2.0 dB\n"
    "Filter  3: ON  HP       Fc   45 Hz\n"
    "Filter  4: OFF PK       Fc   250 Hz  Gain  -6.00 dB  Q  4.000\n"
    "Filter  5: ON  None\n";

double NumberOf(const cJSON* object, const char* key) {
    const cJSON* value = Member(object, key);
    return cJSON_IsNumber(value) ? value->valuedouble : NAN;
}

std::string Contents(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

class CliTuningTest : public CliFixture {
protected:
    void SetUp() override {
        Write("rew.txt", kRewFilters);
        // A measurement with a peak, a dip and a rise, in REW's export with decimal commas.
        std::string text = "* Measurement data measured by REW\n* Freq(Hz);SPL(dB);Phase\n";
        for (double hz = 15.0; hz < 22000.0; hz *= std::exp2(1.0 / 48.0)) {
            const double db = 85.0 + 5.0 * std::exp(-std::pow(std::log2(hz / 1000.0) / 0.3, 2)) -
                              4.0 * std::exp(-std::pow(std::log2(hz / 150.0) / 0.5, 2)) +
                              2.0 * std::exp(-std::pow(std::log2(hz / 6000.0) / 0.2, 2));
            std::ostringstream line;
            line.precision(3);
            line << std::fixed << hz << ";" << db << ";0.0\n";
            std::string converted = line.str();
            for (char& c : converted) {
                c = c == '.' ? ',' : c;
            }
            text += converted;
        }
        Write("fl.txt", text);
        ASSERT_EQ(Sim({"read", "tune.qvms"}).exitCode, 0);
    }
    void Write(const std::string& name, const std::string& text) {
        std::ofstream(scratch.File(name), std::ios::binary) << text;
    }
};

TEST_F(CliTuningTest, ImportEqIntoAPresetFileReportsAndWritesEveryFilter) {
    const CliRun run = Offline({"--json", "import-eq", "rew.txt", "FR", "--file", "tune.qvms"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    JsonDocument report(run.out);
    ASSERT_TRUE(report.ok()) << run.out;
    EXPECT_TRUE(BoolOf(report.root(), "applied"));
    EXPECT_EQ(TextOf(report.root(), "format"), "rew");
    EXPECT_EQ(IntOf(report.root(), "bands_used"), 2);
    const cJSON* filters = Member(report.root(), "filters");
    ASSERT_EQ(SizeOf(filters), 5);
    EXPECT_EQ(TextOf(Item(filters, 0), "outcome"), "applied");
    EXPECT_LT(NumberOf(Item(filters, 0), "deviation_db"), 0.3);
    EXPECT_EQ(TextOf(Item(filters, 2), "target"), "hpf");
    EXPECT_EQ(TextOf(Item(filters, 3), "outcome"), "off");
    EXPECT_EQ(TextOf(Item(filters, 4), "outcome"), "empty");

    // The file now holds exactly what the report says.
    JsonDocument shown(Offline({"--json", "show", "tune.qvms"}).out);
    const cJSON* right = Channel(shown, 1);
    const cJSON* band1 = Item(Member(right, "eq"), 0);
    const cJSON* setting = Member(Item(filters, 0), "setting");
    EXPECT_EQ(IntOf(band1, "freq"), IntOf(setting, "freq"));
    EXPECT_EQ(IntOf(band1, "gain_code"), 570);  // -3.0 dB in the record
    EXPECT_EQ(IntOf(band1, "bw_index"), IntOf(setting, "bw_index"));
    EXPECT_EQ(IntOf(Item(Member(right, "eq"), 1), "type"), 2);  // high shelf
    EXPECT_EQ(IntOf(Member(right, "hpf"), "freq"),
              IntOf(Member(Item(filters, 2), "setting"), "freq"));
    EXPECT_EQ(IntOf(Item(Member(Channel(shown, 0), "eq"), 0), "gain_code"), 600);  // FL untouched
}

TEST_F(CliTuningTest, ImportEqRefusesUnsupportedFiltersAndChangesNothing) {
    Write("apo.txt",
          "Preamp: -3 dB\n"
          "Filter: ON PK Fc 1000 Hz Gain 24 dB Q 1\n"
          "Filter: ON NO Fc 500 Hz\n");
    const std::string before = Contents(scratch.File("tune.qvms"));
    const CliRun refused = Offline({"import-eq", "apo.txt", "SL", "--file", "tune.qvms"});
    EXPECT_EQ(refused.exitCode, 4);
    EXPECT_NE(
        refused.out.find("SL line 3 NO 500 Hz -> not applied: the processor has no NO filter"),
        std::string::npos)
        << refused.out;
    // The refusal is one error line that says how to import the others.
    ASSERT_EQ(refused.ErrLines().size(), 1u) << refused.err;
    EXPECT_NE(refused.err.find("nothing was applied"), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("--apply-rest"), std::string::npos) << refused.err;
    EXPECT_EQ(Contents(scratch.File("tune.qvms")), before);

    const CliRun rest =
        Offline({"import-eq", "apo.txt", "SL", "--apply-rest", "--file", "tune.qvms"});
    EXPECT_EQ(rest.exitCode, 0) << rest.err;
    EXPECT_NE(rest.out.find("SL preamp -3.0 dB not applied"), std::string::npos) << rest.out;
    // A gain beyond the band's range is limited, never silently.
    ASSERT_EQ(rest.ErrLines().size(), 1u) << rest.err;
    EXPECT_NE(rest.err.find("SL line 2: the gain +24.0 dB is beyond the band's range and was "
                            "limited to +20.0 dB."),
              std::string::npos)
        << rest.err;
    EXPECT_NE(Contents(scratch.File("tune.qvms")), before);

    // A file that is not a filter list: a file error before anything else.
    const CliRun broken = Offline({"import-eq", "fl.txt", "SL", "--file", "tune.qvms"});
    EXPECT_EQ(broken.exitCode, 2);
    EXPECT_NE(broken.err.find("holds no filters"), std::string::npos) << broken.err;
}

TEST_F(CliTuningTest, ImportEqOnTheProcessorReachesItWithTheCrossoverStepped) {
    // The high-pass climbs from 20 Hz to about 45 Hz in octave steps through the change scan;
    // the report is printed once the processor has answered everything.
    const CliRun run = Sim({"--json", "import-eq", "rew.txt", "SR"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    JsonDocument report(run.out);
    const cJSON* filters = Member(report.root(), "filters");
    JsonDocument info(Sim({"--json", "info"}).out);
    const cJSON* rear = Channel(info, 3);
    EXPECT_EQ(IntOf(Member(rear, "hpf"), "freq"),
              IntOf(Member(Item(filters, 2), "setting"), "freq"));
    EXPECT_EQ(IntOf(Item(Member(rear, "eq"), 0), "gain_code"), 570);
    EXPECT_EQ(IntOf(Item(Member(rear, "eq"), 1), "type"), 2);
}

TEST_F(CliTuningTest, AutoEqOnTheProcessorAppliesTheFitAndADryRunChangesNothing) {
    const std::string before = Sim({"--json", "info"}).out;
    const CliRun dry = Sim({"--json", "auto-eq", "fl.txt", "FL", "--dry-run"});
    ASSERT_EQ(dry.exitCode, 0) << dry.err;
    EXPECT_EQ(Sim({"--json", "info"}).out, before);

    const CliRun run =
        Sim({"--json", "auto-eq", "fl.txt", "FL", "--max-boost", "4", "--range", "30-18000"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    JsonDocument report(run.out);
    ASSERT_TRUE(report.ok()) << run.out;
    const double rmsBefore = NumberOf(Member(report.root(), "before"), "rms_db");
    const double rmsAfter = NumberOf(Member(report.root(), "after"), "rms_db");
    EXPECT_GT(rmsBefore, 1.2);
    EXPECT_LT(rmsAfter, 0.5);
    const cJSON* bands = Member(report.root(), "bands");
    ASSERT_EQ(SizeOf(bands), 31);
    JsonDocument info(Sim({"--json", "info"}).out);
    for (int j = 0; j < 31; ++j) {
        EXPECT_LE(NumberOf(Item(bands, j), "gain_db"), 4.0);
        const cJSON* band = Item(Member(Channel(info, 0), "eq"), j);
        EXPECT_EQ(IntOf(band, "gain_code"), IntOf(Item(bands, j), "gain_code") + 400) << j;
        EXPECT_EQ(IntOf(band, "freq"), IntOf(Item(bands, j), "freq")) << j;
    }

    // Smoothing the measurement first leaves less to correct.
    const CliRun smoothed =
        Sim({"--json", "auto-eq", "fl.txt", "FL", "--smooth", "3", "--dry-run"});
    ASSERT_EQ(smoothed.exitCode, 0) << smoothed.err;
    JsonDocument smoothedReport(smoothed.out);
    EXPECT_LT(NumberOf(Member(smoothedReport.root(), "before"), "largest_db"),
              NumberOf(Member(JsonDocument(dry.out).root(), "before"), "largest_db"));
    EXPECT_EQ(Sim({"auto-eq", "fl.txt", "FL", "--smooth", "0"}).exitCode, 1);

    const CliRun badRange = Sim({"auto-eq", "fl.txt", "FL", "--range", "10-100000"});
    EXPECT_EQ(badRange.exitCode, 1);
    Write("broken.txt", "20 1\n100 2\n50 3\n");
    const CliRun broken = Sim({"auto-eq", "broken.txt", "FL"});
    EXPECT_EQ(broken.exitCode, 2);
    EXPECT_NE(broken.err.find("Line 3: the frequencies must increase"), std::string::npos)
        << broken.err;
}

TEST_F(CliTuningTest, AlignSetsTheSixDelaysAndReportsALimitedOne) {
    const CliRun run =
        Sim({"--json", "align", "FL=120", "FR=95", "SL=140", "SR=140", "ULF=60", "Center=100"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    JsonDocument report(run.out);
    EXPECT_EQ(TextOf(report.root(), "farthest"), "SL");
    EXPECT_FALSE(BoolOf(report.root(), "limited"));
    JsonDocument info(Sim({"--json", "info"}).out);
    const int expected[] = {28, 62, 0, 0, 111, 55};
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(IntOf(Channel(info, c), "delay_code"), expected[c]) << c;
    }

    const CliRun limited = Offline({"align", "FL=300", "FR=80", "--file", "tune.qvms"});
    ASSERT_EQ(limited.exitCode, 0) << limited.err;
    EXPECT_NE(limited.out.find("FR 80.0 cm -> delay=5.396ms (code 259) limited"), std::string::npos)
        << limited.out;
    JsonDocument shown(Offline({"--json", "show", "tune.qvms"}).out);
    EXPECT_EQ(IntOf(Channel(shown, 1), "delay_code"), 259);

    EXPECT_EQ(Offline({"align", "FL=-3", "--file", "tune.qvms"}).exitCode, 1);
    EXPECT_EQ(Offline({"align", "FL=3", "fl=4", "--file", "tune.qvms"}).exitCode, 1);
    EXPECT_EQ(Offline({"align", "FL=3", "--unit", "ft", "--file", "tune.qvms"}).exitCode, 1);
}

TEST_F(CliTuningTest, ResponseWithAMeasurementPrintsMeasurementPlusChannel) {
    ASSERT_EQ(Offline({"import-eq", "rew.txt", "FL", "--file", "tune.qvms"}).exitCode, 0);
    const CliRun channel = Offline({"response", "tune.qvms", "FL"});
    const CliRun predicted = Offline({"response", "tune.qvms", "FL", "--measurement", "fl.txt"});
    ASSERT_EQ(predicted.exitCode, 0) << predicted.err;
    std::istringstream a(channel.out);
    std::istringstream b(predicted.out);
    std::string lineA;
    std::string lineB;
    int lines = 0;
    while (std::getline(a, lineA) && std::getline(b, lineB)) {
        ++lines;
        const double hz = std::stod(lineA.substr(0, lineA.find(',')));
        EXPECT_EQ(lineA.substr(0, lineA.find(',')), lineB.substr(0, lineB.find(',')));
        const double difference = std::stod(lineB.substr(lineB.find(',') + 1)) -
                                  std::stod(lineA.substr(lineA.find(',') + 1));
        if (std::abs(hz - 1000.0) < 0.5) {
            EXPECT_NEAR(difference, 90.0, 0.05);  // 85 dB plus the 5 dB peak
        }
        if (hz > 20000.0 - 0.5) {
            EXPECT_NEAR(difference, 85.0, 0.05);
        }
    }
    EXPECT_EQ(lines, 241);
}

}  // namespace
}  // namespace corva::test
