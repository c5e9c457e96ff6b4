#include "dsp/values/DelayCodes.h"

#include <gtest/gtest.h>

#include "support/Rendered.h"

namespace corva {
namespace {

TEST(DelayCodesTest, FieldTextsInEachUnit) {
    EXPECT_DOUBLE_EQ(DelayMilliseconds(kDelayCodeMax), 5.396);
    EXPECT_EQ(DelayFieldText(kDelayCodeMax, DelayUnit::Milliseconds), "5.396");
    EXPECT_EQ(DelayFieldText(kDelayCodeMax, DelayUnit::Centimetres), "187");
    EXPECT_EQ(DelayFieldText(kDelayCodeMax, DelayUnit::Inches), "74");
    EXPECT_EQ(DelayFieldText(0, DelayUnit::Milliseconds), "0.000");
    EXPECT_EQ(DelayFieldText(0, DelayUnit::Centimetres), "0");
    EXPECT_EQ(DelayFieldText(0, DelayUnit::Inches), "0");
    EXPECT_EQ(DelayFieldText(500, DelayUnit::Milliseconds), "5.396") << "codes beyond the end";
}

TEST(DelayCodesTest, TypedMillisecondsAreLimitedToTheCodeRange) {
    EXPECT_EQ(DelayCodeFromText("2.5", DelayUnit::Milliseconds), 120);
    EXPECT_EQ(DelayCodeFromText("2.51", DelayUnit::Milliseconds), 120);
    EXPECT_EQ(DelayCodeFromText("6", DelayUnit::Milliseconds), kDelayCodeMax);
    EXPECT_EQ(DelayCodeFromText("5.396", DelayUnit::Milliseconds), kDelayCodeMax);
    EXPECT_EQ(DelayCodeFromText("5.39", DelayUnit::Milliseconds), kDelayCodeMax);
    EXPECT_EQ(DelayCodeFromText("-1", DelayUnit::Milliseconds), 0);
    EXPECT_EQ(DelayCodeFromText("  +1", DelayUnit::Milliseconds), 48);
}

TEST(DelayCodesTest, TextThatIsNoNumberReadsAsZero) {
    for (const char* text : {"", "abc", "nan", "-", ".", "++1"}) {
        EXPECT_EQ(DelayCodeFromText(text, DelayUnit::Milliseconds), 0) << text;
        EXPECT_EQ(DelayCodeFromText(text, DelayUnit::Centimetres), 0) << text;
    }
    EXPECT_EQ(DelayCodeFromText("2.5ms", DelayUnit::Milliseconds), 120) << "leading number counts";
    EXPECT_EQ(DelayCodeFromText("inf", DelayUnit::Milliseconds), kDelayCodeMax);
}

TEST(DelayCodesTest, TypedDistancesUseTheEntrySpeedAndRound) {
    EXPECT_EQ(DelayCodeFromText("100", DelayUnit::Centimetres), 139);
    EXPECT_EQ(DelayFieldText(139, DelayUnit::Centimetres), "100");
    EXPECT_EQ(DelayCodeFromText("1000", DelayUnit::Centimetres), kDelayCodeMax);
    EXPECT_EQ(DelayCodeFromText("-5", DelayUnit::Centimetres), 0);
    EXPECT_EQ(DelayCodeFromText("74", DelayUnit::Inches), kDelayCodeMax);
    EXPECT_EQ(DelayCodeFromText("39.37", DelayUnit::Inches), 139);  // one metre
    EXPECT_EQ(DelayCodeFromText("1e9", DelayUnit::Inches), kDelayCodeMax);
}

TEST(DelayCodesTest, ShownMillisecondsReadBackAsTheSameCode) {
    // A field rewrites its text on every commit; reading it back must not move the delay.
    for (int code = 0; code <= kDelayCodeMax; ++code) {
        const auto text = DelayFieldText(code, DelayUnit::Milliseconds);
        ASSERT_EQ(DelayCodeFromText(text, DelayUnit::Milliseconds), code) << text;
    }
}

TEST(DelayCodesTest, TableTextsReadTheUnitSettingTheOtherWayRound) {
    EXPECT_EQ(test::Rendered(DelayTableText(kDelayCodeMax, DelayUnit::Milliseconds)),
              (test::BothLanguages{"5.396MS", "5.396毫秒"}));
    EXPECT_EQ(test::Rendered(DelayTableText(kDelayCodeMax, DelayUnit::Centimetres)),
              (test::BothLanguages{"73.49INCH", "73.49英寸"}));
    EXPECT_EQ(test::Rendered(DelayTableText(kDelayCodeMax, DelayUnit::Inches)),
              (test::BothLanguages{"186.70CM", "186.70厘米"}));
    EXPECT_EQ(test::Rendered(DelayTableText(0, DelayUnit::Inches)),
              (test::BothLanguages{"0.00CM", "0.00厘米"}));
}

TEST(DelayCodesTest, ChannelLabelSwitchesStepAtCode100) {
    EXPECT_EQ(ChannelDelayLabel(99), "9.9ms");
    EXPECT_EQ(ChannelDelayLabel(100), "10.0ms");
}

TEST(DelayCodesTest, ListeningPositionNamesShowOneAmpersand) {
    EXPECT_EQ(test::Rendered(ListeningPositionName(0)), (test::BothLanguages{"L&Front", "前左"}));
    EXPECT_EQ(test::Rendered(ListeningPositionName(1)), (test::BothLanguages{"C&Front", "前中置"}));
    EXPECT_EQ(test::Rendered(ListeningPositionName(2)), (test::BothLanguages{"R&Front", "前右"}));
    EXPECT_EQ(test::Rendered(ListeningPositionName(3)), (test::BothLanguages{"C&Rear", "后中置"}));
    EXPECT_EQ(ListeningPositionName(4), UiText{});
    EXPECT_EQ(ListeningPositionName(-1), UiText{});
}

TEST(DelayCodesTest, LinkedDelayShiftIsLimited) {
    EXPECT_EQ(ShiftedDelayCode(250, 20), kDelayCodeMax);
    EXPECT_EQ(ShiftedDelayCode(250, -20), 230);
    EXPECT_EQ(ShiftedDelayCode(10, -20), 0);
    EXPECT_EQ(ShiftedDelayCode(2'000'000'000, 2'000'000'000), kDelayCodeMax);
}

}  // namespace
}  // namespace corva
