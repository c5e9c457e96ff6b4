// The parameter table built from a loaded tuning: its shape and row labels, which value lands
// in which row and column, and the delay row's use of the listening-position table.
#include <gtest/gtest.h>

#include "core/ByteOrder.h"
#include "dsp/values/BandCodes.h"
#include "files/ParameterTable.h"
#include "model/DefaultOutputBlock.h"
#include "model/TuningModel.h"
#include "support/Rendered.h"

namespace corva {
namespace {

using namespace table_row;

// A live record of default output blocks that each test changes before loading it.
class ParameterTableTest : public ::testing::Test {
protected:
    ParameterTableTest() {
        for (int c = 0; c < kOutputChannelCount; ++c) {
            const auto block = DefaultOutputBlock(c);
            std::copy(block.begin(), block.end(), image_.Live().begin() + record::OutputBlock(c));
        }
    }
    std::span<std::uint8_t> Slot(int channel, int slot) {
        return image_.Live().subspan(record::OutputBlock(channel) + kSlotSize * slot, kSlotSize);
    }
    void PutBand(int channel, int band, int frequencyHz, int gainCode, int bandwidthIndex,
                 int slope, FilterType type) {
        auto slot = Slot(channel, band);
        WriteLe16(slot, 0, frequencyHz);
        WriteLe16(slot, 2, gainCode + kBandRecordGainOffset);
        WriteLe16(slot, 4, bandwidthIndex);
        slot[6] = static_cast<std::uint8_t>(slope);
        slot[7] = static_cast<std::uint8_t>(type);
    }
    void PutListeningDelay(int position, int channel, int delayCode) {
        WriteLe16(image_.ListeningPositions(), 12 * position + 2 * channel, delayCode);
    }
    ParameterTable Build(DelayUnit unit = DelayUnit::Milliseconds) {
        model_.LoadFromImage(image_, 0);
        return BuildParameterTable(model_, image_.ListeningPositions(), unit);
    }
    static const UiText& Cell(const ParameterTable& table, int row, int channel) {
        return table.rows.at(row).at(channel + 1);
    }

    ParameterImage image_;
    TuningModel model_;
};

TEST_F(ParameterTableTest, ShapeHeadingsAndRowLabels) {
    const ParameterTable table = Build();
    ASSERT_EQ(table.rows.size(), 172u);
    EXPECT_EQ(test::Rendered(table.headings[0]), (test::BothLanguages{"Args", "参数"}));
    EXPECT_EQ(test::Rendered(table.headings[1]), (test::BothLanguages{"Front.Left", "前左"}));
    // Output 5 is the sub, output 6 the centre: each heading names the channel below it.
    EXPECT_EQ(test::Rendered(table.headings[5]), (test::BothLanguages{"Sub", "超低"}));
    EXPECT_EQ(test::Rendered(table.headings[6]), (test::BothLanguages{"Center", "中置"}));

    const std::vector<std::pair<int, test::BothLanguages>> labels{
        {0, {"EQ1 Type", "均衡1类型"}}, {3, {"EQ1 Q", "均衡1Q值"}},
        {5, {"EQ2 Type", "均衡2类型"}}, {152, {"EQ31 Freq", "均衡31频率"}},
        {157, {"HPF_Oct", "低切斜率"}}, {159, {"LPF_Type", "高切类型"}},
        {163, {"POL", "相  位"}},       {164, {"Delay", "延  时"}},
        {166, {"Mute", "静  音"}},      {169, {"Attach", "响应时间"}},
        {170, {"Release", "释放时间"}},
    };
    for (const auto& [row, label] : labels) {
        EXPECT_EQ(test::Rendered(table.rows[row][0]), label) << "row " << row;
    }
    // Separator rows are empty in every column; every other cell has both texts.
    for (int r = 0; r < 172; ++r) {
        const bool separator =
            (r < 155 && r % 5 == 4) || r == 158 || r == 162 || r == 167 || r == 171;
        for (const UiText& text : table.rows[r]) {
            EXPECT_EQ(separator,
                      text.In(UiLanguage::English).empty() && text.In(UiLanguage::Chinese).empty())
                << "row " << r;
        }
    }
}

TEST_F(ParameterTableTest, BandRowsShowTypeGainFrequencyAndQOrTheShelfSlope) {
    PutBand(1, 2, 120, 260, 16, 0, FilterType::LowShelf);    // +6.0 dB, 6 dB/oct
    PutBand(1, 3, 1000, 150, 16, 1, FilterType::Peaking);    // -5.0 dB, Q 6.864
    PutBand(1, 4, 8000, 230, 40, 1, FilterType::HighShelf);  // 12 dB/oct
    Slot(3, output_block::kStripSlot)[6] = 1;                // channel 3 graphic
    const ParameterTable table = Build();

    EXPECT_EQ(test::Rendered(Cell(table, BandRow(2, kBandType), 1)),
              (test::BothLanguages{"Lo_Shf", "低架"}));
    EXPECT_EQ(Cell(table, BandRow(2, kBandGain), 1).In(UiLanguage::English), "6.0dB");
    EXPECT_EQ(Cell(table, BandRow(2, kBandFrequency), 1).In(UiLanguage::English), "120Hz");
    EXPECT_EQ(test::Rendered(Cell(table, BandRow(2, kBandQ), 1)),
              (test::BothLanguages{"6dB/Oct", "6dB/Oct"}));
    EXPECT_EQ(Cell(table, BandRow(2, kBandQ) + 1, 1), UiText{});
    EXPECT_EQ(test::Rendered(Cell(table, BandRow(3, kBandType), 1)),
              (test::BothLanguages{"PEQ", "参量均衡"}));
    EXPECT_EQ(Cell(table, BandRow(3, kBandGain), 1).In(UiLanguage::Chinese), "-5.0dB");
    EXPECT_EQ(Cell(table, BandRow(3, kBandQ), 1).In(UiLanguage::English), "6.864");
    EXPECT_EQ(test::Rendered(Cell(table, BandRow(4, kBandType), 1)),
              (test::BothLanguages{"Hi_Shf", "高架"}));
    EXPECT_EQ(Cell(table, BandRow(4, kBandQ), 1).In(UiLanguage::English), "12dB/Oct");
    EXPECT_EQ(Cell(table, BandRow(2, kBandType), 0).In(UiLanguage::English),
              "PEQ");  // other channels unchanged
    EXPECT_EQ(test::Rendered(Cell(table, BandRow(0, kBandType), 3)),
              (test::BothLanguages{"GEQ", "图示均衡"}));
}

TEST_F(ParameterTableTest, CrossoverStripAndLimiterRowsComeFromTheirChannel) {
    auto crossover = Slot(4, output_block::kCrossoverSlot);
    crossover[2] = 0;  // Linkwitz-Riley
    crossover[3] = 3;  // 24 dB/oct
    crossover[6] = 2;  // low-pass Bessel
    crossover[7] = 8;  // low-pass off
    auto strip = Slot(4, output_block::kStripSlot);
    strip[0] = 0;            // muted
    strip[1] = 1;            // inverted
    WriteLe16(strip, 2, 0);  // gain at the bottom
    Slot(4, output_block::kLimiterSlot)[2] = 2;
    WriteLe16(Slot(5, output_block::kStripSlot), 2, 545);
    const ParameterTable table = Build();

    EXPECT_EQ(test::Rendered(Cell(table, kHighPassType, 4)),
              (test::BothLanguages{"Link_Ril", "宁克"}));
    EXPECT_EQ(Cell(table, kHighPassSlope, 4).In(UiLanguage::English), "24dB/Oct");
    EXPECT_EQ(test::Rendered(Cell(table, kLowPassType, 4)),
              (test::BothLanguages{"Bessel", "贝塞尔"}));
    EXPECT_EQ(Cell(table, kLowPassSlope, 4).In(UiLanguage::English), "OFF");
    EXPECT_EQ(test::Rendered(Cell(table, kPolarity, 4)), (test::BothLanguages{"Pol-", "反相"}));
    EXPECT_EQ(test::Rendered(Cell(table, kMute, 4)), (test::BothLanguages{"OFF", "静音"}));
    EXPECT_EQ(Cell(table, kGain, 4).In(UiLanguage::English), "-60.0dB");
    EXPECT_EQ(Cell(table, kLimiterAttack, 4).In(UiLanguage::English), "0.5ms");
    EXPECT_EQ(Cell(table, kGain, 5).In(UiLanguage::English), "-5.5dB");
}

TEST_F(ParameterTableTest, DelayIsTheCurrentListeningPositionsInTheTablesUnit) {
    for (int c = 0; c < kOutputChannelCount; ++c) {
        WriteLe16(Slot(c, output_block::kStripSlot), 4, 200);  // the channels' own delays
        PutListeningDelay(2, c, 48);
        PutListeningDelay(3, c, 96);
    }
    PutListeningDelay(2, 5, 259);
    image_.ListeningPositions()[48] = 2;
    EXPECT_EQ(test::Rendered(Cell(Build(), kDelay, 0)),
              (test::BothLanguages{"1.000MS", "1.000毫秒"}));
    EXPECT_EQ(Cell(Build(), kDelay, 5).In(UiLanguage::English), "5.396MS");
    // Setting 1 (centimetres on the delay page) reads as inches here, 2 as centimetres.
    EXPECT_EQ(test::Rendered(Cell(Build(DelayUnit::Centimetres), kDelay, 0)),
              (test::BothLanguages{"13.62INCH", "13.62英寸"}));
    EXPECT_EQ(test::Rendered(Cell(Build(DelayUnit::Inches), kDelay, 0)),
              (test::BothLanguages{"34.60CM", "34.60厘米"}));

    image_.ListeningPositions()[48] = 0;  // a row of zeros, whatever the channels hold
    EXPECT_EQ(Cell(Build(), kDelay, 1).In(UiLanguage::English), "0.000MS");
    image_.ListeningPositions()[48] = 200;  // beyond the table: the last row
    EXPECT_EQ(Cell(Build(), kDelay, 1).In(UiLanguage::English), "2.000MS");
}

}  // namespace
}  // namespace corva
