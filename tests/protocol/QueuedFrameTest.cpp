#include "protocol/QueuedFrame.h"

#include <gtest/gtest.h>

#include "protocol/FrameBuilder.h"

namespace corva {
namespace {

TEST(QueuedFrameTest, BlockWriteTravelsInFiveReports) {
    ParameterImage image;
    ProtectionState protection;
    auto frame = FrameBuilder(image, protection)
                     .BuildBlockFrame(0, BlockType::Output, 0, BlockSource::Live);
    ASSERT_EQ(frame->length(), 312u);
    std::vector<std::uint8_t> carried;
    HidReport report;
    report.fill(0xFF);
    int reports = 0;
    while (frame->nextReport(report)) {
        ++reports;
        EXPECT_EQ(report[0], 0) << "report number";
        carried.insert(carried.end(), report.begin() + 1, report.end());
    }
    EXPECT_EQ(reports, 5);
    EXPECT_TRUE(frame->FullyWrittenOverUsb());
    ASSERT_EQ(carried.size(), 5u * 64u);
    EXPECT_TRUE(std::equal(frame->data().begin(), frame->data().end(), carried.begin()));
    // The fifth report holds the last 56 frame bytes, then 8 zeros.
    EXPECT_EQ(carried[4 * 64 + 55], 0xAA);
    EXPECT_TRUE(std::all_of(carried.end() - 8, carried.end(), [](auto b) { return b == 0; }));
    EXPECT_FALSE(frame->nextReport(report));
}

TEST(QueuedFrameTest, ShortFrameTravelsInOneReportAndRestartsFromPositionZero) {
    QueuedFrame frame(std::vector<std::uint8_t>(24, 0x11));
    HidReport report;
    EXPECT_TRUE(frame.nextReport(report));
    EXPECT_EQ(report[24], 0x11);
    EXPECT_EQ(report[25], 0x00);
    EXPECT_FALSE(frame.nextReport(report));
    frame.position = 0;  // a resend request writes the frame again from its first byte
    EXPECT_TRUE(frame.nextReport(report));
    EXPECT_EQ(frame.tries, 0);
    EXPECT_EQ(frame.code, frame_code::kOrdinary);
}

}  // namespace
}  // namespace corva
