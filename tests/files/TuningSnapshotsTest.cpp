// Safety copies of the tuning: one restores the processor's live tuning to the byte after a
// recall replaced it, only the newest are kept, and a copy that cannot be written says so.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

#include "commands/MachinePresets.h"
#include "commands/TuningSnapshots.h"
#include "files/FileTestSupport.h"
#include "model/ChannelEditor.h"
#include "transfer/EngineHarness.h"

namespace corva {
namespace {

using test::Bytes;
using test::Engine;

TEST(TuningSnapshotsTest, ASnapshotRestoresTheLiveTuningToTheByteAfterARecall) {
    sim::SimDeviceEnumerator devices;
    test::SharedInUseMarkers inUse;
    test::ScratchFolder folder;
    auto processor = devices.Plug("dsp");
    Engine engine(devices, inUse);
    ASSERT_TRUE(engine.controller.ConnectToPath("dsp").ok());
    ASSERT_TRUE(engine.WaitSynchronised());
    ChannelEditor editor(engine.session);
    editor.SetBandGainDb(1, 8, -5.5);
    editor.SetCrossoverFrequency(4, CrossoverFilter::LowPass, 120);
    editor.SetGain(3, 450);
    ASSERT_TRUE(engine.PumpUntil([&] { return engine.session.NothingLeftToSend(); }));
    const auto liveOfProcessor = [&] {
        Bytes live;
        processor->WithMemory([&](ParameterImage& memory) {
            live.assign(memory.Live().begin(), memory.Live().begin() + kNameFieldSize);
            live.insert(live.end(), memory.Live().begin() + record::kFirstOutput,
                        memory.Live().end());
        });
        return live;
    };
    const Bytes before = liveOfProcessor();

    TuningSnapshots snapshots(folder.PathOf("snapshots"));
    ASSERT_TRUE(snapshots.KeepLive(engine.session, SnapshotReason::Recall).ok());
    MachinePresets presets(engine.session, engine.controller);
    ASSERT_FALSE(presets.Load(2));
    ASSERT_TRUE(engine.WaitSynchronised());
    ASSERT_TRUE(engine.PumpUntil([&] { return engine.session.NothingLeftToSend(); }));
    ASSERT_NE(liveOfProcessor(), before);

    const auto list = snapshots.List();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].reason, SnapshotReason::Recall);
    EXPECT_EQ(list[0].preset, 0);
    const auto loaded = LoadMusicFile(engine.session, engine.controller.bulk(), list[0].path);
    ASSERT_TRUE(loaded.status.ok());
    ASSERT_TRUE(loaded.sent);
    EXPECT_TRUE(engine.PumpUntil([&] { return liveOfProcessor() == before; }));
}

TEST(TuningSnapshotsTest, OnlyTheNewestAreKeptNewestFirst) {
    test::ScratchFolder folder;
    TuningSession session;
    TuningSnapshots snapshots(folder.PathOf("kept"), 3);
    const SnapshotReason reasons[] = {SnapshotReason::Recall, SnapshotReason::LoadFile,
                                      SnapshotReason::Store, SnapshotReason::FactoryReset,
                                      SnapshotReason::AbSwitch};
    for (const auto reason : reasons) {
        ASSERT_TRUE(snapshots.KeepLive(session, reason).ok());
    }
    test::ScratchFolder::Write(folder.PathOf("kept/notes.wkcs"), {1});  // not one of ours
    const auto list = snapshots.List();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].reason, SnapshotReason::AbSwitch);
    EXPECT_EQ(list[1].reason, SnapshotReason::FactoryReset);
    EXPECT_EQ(list[2].reason, SnapshotReason::Store);
    EXPECT_TRUE(snapshots.Find(list[1].id));
    EXPECT_FALSE(snapshots.Find("20000101-000000-000-recall"));
}

TEST(TuningSnapshotsTest, ACopyThatCannotBeWrittenNamesTheFileAndWhy) {
    test::ScratchFolder folder;
    test::ScratchFolder::Write(folder.PathOf("blocked"), {1});  // a file where the folder goes
    TuningSession session;
    TuningSnapshots snapshots(folder.PathOf("blocked"));
    const Status kept = snapshots.KeepLive(session, SnapshotReason::FactoryReset);
    ASSERT_FALSE(kept.ok());
    EXPECT_NE(kept.message().In(UiLanguage::English).find(folder.PathOf("blocked")),
              std::string::npos);
    EXPECT_TRUE(snapshots.List().empty());
    const UiText shown = SnapshotFailedMessage(SnapshotReason::FactoryReset, kept.message());
    EXPECT_NE(shown.In(UiLanguage::English).find("before factory reset"), std::string::npos);
}

// A restore checks the copy first and never makes room by removing the copy it restores; the
// newest are chosen by the time each copy was written, whatever its name says.
TEST(TuningSnapshotsTest, RestoringTheOldestKeepsItAndPruningGoesByTheWrittenTime) {
    test::ScratchFolder folder;
    TuningSession session;
    TuningSnapshots snapshots(folder.PathOf("kept"), 3);
    for (const auto reason :
         {SnapshotReason::Recall, SnapshotReason::Store, SnapshotReason::AbSwitch}) {
        ASSERT_TRUE(snapshots.KeepLive(session, reason).ok());
    }
    const SnapshotInfo oldest = snapshots.List().back();
    ASSERT_EQ(oldest.reason, SnapshotReason::Recall);
    ASSERT_TRUE(snapshots.KeepLiveBeforeRestore(session, oldest).ok());
    EXPECT_TRUE(snapshots.Find(oldest.id));
    EXPECT_EQ(snapshots.List().size(), 3u);
    EXPECT_EQ(snapshots.List()[0].reason, SnapshotReason::LoadFile);

    // An unreadable copy is not restored, and no safety copy is written for it.
    test::ScratchFolder::Write(oldest.path, {1, 2, 3});
    const auto before = snapshots.List();
    EXPECT_FALSE(snapshots.KeepLiveBeforeRestore(session, oldest).ok());
    EXPECT_EQ(snapshots.List().size(), before.size());
    EXPECT_EQ(snapshots.List()[0].id, before[0].id);

    // A clock set back: the copies kept so far look newer than anything written now. The new
    // copy stays, and the one written earliest goes, not the one whose name sorts first.
    const auto now = std::filesystem::file_time_type::clock::now();
    const auto list = snapshots.List();
    std::filesystem::last_write_time(list[0].path, now + std::chrono::hours(48));
    std::filesystem::last_write_time(list[1].path, now + std::chrono::hours(24));
    std::filesystem::last_write_time(list[2].path, now + std::chrono::hours(72));
    ASSERT_TRUE(snapshots.KeepLive(session, SnapshotReason::FactoryReset).ok());
    const auto after = snapshots.List();
    ASSERT_EQ(after.size(), 3u);
    EXPECT_FALSE(snapshots.Find(list[1].id));
    EXPECT_TRUE(snapshots.Find(list[0].id));
    EXPECT_TRUE(snapshots.Find(list[2].id));
    EXPECT_EQ(after.back().reason, SnapshotReason::FactoryReset);
}

// Copies made at the same moment by separate runs each get a name of their own: none is lost.
TEST(TuningSnapshotsTest, CopiesMadeAtOnceNeverShareAName) {
    test::ScratchFolder folder;
    constexpr int kWriters = 4;
    constexpr int kCopiesEach = 15;
    std::vector<std::thread> writers;
    std::atomic<int> failures{0};
    for (int w = 0; w < kWriters; ++w) {
        writers.emplace_back([&] {
            TuningSession session;
            TuningSnapshots snapshots(folder.PathOf("busy"));
            for (int i = 0; i < kCopiesEach; ++i) {
                failures += snapshots.KeepLive(session, SnapshotReason::Recall).ok() ? 0 : 1;
            }
        });
    }
    for (auto& writer : writers) {
        writer.join();
    }
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(TuningSnapshots(folder.PathOf("busy")).List().size(),
              static_cast<std::size_t>(kWriters * kCopiesEach));
}

}  // namespace
}  // namespace corva
