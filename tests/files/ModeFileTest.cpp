// Mode files byte for byte, and the files the mode loader must refuse without touching the
// listening-position table.
#include <gtest/gtest.h>

#include "files/DocumentMessages.h"
#include "files/DocumentSerialize.h"
#include "files/FileTestSupport.h"
#include "support/Hex.h"

namespace corva {
namespace {

using test::Bytes;
using test::FillTable;

Bytes Store(const ParameterImage& image) {
    ArchiveWriter archive;
    SerializeModeFile(archive, image.ListeningPositions());
    return archive.TakeBytes();
}

Bytes TableOf(const ParameterImage& image) {
    return {image.ListeningPositions().begin(), image.ListeningPositions().end()};
}

TEST(ModeFileTest, PositionTwoRoundTripsAndChangesOnlyItsRowAndByte49) {
    ParameterImage source;
    FillTable(source.ListeningPositions(), 100, 2);
    const Bytes file = Store(source);
    ASSERT_EQ(file.size(), kModeFileSize);
    EXPECT_EQ(file[0], 21);
    EXPECT_EQ(std::string(file.begin() + 1, file.begin() + 22), "LFN624_Mode_File_1.00");
    EXPECT_EQ(test::ToHex(std::span(file).subspan(22)), "02 78 00 79 00 7A 00 7B 00 7C 00 7D 00");

    ParameterImage target;
    FillTable(target.ListeningPositions(), 500, 1);
    Bytes expected = TableOf(target);
    std::copy(file.begin() + 23, file.end(), expected.begin() + 24);
    expected[49] = 2;  // byte 48, the current position, is the command's
    ArchiveReader archive(file);
    const ModeFileRead read = SerializeModeFile(archive, target.ListeningPositions());
    ASSERT_TRUE(read.status.ok());
    EXPECT_EQ(read.content.position, 2);
    EXPECT_EQ(TableOf(target), expected);
    target.ListeningPositions()[48] = 2;
    EXPECT_EQ(Store(target), file);
}

TEST(ModeFileTest, ACurrentPositionAboveThreeStoresRowThree) {
    ParameterImage image;
    FillTable(image.ListeningPositions(), 100, 3);
    const Bytes three = Store(image);
    image.ListeningPositions()[48] = 9;  // as an unchecked answer could leave it
    EXPECT_EQ(Store(image), three);
}

TEST(ModeFileTest, BadFilesLeaveTheTableAsItWasAndSayWhy) {
    ParameterImage source;
    FillTable(source.ListeningPositions(), 100, 2);
    const Bytes good = Store(source);

    std::vector<std::pair<Bytes, UiText>> cases;
    for (const std::size_t length : {0u, 5u, 22u, 23u, 34u}) {
        cases.emplace_back(Bytes(good.begin(), good.begin() + length), ModeFileIncomplete());
    }
    for (const std::uint8_t position : {4, 7, 255}) {
        Bytes file = good;
        file[22] = position;
        cases.emplace_back(file, ModeFilePositionInvalid(position));
    }
    ArchiveWriter music;
    music.WriteText("LFN624_File_1.00");
    music.WriteBytes(Bytes(kRecordSize, 0x20));
    cases.emplace_back(music.TakeBytes(), ModeFileReadError());

    for (const auto& [bad, message] : cases) {
        ParameterImage target;
        FillTable(target.ListeningPositions(), 500, 1);
        const Bytes before = TableOf(target);
        ArchiveReader archive(bad);
        const ModeFileRead read = SerializeModeFile(archive, target.ListeningPositions());
        EXPECT_EQ(read.status.message(), message) << bad.size();
        EXPECT_EQ(TableOf(target), before) << bad.size();
    }
    EXPECT_EQ(ModeFilePositionInvalid(7).In(UiLanguage::English),
              "The mode file names listening position 7, but only positions 0 to 3 exist; "
              "nothing was changed.");
    EXPECT_EQ(ModeFileReadError().In(UiLanguage::English), "Read Mode File  Error");
}

}  // namespace
}  // namespace corva
