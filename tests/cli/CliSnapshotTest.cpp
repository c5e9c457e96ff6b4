// Safety copies on the command line: every command that replaces the tuning keeps one before
// its first write reaches the processor (by order in the trace), `snapshots` lists them,
// `snapshots restore` brings the tuning back, and a copy that cannot be written stops the
// command before anything is sent.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "CliFixture.h"
#include "CliJson.h"

namespace corva::test {
namespace {

// Where the first write frame and the snapshot note sit in a trace (line numbers; -1: none).
struct TraceOrder {
    int note = -1;
    int firstWriteAfterNote = -1;
    int writesBeforeNote = 0;
};

TraceOrder OrderIn(const std::string& trace, const std::string& word) {
    TraceOrder order;
    std::istringstream lines(trace);
    int number = 0;
    for (std::string line; std::getline(lines, line); ++number) {
        if (line.find(" # snapshot " + word) != std::string::npos) {
            order.note = number;
        } else if (line.find(" > 71 71 71 EE A1") != std::string::npos) {
            if (order.note < 0) {
                ++order.writesBeforeNote;
            } else if (order.firstWriteAfterNote < 0) {
                order.firstWriteAfterNote = number;
            }
        }
    }
    return order;
}

class CliSnapshotTest : public CliFixture {
protected:
    std::string SnapshotFolder() const { return scratch.File("data/CorvaDSP/snapshots"); }
};

TEST_F(CliSnapshotTest, EachDestructiveCommandKeepsItsCopyBeforeItsFirstWrite) {
    ASSERT_EQ(Sim({"read", "file.qvms"}).exitCode, 0);
    ASSERT_EQ(Sim({"store", "4", "Named"}).exitCode, 0);
    const std::vector<std::pair<std::vector<std::string>, std::string>> commands = {
        {{"recall", "2"}, "recall"},
        {{"load", "file.qvms"}, "load-file"},
        {{"store", "4", "Again"}, "store"},
        {{"factory-reset", "--yes"}, "factory-reset"},
    };
    for (const auto& [args, word] : commands) {
        const std::string trace = scratch.File("trace-" + word + ".txt");
        std::vector<std::string> traced = {"--trace", trace};
        traced.insert(traced.end(), args.begin(), args.end());
        const CliRun run = Sim(traced);
        ASSERT_EQ(run.exitCode, 0) << word << ": " << run.err;
        const TraceOrder order = OrderIn(ReadText(trace), word);
        EXPECT_GE(order.note, 0) << word;
        EXPECT_EQ(order.writesBeforeNote, 0) << word;
        EXPECT_GT(order.firstWriteAfterNote, order.note) << word;
    }
    // A store over a named preset also keeps the preset it overwrites: both stores did.
    JsonDocument listed(Offline({"--json", "snapshots"}).out);
    const cJSON* list = Member(listed.root(), "snapshots");
    ASSERT_TRUE(list);
    std::vector<std::string> overwritten;  // newest first
    for (int i = 0; i < cJSON_GetArraySize(list); ++i) {
        if (IntOf(Item(list, i), "preset") == 4) {
            overwritten.push_back(TextOf(Item(list, i), "name"));
        }
    }
    EXPECT_EQ(overwritten, (std::vector<std::string>{"Named", "Preset4"}));
}

// A kept preset name with control characters is listed escaped: it cannot move the cursor,
// clear the screen or start a line of its own.
TEST_F(CliSnapshotTest, TheListingEscapesControlCharactersInNames) {
    ASSERT_EQ(Sim({"store", "4", "A\x1b[2J\nB"}).exitCode, 0);
    ASSERT_EQ(Sim({"store", "4", "Plain"}).exitCode, 0);
    const CliRun listed = Offline({"snapshots"});
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_NE(listed.out.find("A\\x1B[2J\\x0AB\n"), std::string::npos) << listed.out;
    EXPECT_EQ(listed.out.find('\x1b'), std::string::npos);
}

TEST_F(CliSnapshotTest, ARestoredSnapshotBringsBackTheTuningItKept) {
    ASSERT_EQ(Sim({"set", "SR", "eq3.gain=-7", "gain=-4", "name=Door"}).exitCode, 0);
    ASSERT_EQ(Sim({"read", "before.qvms"}).exitCode, 0);
    ASSERT_EQ(Sim({"recall", "3"}).exitCode, 0);
    ASSERT_EQ(Sim({"read", "recalled.qvms"}).exitCode, 0);
    ASSERT_EQ(Offline({"diff", "before.qvms", "recalled.qvms"}).exitCode, 5);

    const CliRun listed = Offline({"--json", "snapshots"});
    JsonDocument list(listed.out);
    const cJSON* newest = Item(Member(list.root(), "snapshots"), 0);
    ASSERT_TRUE(newest) << listed.out;
    EXPECT_EQ(TextOf(newest, "reason"), "recall");
    const CliRun restored = Sim({"snapshots", "restore", TextOf(newest, "id")});
    ASSERT_EQ(restored.exitCode, 0) << restored.err;
    ASSERT_EQ(Sim({"read", "after.qvms"}).exitCode, 0);
    const CliRun compared = Offline({"diff", "before.qvms", "after.qvms"});
    EXPECT_EQ(compared.exitCode, 0) << compared.out;
    EXPECT_EQ(Offline({"snapshots", "restore", "no-such-id"}).exitCode, 2);
}

// Loading a complete file keeps a complete copy (live tuning and all 15 presets, read from the
// processor) first; restoring it brings every stored preset back.
TEST_F(CliSnapshotTest, ACompleteLoadKeepsACompleteCopyThatRestoresEveryPreset) {
    ASSERT_EQ(Sim({"backup", "a.qvma"}).exitCode, 0);
    ASSERT_EQ(Sim({"store", "5", "Other"}).exitCode, 0);
    ASSERT_EQ(Sim({"backup", "b.qvma"}).exitCode, 0);
    const CliRun loaded = Sim({"load", "a.qvma"});
    ASSERT_EQ(loaded.exitCode, 0) << loaded.err;
    ASSERT_EQ(Sim({"backup", "loaded.qvma"}).exitCode, 0);
    EXPECT_EQ(Offline({"diff", "a.qvma", "loaded.qvma"}).exitCode, 0);

    JsonDocument list(Offline({"--json", "snapshots"}).out);
    const cJSON* newest = Item(Member(list.root(), "snapshots"), 0);
    ASSERT_TRUE(newest);
    EXPECT_TRUE(BoolOf(newest, "complete"));
    EXPECT_EQ(TextOf(newest, "reason"), "load-file");
    const CliRun restored = Sim({"snapshots", "restore", TextOf(newest, "id")});
    ASSERT_EQ(restored.exitCode, 0) << restored.err;
    ASSERT_EQ(Sim({"backup", "restored.qvma"}).exitCode, 0);
    const CliRun compared = Offline({"diff", "b.qvma", "restored.qvma"});
    EXPECT_EQ(compared.exitCode, 0) << compared.out;

    // A file that cannot be read leaves no copy behind.
    WriteBytes(scratch.File("broken.qvma"), {'{', '}'});
    EXPECT_EQ(Sim({"load", "broken.qvma"}).exitCode, 2);
    JsonDocument after(Offline({"--json", "snapshots"}).out);
    EXPECT_EQ(cJSON_GetArraySize(Member(after.root(), "snapshots")),
              cJSON_GetArraySize(Member(list.root(), "snapshots")) + 1);  // the restore's own
}

TEST_F(CliSnapshotTest, ACopyThatCannotBeWrittenStopsTheCommandBeforeAnyWrite) {
    ASSERT_EQ(Sim({"read", "file.qvms"}).exitCode, 0);
    std::filesystem::create_directories(scratch.File("data/CorvaDSP"));
    WriteBytes(SnapshotFolder(), {1, 2, 3});  // a file where the folder should be
    const std::string trace = scratch.File("trace.txt");
    const CliRun run = Sim({"--trace", trace, "load", "file.qvms"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("safety copy"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("nothing was sent"), std::string::npos) << run.err;
    EXPECT_EQ(OrderIn(ReadText(trace), "load-file").note, -1);
    EXPECT_EQ(OrderIn(ReadText(trace), "load-file").writesBeforeNote, 0);
}

}  // namespace
}  // namespace corva::test
