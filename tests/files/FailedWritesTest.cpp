// Every writer of the program's tuning files when the write fails for real (the disk fills up
// mid-file) and when the folder does not exist: the user's old file stays byte for byte, the
// session is left as it was, and the command reports a failure, never a success.
#include <gtest/gtest.h>

#include "commands/ModeFileCommands.h"
#include "commands/MusicFileCommands.h"
#include "commands/PresetFileCommands.h"
#include "files/FileTestSupport.h"
#include "files/JsonPresetWriter.h"
#include "files/MusicFile.h"
#include "support/FailingWrites.h"
#include "transfer/EngineHarness.h"

namespace corva {
namespace {

using test::Bytes;
using test::ScratchFolder;

constexpr const char* kTooLarge = "cannot be written: File too large.";

// A command's own message, then the writer's, then whether the live record was kept: what
// the child reports back about a failed store.
Status StoreReport(const DocumentStoreResult& stored, bool liveKept) {
    if (stored.status.ok()) {
        return stored.status;
    }
    return Status::Fail(UiText::Literal(stored.status.message().In(UiLanguage::English) + " | " +
                                        stored.writeError.In(UiLanguage::English) +
                                        (liveKept ? "" : " | the live record changed")));
}

Status OutcomeReport(const PresetFileOutcome& outcome) {
    if (outcome.ok) {
        return Status::Ok();
    }
    return Status::Fail(UiText::Literal(outcome.message
                                            ? outcome.message->text.In(UiLanguage::English) +
                                                  " | " + outcome.message->detail
                                            : std::string("no message")));
}

class FailedWritesTest : public ::testing::Test {
protected:
    void SetUp() override { test::FillTuning(session, 3); }

    ScratchFolder folder;
    TuningSession session;
};

TEST_F(FailedWritesTest, MusicFileOverwriteThatFailsKeepsTheOldFileAndTheLiveRecord) {
    session.engine().protection = {true, false, false, "135790"};
    const std::string path = folder.PathOf("front.wkcs");
    const std::string message = test::ExpectFailedOverwriteKeepsOldFile(path, [&] {
        const Bytes before = test::LiveBytes(session);
        const auto stored = StoreMusicFile(session, path);
        return StoreReport(stored, test::LiveBytes(session) == before);
    });
    EXPECT_EQ(message, "Save MusicFile Error! | The file \"" + path + "\" " + kTooLarge);

    // The same store with room on the disk replaces the old file and marks the live record.
    const auto stored = StoreMusicFile(session, path);
    ASSERT_TRUE(stored.status.ok());
    EXPECT_EQ(ScratchFolder::Read(path).size(), kMusicFileSize);
    EXPECT_EQ(session.engine().image.Live()[music_file::kProtectionMarker], '!');
}

TEST_F(FailedWritesTest, ModeFileOverwriteThatFailsKeepsTheOldFile) {
    const std::string path = folder.PathOf("seat.dat_d");
    const std::string message = test::ExpectFailedOverwriteKeepsOldFile(
        path, [&] { return StoreReport(SaveModeFile(session, path), true); });
    EXPECT_EQ(message, "Save Mode File Error! | The file \"" + path + "\" " + kTooLarge);
}

TEST_F(FailedWritesTest, MusicAndModeFilesInAFolderThatDoesNotExist) {
    const Bytes before = test::LiveBytes(session);
    const auto missing = folder.PathOf("missing");
    test::ExpectMissingFolderFails(missing, [&] {
        const auto stored = StoreMusicFile(session, folder.PathOf("missing/front"));
        EXPECT_NE(stored.writeError.In(UiLanguage::English).find("No such file or directory"),
                  std::string::npos);
        return stored.status;
    });
    EXPECT_EQ(test::LiveBytes(session), before);
    test::ExpectMissingFolderFails(
        missing, [&] { return SaveModeFile(session, folder.PathOf("missing/seat")).status; });
}

TEST_F(FailedWritesTest, JsonFilesThatCannotBeWrittenKeepTheOldFile) {
    const std::string single = folder.PathOf("one.qvms");
    EXPECT_NE(
        test::ExpectFailedOverwriteKeepsOldFile(
            single,
            [&] { return WriteSingleJson(single, session.engine().image, JsonHeaderRecord{}); })
            .find(kTooLarge),
        std::string::npos);
    const std::string complete = folder.PathOf("all.qvma");
    EXPECT_NE(
        test::ExpectFailedOverwriteKeepsOldFile(
            complete,
            [&] { return WriteCompleteJson(complete, session.engine().image, JsonHeaderRecord{}); })
            .find(kTooLarge),
        std::string::npos);
    test::ExpectMissingFolderFails(folder.PathOf("missing"), [&] {
        return WriteSingleJson(folder.PathOf("missing/one.qvms"), session.engine().image,
                               JsonHeaderRecord{});
    });
    test::ExpectMissingFolderFails(folder.PathOf("missing"), [&] {
        return WriteCompleteJson(folder.PathOf("missing/all.qvma"), session.engine().image,
                                 JsonHeaderRecord{});
    });
}

class FailedPresetFileWritesTest : public ::testing::Test {
protected:
    sim::SimDeviceEnumerator devices;
    test::SharedInUseMarkers inUse;
    ScratchFolder folder;
};

TEST_F(FailedPresetFileWritesTest, SavingTheLivePresetReportsTheFailure) {
    test::Engine engine(devices, inUse);
    PresetFileCommands commands(engine.session, engine.controller);
    const std::string path = folder.PathOf("live.qvms");

    const std::string browse = test::ExpectFailedOverwriteKeepsOldFile(
        path, [&] { return OutcomeReport(commands.SaveCurrentAs(path)); });
    EXPECT_EQ(browse, "Save MusicFile Error! | The file \"" + path + "\" " + kTooLarge);

    // The save button's message is the success message only when the file was written.
    const std::string named = test::ExpectFailedOverwriteKeepsOldFile(path, [&] {
        return OutcomeReport(commands.SaveUnderName(folder.PathOf(""), "live", SaveMode::Current));
    });
    EXPECT_EQ(named, "Save MusicFile Error! | The file \"" + path + "\" " + kTooLarge);

    const auto nowhere = commands.SaveCurrentAs(folder.PathOf("missing/live"));
    EXPECT_FALSE(nowhere.ok);
    EXPECT_NE(nowhere.message->detail.find("No such file or directory"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder.PathOf("missing")));
}

TEST_F(FailedPresetFileWritesTest, TheCompleteFileAfterAStoreAllReportsTheFailure) {
    devices.Plug("dsp");
    test::Engine engine(devices, inUse);
    ASSERT_TRUE(engine.controller.ConnectToPath("dsp").ok());
    ASSERT_TRUE(engine.WaitSynchronised());
    PresetFileCommands commands(engine.session, engine.controller);
    const std::string path = folder.PathOf("all.qvma");
    const auto queued = commands.StoreAllPresets(path);
    ASSERT_TRUE(queued.ok);
    ASSERT_TRUE(engine.PumpUntil([&] {
        return std::count(engine.notices.begin(), engine.notices.end(),
                          NoticeId::PresetsReceived) == 1;
    }));
    // The child that writes must be the only thread: the worker ends with the connection.
    engine.controller.Disconnect();

    const std::string message = test::ExpectFailedOverwriteKeepsOldFile(
        path, [&] { return OutcomeReport(commands.WritePendingCompleteFile()); });
    EXPECT_EQ(message, "save all MusicFile Error! | The file \"" + path + "\" " + kTooLarge);
}

}  // namespace
}  // namespace corva
