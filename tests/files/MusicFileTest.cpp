// Music files byte for byte in both directions, open and protected, and files that must be
// refused without changing the record, the model or the protection state.
#include <gtest/gtest.h>

#include "files/DocumentMessages.h"
#include "files/DocumentSerialize.h"
#include "files/FileTestSupport.h"

namespace corva {
namespace {

using test::Bytes;
using test::FillTuning;
using test::LiveBytes;

constexpr std::size_t kRecordStart = 17;
constexpr std::size_t kMarker = 696;
constexpr std::size_t kPassword = 698;

Bytes Store(TuningSession& session) {
    ArchiveWriter archive;
    SerializeMusicFile(archive, session);
    return archive.TakeBytes();
}

Status Load(TuningSession& session, const Bytes& file) {
    ArchiveReader archive(file);
    return SerializeMusicFile(archive, session);
}

TEST(MusicFileTest, OpenFileRoundTripsByteForByte) {
    TuningSession source;
    FillTuning(source, 3);
    source.engine().image.Live()[kMarker] = 0x00;  // storing blanks it, whatever it held
    const Bytes file = Store(source);
    ASSERT_EQ(file.size(), kMusicFileSize);
    EXPECT_EQ(file[0], 16);
    EXPECT_EQ(std::string(file.begin() + 1, file.begin() + 17), "LFN624_File_1.00");
    EXPECT_EQ(source.engine().image.Live()[379], 1);
    EXPECT_EQ(source.engine().image.Live()[kMarker], 0x20);
    EXPECT_EQ(Bytes(file.begin() + kRecordStart, file.end()), LiveBytes(source));

    TuningSession target;
    FillTuning(target, 8);
    target.engine().protection = {true, false, false, "135791"};
    ASSERT_TRUE(Load(target, file).ok());
    EXPECT_EQ(LiveBytes(target), LiveBytes(source));
    EXPECT_FALSE(target.engine().protection.isProtected);
    EXPECT_EQ(target.engine().model.output(4).delayCode(),
              source.engine().model.output(4).delayCode());
    EXPECT_TRUE(ApplyMusicFileProtection(target));  // editing stays on
    EXPECT_EQ(Store(target), file);
}

TEST(MusicFileTest, ProtectedFileRoundTripsByteForByteWithFlagAndPassword) {
    TuningSession source;
    FillTuning(source, 5);
    source.engine().protection = {true, false, false, "246810"};
    const Bytes file = Store(source);
    const Bytes live = LiveBytes(source);
    EXPECT_EQ(file[kRecordStart + kMarker], 0x21 ^ 0x5C);
    EXPECT_EQ(live[kMarker], '!');  // the live record stays plain
    EXPECT_EQ(std::string(live.begin() + kPassword, live.begin() + kPassword + 6), "246810");
    for (std::size_t i = 0; i < kRecordSize; ++i) {
        ASSERT_EQ(file[kRecordStart + i], live[i] ^ 0x5C) << i;
    }

    TuningSession target;
    FillTuning(target, 1);
    target.engine().protection.released =
        true;  // just unlocked: the file's protection replaces that
    ASSERT_TRUE(Load(target, file).ok());
    EXPECT_EQ(LiveBytes(target), live);
    EXPECT_TRUE(target.engine().protection.isProtected);
    EXPECT_FALSE(target.engine().protection.released);
    EXPECT_FALSE(ApplyMusicFileProtection(target));  // editing off
    EXPECT_EQ(target.engine().protection.password, "246810");
    EXPECT_EQ(Store(target), file);
}

TEST(MusicFileTest, AnyStoredMarkerButABlankMeansProtected) {
    TuningSession source;
    FillTuning(source, 2);
    Bytes file = Store(source);
    file[kRecordStart + kMarker] = 'A';  // a damaged open file
    file.insert(file.end(), {1, 2, 3});  // bytes after the record are not looked at
    TuningSession target;
    ASSERT_TRUE(Load(target, file).ok());
    EXPECT_TRUE(target.engine().protection.isProtected);
    EXPECT_EQ(target.engine().image.Live()[kMarker], 'A' ^ 0x5C);
    EXPECT_EQ(target.engine().image.Live()[0], source.engine().image.Live()[0] ^ 0x5C);
}

TEST(MusicFileTest, BadFilesChangeNothingAndSayWhy) {
    TuningSession source;
    FillTuning(source, 4);
    source.engine().protection = {true, false, false, "112233"};
    const Bytes file = Store(source);

    std::vector<std::pair<Bytes, UiText>> cases;
    for (const std::size_t length :
         std::vector<std::size_t>{0, 1, 9, 17, 18, 17 + 696, kMusicFileSize - 1}) {
        cases.emplace_back(Bytes(file.begin(), file.begin() + length), MusicFileIncomplete());
    }
    ArchiveWriter mode;
    mode.WriteText("LFN624_Mode_File_1.00");
    mode.WriteBytes(Bytes(13, 0));
    cases.emplace_back(mode.TakeBytes(), MusicFileReadError());
    Bytes otherVersion = file;
    otherVersion[16] = '1';
    cases.emplace_back(otherVersion, MusicFileReadError());

    for (const auto& [bad, message] : cases) {
        TuningSession target;
        FillTuning(target, 9);
        target.engine().protection = {false, true, false, "654321"};
        const Bytes before = LiveBytes(target);
        const Status status = Load(target, bad);
        EXPECT_EQ(status.message(), message) << bad.size();
        EXPECT_EQ(LiveBytes(target), before) << bad.size();
        EXPECT_EQ(target.engine().model.output(2).delayCode(), 40 + 9);
        EXPECT_FALSE(target.engine().protection.isProtected);
        EXPECT_TRUE(target.engine().protection.released);
    }
    EXPECT_EQ(MusicFileReadError().In(UiLanguage::English), "Read MusicFile  Error");
    EXPECT_EQ(MusicFileReadError().In(UiLanguage::Chinese), "读音乐文件错误!");
}

}  // namespace
}  // namespace corva
