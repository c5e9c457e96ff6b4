// The preset file commands: path rules, messages, loads that change nothing when they fail,
// and store-all / write / recall-all against simulated processors over the in-process link.
#include <gtest/gtest.h>

#include <algorithm>

#include "commands/DocumentFileIo.h"
#include "commands/PresetFileCommands.h"
#include "commands/PresetFileMessages.h"
#include "commands/PresetFilePaths.h"
#include "commands/TuningFiles.h"
#include "core/ByteOrder.h"
#include "files/JsonPresetReader.h"
#include "files/JsonPresetWriter.h"
#include "files/JsonTestSupport.h"
#include "model/ChannelEditor.h"
#include "model/OutputBlockLimits.h"
#include "protocol/FrameLayout.h"
#include "support/Rendered.h"
#include "transfer/EngineHarness.h"

namespace corva {
namespace {

using sim::SimDeviceEnumerator;
using test::Bytes;
using test::Engine;

constexpr std::size_t kDelayWord = 252;  // inside an output block

TEST(PresetFilePathsTest, ExtensionIsAppendedOnlyWhenThePathLacksIt) {
    EXPECT_EQ(StorePathWithExtension("N", kSingleFileExtension), "N.qvms");
    EXPECT_EQ(StorePathWithExtension("N.qvms", kSingleFileExtension), "N.qvms");
    EXPECT_EQ(StorePathWithExtension("dir/N.qvms.old", kSingleFileExtension), "dir/N.qvms.old");
    EXPECT_EQ(StorePathWithExtension("N.QVMS", kSingleFileExtension), "N.QVMS.qvms");
    EXPECT_EQ(StorePathWithExtension("N.qvms", kCompleteFileExtension), "N.qvms.qvma");
}

TEST(PresetFilePathsTest, OpenTakesExactlyQvmsOrQvmaAfterTheLastDot) {
    EXPECT_EQ(PresetFileKindOf("dir.x/a.b.qvms"), PresetFileKind::Single);
    EXPECT_EQ(PresetFileKindOf("a.qvma"), PresetFileKind::Complete);
    for (const char* other : {"a.QVMS", "a.Qvma", "a.qvmsx", "qvms", "a.qvms/b", "a.json", ""}) {
        EXPECT_EQ(PresetFileKindOf(other), PresetFileKind::Other) << other;
    }
}

// Names and data that are recognisable in the processor's stored presets.
void FillStoredPresets(sim::SimulatedProcessor& processor, int seed) {
    processor.WithMemory([seed](ParameterImage& memory) {
        for (int preset = 1; preset <= kPresetCount; ++preset) {
            test::FillPattern(memory, preset, seed + preset);
        }
    });
}

ParameterImage MemoryOf(sim::SimulatedProcessor& processor) {
    ParameterImage copy;
    processor.WithMemory([&](ParameterImage& memory) { copy = memory; });
    return copy;
}

std::string Describe(const std::vector<std::uint8_t>& frame) {
    return std::to_string(frame[frame::kCommand]) + ":" + std::to_string(frame[frame::kBlockType]) +
           "/" + std::to_string(frame[frame::kChannel]) + "/" +
           std::to_string(frame[frame::kSlot]) + "/" + std::to_string(frame[frame::kPreset]);
}

std::vector<std::string> WithoutPolls(const std::vector<std::vector<std::uint8_t>>& frames) {
    std::vector<std::string> described;
    for (const auto& frame : frames) {
        const bool poll = frame[frame::kCommand] == 0xA2 && frame[frame::kBlockType] == 9 &&
                          frame[frame::kChannel] == 3;
        if (!poll) {
            described.push_back(Describe(frame));
        }
    }
    return described;
}

class PresetFileCommandsTest : public ::testing::Test {
protected:
    // A copy of the engine's image, to write files from.
    static ParameterImage ImageOf(Engine& engine) {
        std::lock_guard lock(engine.session.engine().sendLock);
        return engine.session.engine().image;
    }
    std::size_t PresetsReceivedCount(const Engine& engine) const {
        return static_cast<std::size_t>(
            std::count(engine.notices.begin(), engine.notices.end(), NoticeId::PresetsReceived));
    }

    SimDeviceEnumerator devices;
    test::SharedInUseMarkers inUse;
    test::ScratchFolder folder;
};

// ---- Saving ----

TEST_F(PresetFileCommandsTest, SaveButtonChecksTheNameThenWritesIntoTheDataFolder) {
    Engine engine(devices, inUse);
    PresetFileCommands commands(engine.session, engine.controller);
    const auto dataFolder = folder.path().string();

    auto outcome = commands.SaveUnderName(dataFolder, "", SaveMode::Current);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(test::Rendered(outcome.message->text),
              (test::BothLanguages{"Please enter a name for the scene!", "请输入音效名!"}));
    EXPECT_EQ(outcome.message->style, MessageStyle::Timed);
    EXPECT_EQ(test::Rendered(outcome.caption), (test::BothLanguages{"prompt", "提示"}));

    outcome = commands.SaveUnderName(dataFolder, "   ", SaveMode::All);
    EXPECT_EQ(test::Rendered(outcome.message->text),
              (test::BothLanguages{"The machine sound name can not be all spaces!",
                                   "机器预置音效名不能全为空格!"}));
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));

    outcome = commands.SaveUnderName(dataFolder, "Night", SaveMode::Current);
    EXPECT_TRUE(outcome.ok);
    EXPECT_EQ(outcome.path, folder.File("Night.qvms"));
    EXPECT_EQ(test::Rendered(outcome.message->text),
              (test::BothLanguages{"Save music file successfully!", "成功保存音效文件！"}));
    EXPECT_EQ(commands.SaveUnderName(dataFolder, "Night.qvms", SaveMode::Current).path,
              folder.File("Night.qvms"));

    outcome = commands.SaveUnderName(folder.File("missing"), "Night", SaveMode::Current);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(test::Rendered(outcome.message->text),
              (test::BothLanguages{"Save MusicFile Error!", "保存音效文件错误 !"}));
    EXPECT_FALSE(outcome.message->detail.empty());
}

TEST_F(PresetFileCommandsTest, ProtectedTuningIsNeverSavedInTheClear) {
    Engine engine(devices, inUse);
    PresetFileCommands commands(engine.session, engine.controller);
    engine.session.engine().protection = {true, false, false, "246810"};
    const UiText refusal = ProtectedTuningRefusal();

    auto outcome = commands.SaveCurrentAs(folder.File("browse"));
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message->text, refusal);
    outcome = commands.SaveUnderName(folder.path().string(), "Night", SaveMode::Current);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message->text, refusal);
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
    // The name is still checked first, as on plain tuning.
    EXPECT_EQ(commands.SaveUnderName(folder.path().string(), "", SaveMode::All).message->style,
              MessageStyle::Timed);
    EXPECT_EQ(commands.ProtectionRefusal()->text, refusal);

    engine.session.engine().protection = {};
    EXPECT_FALSE(commands.ProtectionRefusal());
    EXPECT_TRUE(commands.SaveCurrentAs(folder.File("browse")).ok);
}

TEST_F(PresetFileCommandsTest, BrowseSaveWritesTheModelsValuesFirst) {
    Engine engine(devices, inUse);
    PresetFileCommands commands(engine.session, engine.controller);
    engine.session.engine().model.output(2).SetDelay(
        123);  // in the model only, not yet in the image

    const auto outcome = commands.SaveCurrentAs(folder.File("browse"));
    ASSERT_TRUE(outcome.ok);
    EXPECT_FALSE(outcome.message);
    EXPECT_EQ(outcome.path, folder.File("browse.qvms"));
    JsonSingleFile file;
    ASSERT_TRUE(ParseSingleJson(test::ReadFileBytes(outcome.path), file).ok());
    EXPECT_EQ(ReadLe16(file.preset.outputs[2], kDelayWord), 123);
    EXPECT_EQ(file.header.company, DefaultCompanyBlock());  // the panel writes the defaults
}

// Offline nothing steps a crossover up octave by octave: the file holds the value on screen.
TEST_F(PresetFileCommandsTest, ACrossoverRaisedOfflineIsSavedAsShown) {
    TuningSession offline;
    ChannelEditor editor(offline);
    ASSERT_EQ(editor.SetCrossoverFrequency(1, CrossoverFilter::HighPass, 250), 250);
    ASSERT_EQ(editor.SetCrossoverFrequency(1, CrossoverFilter::LowPass, 8000), 8000);
    ASSERT_TRUE(WriteLiveAsSingleFile(offline, folder.File("offline.qvms")).ok());
    TuningSession reader;
    ASSERT_TRUE(LoadTuningFile(reader, folder.File("offline.qvms")).status.ok());
    EXPECT_EQ(reader.Snapshot().outputs[1].highPass.frequencyHz, 250);
    EXPECT_EQ(reader.Snapshot().outputs[1].lowPass.frequencyHz, 8000);
}

TEST_F(PresetFileCommandsTest, FailedWriteLeavesWhatWasThereAndNoLeftovers) {
    Engine engine(devices, inUse);
    PresetFileCommands commands(engine.session, engine.controller);
    std::filesystem::create_directory(folder.path() / "taken.qvms");

    const auto outcome = commands.SaveCurrentAs(folder.File("taken.qvms"));
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(test::Rendered(outcome.message->text),
              (test::BothLanguages{"Save MusicFile Error!", "保存音乐文件错误!"}));
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "taken.qvms"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);

    // An existing file is replaced whole.
    test::WriteFileBytes(folder.path() / "old.qvms", Bytes(100000, 'x'));
    ASSERT_TRUE(commands.SaveCurrentAs(folder.File("old.qvms")).ok);
    JsonSingleFile file;
    EXPECT_TRUE(ParseSingleJson(test::ReadFileBytes(folder.path() / "old.qvms"), file).ok());
}

TEST_F(PresetFileCommandsTest, StoreAllNeedsAConnectionAndQueuesNothingWithout) {
    Engine engine(devices, inUse);
    PresetFileCommands commands(engine.session, engine.controller);
    const test::BothLanguages failure{
        "Connection failure!", "连接失败  请检查USB线缆是否插好或重启计算机和设备后再尝试连接!"};

    ASSERT_TRUE(commands.RequireConnection());
    EXPECT_EQ(test::Rendered(commands.RequireConnection()->text), failure);
    for (const auto& outcome :
         {commands.StoreAllPresets(folder.File("all")),
          commands.SaveUnderName(folder.path().string(), "all", SaveMode::All)}) {
        EXPECT_FALSE(outcome.ok);
        EXPECT_EQ(test::Rendered(outcome.message->text), failure);
    }
    EXPECT_FALSE(commands.pendingCompleteFile());
    EXPECT_TRUE(engine.session.engine().queue.empty());

    const auto nothing = commands.WritePendingCompleteFile();
    EXPECT_FALSE(nothing.ok);
    EXPECT_FALSE(nothing.message);
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

// ---- Opening ----

// Offline a file becomes the program's tuning (to be prepared and saved) and nothing is queued
// for a processor that is not there; the message says the processor was not changed.
TEST_F(PresetFileCommandsTest, FilesOpenedWhileDisconnectedLoadQueueNothingAndSaySo) {
    TuningSession source;
    source.engine().model.output(1).SetDelay(77);
    source.engine().model.WriteAllToImage(source.engine().image);
    source.engine().image.ListeningPositions()[48] = 9;
    const auto path = folder.File("one.qvms");
    ASSERT_TRUE(WriteSingleJson(path, source.engine().image, JsonHeaderRecord{}).ok());
    const auto complete = folder.File("all.qvma");
    ASSERT_TRUE(WriteCompleteJson(complete, source.engine().image, JsonHeaderRecord{}).ok());

    Engine engine(devices, inUse);
    PresetFileCommands commands(engine.session, engine.controller);
    test::FillAll(engine.session.engine().image, 6);
    engine.session.engine().model.output(1).SetDelay(12);

    const auto outcome = commands.OpenPresetFile(path);
    EXPECT_TRUE(outcome.ok);
    EXPECT_TRUE(outcome.offline);
    ASSERT_TRUE(outcome.message);
    EXPECT_EQ(outcome.message->text, SingleLoadedOfflineMessage().text);
    EXPECT_EQ(engine.session.engine().model.output(1).delayCode(), 77);
    EXPECT_EQ(engine.session.engine().image.ListeningPositions()[48], 3);
    EXPECT_TRUE(engine.session.engine().queue.empty());
    EXPECT_FALSE(engine.session.engine().protection.isProtected);

    engine.session.engine().model.output(1).SetDelay(12);
    const auto all = commands.OpenPresetFile(complete);
    EXPECT_TRUE(all.ok && all.offline);
    ASSERT_TRUE(all.message);
    EXPECT_EQ(all.message->text, CompleteLoadedOfflineMessage().text);
    EXPECT_EQ(engine.session.engine().model.output(1).delayCode(), 77);
    EXPECT_TRUE(engine.session.engine().queue.empty());
}

TEST_F(PresetFileCommandsTest, OtherExtensionsDoNothingAndBadFilesChangeNothing) {
    TuningSession source;
    const auto good = folder.File("good.qvms");
    ASSERT_TRUE(WriteSingleJson(good, source.engine().image, JsonHeaderRecord{}).ok());
    const auto goodBytes = test::ReadFileBytes(good);
    test::WriteFileBytes(folder.path() / "upper.QVMS", goodBytes);
    test::WriteFileBytes(folder.path() / "cut.qvms",
                         Bytes(goodBytes.begin(), goodBytes.begin() + 900));
    test::WriteFileBytes(folder.path() / "cut.qvma",
                         Bytes(goodBytes.begin(), goodBytes.begin() + 900));

    Engine engine(devices, inUse);
    PresetFileCommands commands(engine.session, engine.controller);
    test::FillAll(engine.session.engine().image, 3);
    engine.session.engine().model.output(0).SetDelay(55);
    const auto before = test::Snapshot(engine.session.engine().image);

    const auto ignored = commands.OpenPresetFile(folder.File("upper.QVMS"));
    EXPECT_FALSE(ignored.ok);
    EXPECT_FALSE(ignored.message);

    const test::BothLanguages readSingle{"Read MusicFile  Error", "读音乐文件错误!"};
    const test::BothLanguages readAll{"Read all MusicFile Error", "读所有音乐文件错误!"};
    EXPECT_EQ(test::Rendered(commands.OpenPresetFile(folder.File("cut.qvms")).message->text),
              readSingle);
    EXPECT_EQ(test::Rendered(commands.OpenPresetFile(folder.File("cut.qvma")).message->text),
              readAll);
    EXPECT_EQ(test::Rendered(commands.OpenSingleFile(folder.File("cut.qvma")).message->text),
              readSingle);
    EXPECT_EQ(test::Rendered(commands.OpenPresetFile(good + ".qvma").message->text),
              readAll);                                     // no such file
    const auto recalled = commands.RecallAllPresets(good);  // a single file's name
    EXPECT_FALSE(recalled.ok);
    EXPECT_EQ(test::Rendered(recalled.message->text), readAll);

    EXPECT_TRUE(test::Snapshot(engine.session.engine().image) == before);
    EXPECT_EQ(engine.session.engine().model.output(0).delayCode(), 55);
}

TEST_F(PresetFileCommandsTest, RecallAllTakesTheHeaderIntoTheMainRecordAndLimitsThePosition) {
    ParameterImage source;
    test::FillAll(source, 11);
    source.ListeningPositions()[48] = 200;
    JsonHeaderRecord header;
    header.company.name = "Recalled";
    const auto path = folder.File("all.qvma");
    ASSERT_TRUE(WriteCompleteJson(path, source, header).ok());

    Engine engine(devices, inUse);
    PresetFileCommands commands(engine.session, engine.controller);
    const auto opened = commands.OpenPresetFile(path);  // the open panel has its own record
    EXPECT_TRUE(opened.ok && opened.offline);  // nothing sent while disconnected, and said so
    ASSERT_TRUE(opened.message);
    EXPECT_EQ(opened.message->text, CompleteLoadedOfflineMessage().text);
    EXPECT_EQ(commands.mainHeader().company.name, DefaultCompanyBlock().name);

    const auto recalled = commands.RecallAllPresets(path);
    EXPECT_TRUE(recalled.ok);
    EXPECT_EQ(commands.mainHeader().company.name, "Recalled");
    EXPECT_EQ(engine.session.engine().image.ListeningPositions()[48], 3);
    EXPECT_EQ(test::Slice(engine.session.engine().image.Record(9), 296, 1888),
              test::Slice(source.Record(9), 296, 1888));
}

TEST_F(PresetFileCommandsTest, ALoadedFileTellsTheFrontEndEverythingChanged) {
    ParameterImage source;
    test::FillAll(source, 5);
    const auto path = folder.File("all.qvma");
    ASSERT_TRUE(WriteCompleteJson(path, source, JsonHeaderRecord{}).ok());

    Engine engine(devices, inUse);
    std::vector<SessionChange> changes;
    std::uint8_t channels = 0;
    engine.session.SetEventSink([&](const SessionEvent& event) {
        (void)engine.session.Snapshot();  // raised after the lock is released
        changes.push_back(event.change);
        channels |= event.channels;
    });
    PresetFileCommands commands(engine.session, engine.controller);
    ASSERT_TRUE(commands.OpenPresetFile(path).ok);
    for (const SessionChange change : {SessionChange::Outputs, SessionChange::Protection,
                                       SessionChange::Positions, SessionChange::Presets}) {
        EXPECT_NE(std::find(changes.begin(), changes.end(), change), changes.end());
    }
    EXPECT_EQ(channels, kAllOutputChannels);

    changes.clear();
    EXPECT_FALSE(commands.OpenPresetFile(folder.File("missing.qvma")).ok);
    EXPECT_TRUE(changes.empty()) << "a failed load changes nothing and says nothing changed";
}

// ---- Against simulated processors ----

TEST_F(PresetFileCommandsTest, StoreAllThroughTheSaveButtonThenRecallIntoAFreshProcessor) {
    auto processor = devices.Plug("source");
    FillStoredPresets(*processor, 30);
    const auto stored = MemoryOf(*processor);
    std::string path;
    {
        Engine engine(devices, inUse);
        ASSERT_TRUE(engine.ConnectSynchronised("source"));
        PresetFileCommands commands(engine.session, engine.controller);
        processor->ClearReceivedFrames();

        const auto queued =
            commands.SaveUnderName(folder.path().string(), "everything", SaveMode::All);
        ASSERT_TRUE(queued.ok);
        EXPECT_EQ(queued.progressRange, 105);
        // The progress display takes its range from the bulk transfer.
        EXPECT_EQ(engine.controller.bulk().progressCount(), 105);
        EXPECT_EQ(queued.path, folder.File("everything.qvma"));
        EXPECT_EQ(commands.pendingCompleteFile(), queued.path);
        ASSERT_TRUE(engine.PumpUntil([&] { return PresetsReceivedCount(engine) == 1; }));

        const auto frames = WithoutPolls(processor->ReceivedFrames());
        ASSERT_EQ(frames.size(), 105u);
        EXPECT_EQ(frames[0], "162:3/2/119/1");  // the music input of preset 1 first
        EXPECT_EQ(frames[1], "162:4/0/119/1");
        EXPECT_EQ(frames[7], "162:3/2/119/2");
        EXPECT_EQ(frames[104], "162:4/5/119/15");

        const auto written = commands.WritePendingCompleteFile();
        ASSERT_TRUE(written.ok) << written.message->detail;
        EXPECT_FALSE(commands.pendingCompleteFile());
        EXPECT_FALSE(engine.controller.bulk().bulkBusy);
        path = written.path;
        engine.controller.Disconnect();
    }

    JsonCompleteFile file;
    ASSERT_TRUE(ParseCompleteJson(test::ReadFileBytes(path), file).ok());
    ASSERT_EQ(file.groups.size(), 16u);
    for (int preset = 1; preset <= kPresetCount; ++preset) {
        SCOPED_TRACE(preset);
        const auto& group = file.groups[static_cast<std::size_t>(preset)];
        const auto record = stored.Record(preset);
        EXPECT_EQ(Bytes(group.name.begin(), group.name.begin() + 13), test::Slice(record, 0, 13));
        EXPECT_EQ(group.music, test::Slice(record, 296, 112));
        for (int k = 0; k < kOutputChannelCount; ++k) {
            EXPECT_EQ(group.outputs[static_cast<std::size_t>(k)],
                      test::Slice(record, record::OutputBlock(k), 296));
        }
    }

    auto fresh = devices.Plug("fresh");
    Engine engine(devices, inUse);
    ASSERT_TRUE(engine.ConnectSynchronised("fresh"));
    PresetFileCommands commands(engine.session, engine.controller);
    const auto recalled = commands.RecallAllPresets(path);
    ASSERT_TRUE(recalled.ok);
    EXPECT_FALSE(recalled.message);
    EXPECT_EQ(recalled.progressRange, 1 + 6 + 6 + 6 + 15 * 7 + 1);
    ASSERT_TRUE(engine.WaitQueueIdle());
    engine.controller.Disconnect();

    const auto reproduced = MemoryOf(*fresh);
    for (int preset = 1; preset <= kPresetCount; ++preset) {
        SCOPED_TRACE(preset);
        EXPECT_EQ(test::Slice(reproduced.Record(preset), 0, 13),
                  test::Slice(stored.Record(preset), 0, 13));
        EXPECT_EQ(test::Slice(reproduced.Record(preset), 408, 6 * 296),
                  test::Slice(stored.Record(preset), 408, 6 * 296));
    }
    for (int k = 0; k < kOutputChannelCount; ++k) {
        EXPECT_EQ(test::Slice(reproduced.Live(), record::OutputBlock(k), 296),
                  file.groups[0].outputs[static_cast<std::size_t>(k)]);
    }
}

TEST_F(PresetFileCommandsTest, StoreAllReadsOutputsOnlyAndWritesWithTheMainHeader) {
    auto processor = devices.Plug("source");
    FillStoredPresets(*processor, 50);
    const auto stored = MemoryOf(*processor);
    Engine engine(devices, inUse);
    ASSERT_TRUE(engine.ConnectSynchronised("source"));
    PresetFileCommands commands(engine.session, engine.controller);
    commands.mainHeader().company.name = "Main view";
    processor->ClearReceivedFrames();

    const auto queued = commands.StoreAllPresets(folder.File("outputs"));
    ASSERT_TRUE(queued.ok);
    EXPECT_EQ(queued.progressRange, 90);
    EXPECT_EQ(queued.path, folder.File("outputs.qvma"));
    ASSERT_TRUE(engine.PumpUntil([&] { return PresetsReceivedCount(engine) == 1; }));
    EXPECT_EQ(WithoutPolls(processor->ReceivedFrames()).size(), 90u);
    ASSERT_TRUE(commands.WritePendingCompleteFile().ok);

    JsonCompleteFile file;
    ASSERT_TRUE(ParseCompleteJson(test::ReadFileBytes(queued.path), file).ok());
    EXPECT_EQ(file.header.company.name, "Main view");
    EXPECT_EQ(file.groups[4].outputs[3],
              test::Slice(stored.Record(4), record::OutputBlock(3), 296));
    // The music inputs were not read: the file holds what the program had.
    EXPECT_NE(file.groups[4].music, test::Slice(stored.Record(4), 296, 112));
    EXPECT_EQ(file.groups[4].music, test::Slice(engine.session.engine().image.Record(4), 296, 112));

    // A pending file that cannot be written is reported, and bulk busy still ends.
    ASSERT_TRUE(commands.StoreAllPresets(folder.File("missing/outputs")).ok);
    ASSERT_TRUE(engine.PumpUntil([&] { return PresetsReceivedCount(engine) == 2; }));
    const auto failed = commands.WritePendingCompleteFile();
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(test::Rendered(failed.message->text),
              (test::BothLanguages{"save all MusicFile Error!", "保存所有音乐文件错误!"}));
    EXPECT_FALSE(engine.controller.bulk().bulkBusy);
    engine.controller.Disconnect();
}

// Files opened into a processor without protection, connected and synchronised.
class PlainProcessorFilesTest : public PresetFileCommandsTest {
protected:
    void SetUp() override { ASSERT_TRUE(engine.ConnectSynchronised("plain")); }

    std::shared_ptr<sim::SimulatedProcessor> processor = devices.Plug("plain");
    Engine engine{devices, inUse};
    PresetFileCommands commands{engine.session, engine.controller};
};

TEST_F(PlainProcessorFilesTest, OpenedFileReachesThePlainProcessorWithoutAMarker) {
    // Saved from protected tuning: the marker "!" travels in the file.
    ParameterImage saved = ImageOf(engine);
    saved.Block(0, BlockType::Output, 0)[output_block::kProtectionMarker] = '!';
    WriteLe16(saved.Block(0, BlockType::Output, 1), kDelayWord, 99);
    saved.ListeningPositions()[48] = 9;
    const auto path = folder.File("marked.qvms");
    ASSERT_TRUE(WriteSingleJson(path, saved, JsonHeaderRecord{}).ok());

    const auto opened = commands.OpenPresetFile(path);
    ASSERT_TRUE(opened.ok);
    EXPECT_FALSE(opened.message);
    EXPECT_EQ(opened.progressRange, 9);  // volume held, name, six blocks, volume restored
    {
        std::lock_guard lock(engine.session.engine().sendLock);
        EXPECT_EQ(engine.session.engine().model.output(1).delayCode(), 99);
        // Never beyond the last row.
        EXPECT_EQ(engine.session.engine().image.ListeningPositions()[48], 3);
    }
    ASSERT_TRUE(engine.WaitQueueIdle());
    engine.controller.Disconnect();

    const auto memory = MemoryOf(*processor);
    EXPECT_EQ(memory.Block(0, BlockType::Output, 0)[output_block::kProtectionMarker], ' ');
    EXPECT_EQ(ReadLe16(memory.Block(0, BlockType::Output, 1), kDelayWord), 99);
    EXPECT_FALSE(engine.session.engine().protection.isProtected);
}

// A file's values outside their limits (a frequency of -1 Hz, a gain code 0xFFFF, a routing
// share of 255 %) are limited before the model shows them or the processor receives them,
// and the load says how many there were.
TEST_F(PlainProcessorFilesTest, ValuesOutsideTheirLimitsAreLimitedBeforeShownOrSent) {
    ParameterImage saved = ImageOf(engine);
    constexpr std::size_t kBand3 = 3 * kSlotSize;
    constexpr std::size_t kRoutingShare1 = output_block::kRoutingSlot * kSlotSize;
    WriteLe16(saved.Block(0, BlockType::Output, 2), kBand3, -1);
    WriteLe16(saved.Block(0, BlockType::Output, 2), kBand3 + 2, 0xFFFF);
    saved.Block(0, BlockType::Output, 4)[kRoutingShare1] = 255;
    const auto path = folder.File("hostile.qvms");
    ASSERT_TRUE(WriteSingleJson(path, saved, JsonHeaderRecord{}).ok());

    const auto opened = commands.OpenPresetFile(path);
    ASSERT_TRUE(opened.ok);
    EXPECT_EQ(opened.valuesLimited, 3);
    EXPECT_EQ(LimitedValuesNote(opened.valuesLimited)->In(UiLanguage::English),
              "3 values were outside their limits and were limited.");
    {
        std::lock_guard lock(engine.session.engine().sendLock);
        const auto& model = engine.session.engine().model;
        EXPECT_EQ(model.output(2).eq().Band(3).targetHz(), 20);
        EXPECT_DOUBLE_EQ(model.output(2).eq().Band(3).gainDb(), -20.0);
        EXPECT_EQ(model.output(4).routing().share1, 100);
    }
    ASSERT_TRUE(engine.WaitQueueIdle());
    const auto memory = MemoryOf(*processor);
    EXPECT_EQ(ReadLe16Signed(memory.Block(0, BlockType::Output, 2), kBand3), 20);
    EXPECT_EQ(ReadLe16Signed(memory.Block(0, BlockType::Output, 2), kBand3 + 2), 400);
    EXPECT_EQ(memory.Block(0, BlockType::Output, 4)[kRoutingShare1], 100);
    for (int channel = 0; channel < kOutputChannelCount; ++channel) {
        EXPECT_EQ(ValuesOutsideLimits(memory.Block(0, BlockType::Output, channel)), 0);
    }
}

}  // namespace
}  // namespace corva
