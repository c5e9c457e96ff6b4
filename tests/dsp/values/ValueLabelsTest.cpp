#include "dsp/values/ValueLabels.h"

#include <gtest/gtest.h>

#include "support/Rendered.h"

namespace corva {
namespace {

TEST(BandLabelsTest, ValueTexts) {
    EXPECT_EQ(FrequencyLabel(1000), "1000Hz");
    EXPECT_EQ(BandGainLabel(-3.5, false), "-3.5dB");
    EXPECT_EQ(BandGainLabel(6.0, true), "0.0dB");
    EXPECT_EQ(BandwidthLabel(0.2095), "0.21Oct");
    EXPECT_EQ(ShelfSlopeLabel(1), "12dB/Oct");
    EXPECT_EQ(CrossoverSlopeLabel(0), "6dB/Oct");
    EXPECT_EQ(CrossoverSlopeLabel(8), "OFF");
    EXPECT_EQ(CrossoverSlopeLabel(9), "") << "unknown values from a file stay blank";
    EXPECT_EQ(ShelfSlopeLabel(2), "");
}

TEST(BandLabelsTest, TypeAndKindInBothLanguages) {
    EXPECT_EQ(test::Rendered(BandTypeLabel(0, false)), (test::BothLanguages{"PEQ", "参量均衡"}));
    EXPECT_EQ(test::Rendered(BandTypeLabel(0, true)), (test::BothLanguages{"GEQ", "图示均衡"}));
    EXPECT_EQ(test::Rendered(BandTypeLabel(1, true)), (test::BothLanguages{"Lo_Shf", "低架"}));
    EXPECT_EQ(test::Rendered(BandTypeLabel(2, false)), (test::BothLanguages{"Hi_Shf", "高架"}));
    EXPECT_EQ(test::Rendered(CrossoverKindLabel(0)), (test::BothLanguages{"Link_Ril", "宁克"}));
    EXPECT_EQ(test::Rendered(CrossoverKindLabel(1)), (test::BothLanguages{"Butter_W", "巴特沃斯"}));
    EXPECT_EQ(test::Rendered(CrossoverKindLabel(2)), (test::BothLanguages{"Bessel", "贝塞尔"}));
    EXPECT_EQ(CrossoverKindLabel(3), UiText{});
}

TEST(BandLabelsTest, GraphCaptions) {
    EXPECT_EQ(BandCaption(0, false, 1000, 16, 0.0, true, 1), "PEQ 1000Hz 6.864Q 0.0dB");
    EXPECT_EQ(BandCaption(0, true, 31, 0, -12.3, false, 1), "GEQ 31Hz 28.85Q -12.3dB");
    EXPECT_EQ(BandCaption(1, false, 100, 15, 3.0, false, 1), "Lo 100Hz 12dB/Oct 3.0dB");
    EXPECT_EQ(BandCaption(2, false, 8000, 15, -2.0, false, 0), "Hi 8000Hz 6dB/Oct -2.0dB");
    EXPECT_EQ(BandCaption(1, false, 100, 15, 3.0, true, 0), "Lo 100Hz 6dB/Oct 0.0dB");
    EXPECT_EQ(BandCaption(3, false, 80, 15, 5.0, false, 3), "80Hz ");
    EXPECT_EQ(BandCaption(4, false, 20000, 15, 0.0, false, 8), "20000Hz ");
}

TEST(StripLabelsTest, ChannelGainAndLinkedShift) {
    EXPECT_EQ(ChannelGainLabel(0), "-60.0dB");
    EXPECT_EQ(ChannelGainLabel(599), "-0.1dB");
    EXPECT_EQ(ChannelGainLabel(600), "0.0dB");
    EXPECT_EQ(ShiftedChannelGainCode(560, 580 - 500), kChannelGainCodeMax);
    EXPECT_EQ(ShiftedChannelGainCode(560, 450 - 500), 510);
    EXPECT_EQ(ShiftedChannelGainCode(30, -100), 0);
}

TEST(StripLabelsTest, LimiterTexts) {
    EXPECT_EQ(LimiterThresholdLabel(0), "-30.0dBu");
    EXPECT_EQ(LimiterThresholdLabel(300), "0.0dBu");
    EXPECT_EQ(LimiterThresholdLabel(360), "6.0dBu");
    EXPECT_EQ(LimiterAttackLabel(0), "0.3ms");
    EXPECT_EQ(LimiterAttackLabel(6), "0.9ms");
    EXPECT_EQ(LimiterAttackLabel(7), "1ms");
    EXPECT_EQ(LimiterAttackLabel(106), "100ms");
    EXPECT_EQ(LimiterReleaseLabel(5), "Atk * 32");
    EXPECT_EQ(LimiterReleaseLabel(6), "");
}

TEST(StripLabelsTest, SwitchAndLevelTexts) {
    EXPECT_EQ(test::Rendered(PolarityLabel(1)), (test::BothLanguages{"Pol-", "反相"}));
    EXPECT_EQ(test::Rendered(OnLabel(0)), (test::BothLanguages{"OFF", "静音"}));
    EXPECT_EQ(test::Rendered(LevelALabel(80)), (test::BothLanguages{"OFF", "关闭"}));
    EXPECT_EQ(test::Rendered(LevelALabel(92)), (test::BothLanguages{"12.0dB", "12.0dB"}));
    EXPECT_EQ(LevelBLabel(80), "0.0dB") << "only level A has an OFF text";
}

TEST(RoutingLabelsTest, SharesBalanceAndSwitchBits) {
    EXPECT_EQ(ShareLabel(100, false), "100%");
    EXPECT_EQ(ShareLabel(50, true), "0%");
    EXPECT_EQ(BalanceLabel(50), "50%:50%");
    EXPECT_EQ(BalanceLabel(30), "30%:70%");
    EXPECT_EQ(SwitchBitLabel(16, 4), "On");
    EXPECT_EQ(SwitchBitLabel(16, 3), "OFF");
    EXPECT_EQ(SwitchBitLabel(-1, 40), "OFF");
}

TEST(MainVolumeLabelsTest, OffAtTheBottomAndWholeDecibelsAbove) {
    EXPECT_EQ(MainVolumeLabel(0).In(UiLanguage::English), "OFF");
    EXPECT_EQ(MainVolumeLabel(0).In(UiLanguage::Chinese), "关闭");
    EXPECT_EQ(MainVolumeLabel(1).In(UiLanguage::English), "-59dB");
    EXPECT_EQ(MainVolumeLabel(60).In(UiLanguage::Chinese), "0dB");
    EXPECT_EQ(MainVolumeLabel(66).In(UiLanguage::English), "6dB");
    // The field takes "OFF" in any case, and the word it shows for silence in Chinese.
    const std::string shownOff = MainVolumeLabel(0).In(UiLanguage::Chinese);
    for (const char* off : {"OFF", "off", " Off ", "关闭"}) {
        EXPECT_TRUE(IsMainVolumeOffText(off, shownOff)) << off;
    }
    for (const char* other : {"", "of", "offf", "-60", "关"}) {
        EXPECT_FALSE(IsMainVolumeOffText(other, shownOff)) << other;
    }
}

}  // namespace
}  // namespace corva
