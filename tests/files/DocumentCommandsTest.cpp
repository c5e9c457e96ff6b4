// The music-file and mode-file commands against files on disk, without a processor: path
// rules, file errors, the state a load leaves behind, and the two steps of opening a mode
// file while connected.
#include <gtest/gtest.h>

#include "commands/ModeFileCommands.h"
#include "commands/MusicFileCommands.h"
#include "core/ByteOrder.h"
#include "files/DocumentMessages.h"
#include "files/FileTestSupport.h"
#include "protocol/FrameLayout.h"

namespace corva {
namespace {

using test::Bytes;
using test::FillTable;
using test::FillTuning;
using test::LiveBytes;
using test::ScratchFolder;
using test::TableBytes;

class DocumentCommandsTest : public ::testing::Test {
protected:
    // A mode file of position 2 whose row holds 120..125.
    std::string SavePositionTwo() {
        TuningSession source;
        FillTable(source.engine().image.ListeningPositions(), 100, 2);
        const auto saved = SaveModeFile(source, folder.PathOf("seat"));
        EXPECT_EQ(saved.path, folder.PathOf("seat.dat_d"));
        return saved.path;
    }
    // `table` as opening that file leaves it.
    static Bytes WithRowTwo(Bytes table) {
        for (int c = 0; c < 6; ++c) {
            WriteLe16(table, static_cast<std::size_t>(24 + 2 * c), 120 + c);
        }
        table[48] = table[49] = 2;
        return table;
    }

    ScratchFolder folder;
    TuningSession session;
    BulkTransfers bulk{session};
};

TEST_F(DocumentCommandsTest, ExtensionIsAppendedOnlyWhenThePathDoesNotContainIt) {
    EXPECT_EQ(StorePathWithExtension("car/front", ".wkcs"), "car/front.wkcs");
    EXPECT_EQ(StorePathWithExtension("car/front.wkcs", ".wkcs"), "car/front.wkcs");
    EXPECT_EQ(StorePathWithExtension("old.wkcs/front", ".wkcs"), "old.wkcs/front");
    EXPECT_EQ(StorePathWithExtension("car/front.kpdm", ".wkcs"), "car/front.kpdm.wkcs");
    EXPECT_EQ(StorePathWithExtension("seat.dat_d", ".dat_d"), "seat.dat_d");
}

TEST_F(DocumentCommandsTest, StoringWhereNoFileCanBeCreatedFailsAndLeavesTheRecord) {
    FillTuning(session, 2);
    session.engine().image.Live()[696] = 0;
    const Bytes before = LiveBytes(session);
    const auto music = StoreMusicFile(session, folder.PathOf("missing/front"));
    EXPECT_EQ(music.status.message().In(UiLanguage::English), "Save MusicFile Error!");
    EXPECT_EQ(LiveBytes(session), before);
    const auto mode = SaveModeFile(session, folder.PathOf("missing/seat"));
    EXPECT_EQ(mode.status.message().In(UiLanguage::English), "Save Mode File Error!");
}

TEST_F(DocumentCommandsTest, MusicLoadWhileDisconnectedResetsLinksTakesThePasswordSendsNothing) {
    TuningSession source;
    FillTuning(source, 5);
    source.engine().protection = {true, false, false, "246810"};
    const auto stored = StoreMusicFile(source, folder.PathOf("locked"));
    ASSERT_EQ(stored.path, folder.PathOf("locked.wkcs"));

    FillTuning(session, 1);
    auto groups = session.engine().image.LinkGroups();
    groups[0] = groups[1] = 1;
    groups[4] = groups[5] = 4;
    const auto loaded = LoadMusicFile(session, bulk, stored.path);
    ASSERT_TRUE(loaded.status.ok());
    EXPECT_FALSE(loaded.sent);  // the front end shows its connection-failure message
    EXPECT_FALSE(loaded.editingEnabled);
    EXPECT_EQ(LiveBytes(session), LiveBytes(source));
    EXPECT_TRUE(session.engine().protection.isProtected);
    EXPECT_EQ(session.engine().protection.password, "246810");
    EXPECT_EQ(std::vector<int>(groups.begin(), groups.end()), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_TRUE(session.engine().queue.empty());
}

TEST_F(DocumentCommandsTest, MusicFilesThatCannotBeLoadedChangeNothing) {
    TuningSession source;
    FillTuning(source, 5);
    Bytes cut = ScratchFolder::Read(StoreMusicFile(source, folder.PathOf("whole")).path);
    cut.resize(1000);
    ScratchFolder::Write(folder.PathOf("cut.wkcs"), cut);

    FillTuning(session, 1);
    session.engine().image.LinkGroups()[1] = 0;
    const Bytes before = LiveBytes(session);
    const std::pair<std::string, UiText> cases[] = {
        {folder.PathOf("cut.wkcs"), MusicFileIncomplete()},
        {folder.PathOf("absent.wkcs"), MusicFileReadError()},
        {folder.PathOf(""), MusicFileReadError()},  // the folder itself
    };
    for (const auto& [path, message] : cases) {
        EXPECT_EQ(LoadMusicFile(session, bulk, path).status.message(), message) << path;
        EXPECT_EQ(LiveBytes(session), before);
        EXPECT_EQ(session.engine().image.LinkGroups()[1], 0)
            << "links stay when nothing was loaded";
    }
}

TEST_F(DocumentCommandsTest, ModeOpenWhileDisconnectedChangesOnlyRowAndPositionBytes) {
    const std::string path = SavePositionTwo();
    FillTable(session.engine().image.ListeningPositions(), 500, 0);
    const Bytes expected = WithRowTwo(TableBytes(session));
    const auto opened = OpenModeFile(session, path);
    ASSERT_TRUE(opened.status.ok());
    EXPECT_FALSE(opened.awaitingTable);
    EXPECT_EQ(TableBytes(session), expected);
    EXPECT_TRUE(session.engine().queue.empty());
}

TEST_F(DocumentCommandsTest, RefusedModeFilesLeaveTheTableAndAskNothingOfTheProcessor) {
    Bytes seven = ScratchFolder::Read(SavePositionTwo());
    seven[22] = 7;
    ScratchFolder::Write(folder.PathOf("seven.dat_d"), seven);
    TuningSession source;
    const auto music = StoreMusicFile(source, folder.PathOf("tune"));

    FillTable(session.engine().image.ListeningPositions(), 500, 1);
    const Bytes before = TableBytes(session);
    for (const bool connected : {false, true}) {
        session.engine().connected = connected;
        EXPECT_EQ(OpenModeFile(session, folder.PathOf("seven.dat_d")).status.message(),
                  ModeFilePositionInvalid(7));
        EXPECT_EQ(OpenModeFile(session, music.path).status.message(), ModeFileReadError());
        EXPECT_EQ(TableBytes(session), before);
        EXPECT_TRUE(session.engine().queue.empty());
    }
}

TEST_F(DocumentCommandsTest, ModeOpenWhileConnectedWaitsForTheProcessorsTableThenWritesIt) {
    const std::string path = SavePositionTwo();
    session.engine().connected = true;  // no worker: the test plays the answer itself
    FillTable(session.engine().image.ListeningPositions(), 900, 0);  // stale copy
    const Bytes stale = TableBytes(session);

    const auto opened = OpenModeFile(session, path);
    ASSERT_TRUE(opened.awaitingTable);
    ASSERT_EQ(session.engine().queue.count(), 1u);
    const auto request = session.engine().queue.front()->data();
    EXPECT_EQ(request[frame::kCommand], 0xA2);
    EXPECT_EQ(request[frame::kChannel], 64);
    EXPECT_TRUE(session.engine().queue.front()->notifyOnAnswer);

    // Another transfer's notice, or a resend request, before the answer: nothing changes.
    EXPECT_EQ(CompleteModeFileOpen(session, opened.content), ModeFileStep::AwaitingTable);
    EXPECT_EQ(TableBytes(session), stale);

    // The answer is filed: the processor's own table replaces the stale copy.
    session.engine().queue.popFront();
    FillTable(session.engine().image.ListeningPositions(), 300, 3);
    const Bytes expected = WithRowTwo(TableBytes(session));
    EXPECT_EQ(CompleteModeFileOpen(session, opened.content), ModeFileStep::Done);
    EXPECT_EQ(TableBytes(session), expected);
    ASSERT_EQ(session.engine().queue.count(), 1u);
    const auto write = session.engine().queue.front()->data();
    EXPECT_EQ(write[frame::kCommand], 0xA1);
    EXPECT_EQ(Bytes(write.begin() + frame::kHeaderSize, write.begin() + frame::kHeaderSize + 50),
              expected);
}

}  // namespace
}  // namespace corva
