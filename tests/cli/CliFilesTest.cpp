// The commands that need no processor (show, convert, response) on files written by the
// tool itself, and the firmware update against the built-in simulator.
#include <gtest/gtest.h>

#include <sstream>

#include "CliFixture.h"
#include "CliJson.h"
#include "support/FailingWrites.h"

namespace corva::test {
namespace {

class CliFilesTest : public CliFixture {
protected:
    void SetUp() override {
        // A tuning with one shaped channel, as a single file and as a music file.
        ASSERT_EQ(Sim({"set", "SR", "eq7.freq=1000", "eq7.gain=6", "eq7.q=1.4", "gain=-4.5",
                       "name=Rear R"})
                      .exitCode,
                  0);
        ASSERT_EQ(Sim({"read", "tune.qvms"}).exitCode, 0);
        ASSERT_EQ(Sim({"save-music", "tune.wkcs"}).exitCode, 0);
    }
};

TEST_F(CliFilesTest, ShowReadsSingleAndMusicFilesAlike) {
    const CliRun single = Offline({"--json", "show", "tune.qvms"});
    const CliRun music = Offline({"--json", "show", "tune.wkcs"});
    ASSERT_EQ(single.exitCode, 0) << single.err;
    ASSERT_EQ(music.exitCode, 0) << music.err;
    EXPECT_EQ(single.out, music.out);
    JsonDocument shown(single.out);
    const cJSON* rear = Channel(shown, 3);
    EXPECT_EQ(TextOf(rear, "name"), "Rear R");
    EXPECT_EQ(IntOf(rear, "gain_code"), 555);
    EXPECT_EQ(IntOf(Item(Member(rear, "eq"), 6), "gain_code"), 660);
    EXPECT_FALSE(BoolOf(shown.root(), "protected"));

    const CliRun text = Offline({"show", "tune.wkcs"});
    ASSERT_EQ(text.exitCode, 0);
    EXPECT_NE(text.out.find("Channel 4 Rear R: On, Pol+, -4.5dB"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("EQ7 PEQ 1000Hz"), std::string::npos) << text.out;
}

TEST_F(CliFilesTest, ConvertBetweenMusicAndSingleFilesKeepsTheTuning) {
    ASSERT_EQ(Offline({"convert", "tune.wkcs", "back.qvms"}).exitCode, 0);
    ASSERT_EQ(Offline({"convert", "back.qvms", "again.kpdm"}).exitCode, 0);
    const std::string original = Offline({"--json", "show", "tune.wkcs"}).out;
    EXPECT_EQ(Offline({"--json", "show", "back.qvms"}).out, original);
    EXPECT_EQ(Offline({"--json", "show", "again.kpdm"}).out, original);
    // Music files of the same tuning are the same bytes.
    EXPECT_EQ(ReadText(scratch.File("again.kpdm")), ReadText(scratch.File("tune.wkcs")));
}

TEST_F(CliFilesTest, ResponseIsTheChannelsSummedCurveOnTheGrid) {
    const CliRun run = Offline({"response", "tune.qvms", "4"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::vector<std::pair<double, double>> points;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) {
        const auto comma = line.find(',');
        ASSERT_NE(comma, std::string::npos) << line;
        points.emplace_back(std::stod(line.substr(0, comma)), std::stod(line.substr(comma + 1)));
    }
    ASSERT_EQ(points.size(), 241u);
    EXPECT_DOUBLE_EQ(points.front().first, 19.7);
    EXPECT_DOUBLE_EQ(points[136].first, 1000);
    EXPECT_DOUBLE_EQ(points.back().first, 20000);
    EXPECT_NEAR(points[136].second, 6.0, 0.1);  // the 6 dB band at 1 kHz
    EXPECT_NEAR(points[60].second, 0.0, 0.5);   // far below it
    // A flat channel of the same file, written to a CSV file instead.
    ASSERT_EQ(Offline({"response", "tune.wkcs", "FL", "--csv", "flat.csv"}).exitCode, 0);
    const std::string flat = ReadText(scratch.File("flat.csv"));
    EXPECT_EQ(std::count(flat.begin(), flat.end(), '\n'), 241);
    EXPECT_EQ(flat.find("1000,0.00\n") != std::string::npos, true) << flat.substr(0, 200);
    // The same from the processor itself.
    EXPECT_EQ(Sim({"response", "SR"}).out, run.out);
}

TEST_F(CliFilesTest, ParameterTableOfAFilePrintedAndExported) {
    const CliRun text = Offline({"table", "tune.wkcs", "--unit", "in"});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    std::vector<std::string> lines;
    std::istringstream stream(text.out);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 173u);  // the headings and 172 rows
    EXPECT_EQ(lines[0].rfind("Args", 0), 0u);
    EXPECT_NE(lines[1 + 31].find("6.0dB"), std::string::npos) << lines[32];  // EQ7 Gain
    EXPECT_NE(lines[1 + 164].find("0.00INCH"), std::string::npos) << lines[165];

    const CliRun json = Offline({"--json", "table", "tune.qvms"});
    JsonDocument table(json.out);
    ASSERT_TRUE(table.ok()) << json.out.substr(0, 200);
    EXPECT_EQ(SizeOf(Member(table.root(), "headings")), 7);
    ASSERT_EQ(SizeOf(Member(table.root(), "rows")), 172);
    const cJSON* gain = Item(Member(table.root(), "rows"), 165);
    EXPECT_STREQ(Item(gain, 0)->valuestring, "Gain");
    EXPECT_STREQ(Item(gain, 4)->valuestring, "-4.5dB");

    const CliRun exported =
        Offline({"table", "tune.qvms", "--csv", "t.csv", "--xlsx", "t.xlsx", "--pdf", "t.pdf"});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_TRUE(exported.err.empty()) << exported.err;
    const std::string csv = ReadText(scratch.File("t.csv"));
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 173);
    EXPECT_EQ(ReadText(scratch.File("t.pdf")).rfind("%PDF", 0), 0u);
    EXPECT_EQ(ReadText(scratch.File("t.xlsx")).rfind("PK", 0), 0u);  // a zip package
}

TEST_F(CliFilesTest, ParameterTableOfTheProcessorShowsTheCurrentPositionsDelays) {
    std::vector<std::uint8_t> seat = {21};
    const std::string tag = "LFN624_Mode_File_1.00";
    seat.insert(seat.end(), tag.begin(), tag.end());
    seat.push_back(1);
    for (int channel = 0; channel < 6; ++channel) {
        seat.insert(seat.end(), {48, 0});  // 1 ms each
    }
    WriteBytes(scratch.File("seat.dat_d"), seat);
    ASSERT_EQ(Sim({"mode-open", "seat.dat_d"}).exitCode, 0);
    const CliRun run = Sim({"--json", "table"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    JsonDocument table(run.out);
    EXPECT_STREQ(Item(Item(Member(table.root(), "rows"), 164), 1)->valuestring, "1.000MS");
}

TEST_F(CliFilesTest, EveryFileCommandReportsAWriteThatFailsAndKeepsTheOldFile) {
    // Each command runs with a disk that is full after a few bytes; it must end with exit code
    // 2 and the system's reason, and the file it would have replaced must be untouched.
    const std::vector<std::vector<std::string>> commands = {
        {"--sim", "save-music", "out.wkcs"},
        {"--sim", "mode-save", "out.dat_d"},
        {"--sim", "read", "out.qvms"},
        {"--sim", "backup", "out.qvma"},
        {"convert", "tune.qvms", "out.wkcs"},
        {"convert", "tune.wkcs", "out.qvms"},
        {"response", "tune.qvms", "4", "--csv", "out.csv"},
        {"table", "tune.qvms", "--csv", "out.csv"},
        {"table", "tune.qvms", "--xlsx", "out.xlsx"},
        {"table", "tune.qvms", "--pdf", "out.pdf"},
        {"extract", "all.qvma", "2", "out.qvms"},
        {"--sim", "--trace", "out.txt", "info"},
    };
    ASSERT_EQ(Sim({"backup", "all.qvma"}).exitCode, 0);
    for (const auto& command : commands) {
        const std::string output =
            *std::find_if(command.begin(), command.end(),
                          [](const auto& arg) { return arg.rfind("out.", 0) == 0; });
        SCOPED_TRACE(command[command[0] == "--sim" ? 1 : 0] + " " + output);
        const std::string target = scratch.File(output);
        const std::string message = ExpectFailedOverwriteKeepsOldFile(target, [&] {
            std::vector<std::string> args = {"--lang", "en"};
            args.insert(args.end(), command.begin(), command.end());
            const CliRun run = RunCli(args, scratch.path());
            if (run.exitCode == 0) {
                return Status::Ok();
            }
            return Status::Fail(
                UiText::Literal("exit " + std::to_string(run.exitCode) + ": " + run.err));
        });
        EXPECT_EQ(message.rfind("exit 2: ", 0), 0u) << message;
        // One error line (after any progress lines): the command's message, then the file and
        // the system's reason. The workbook library's own lines are not among them.
        const auto error = message.find("corva-dsp-cli: ");
        ASSERT_NE(error, std::string::npos) << message;
        EXPECT_EQ(message.find("corva-dsp-cli: ", error + 1), std::string::npos) << message;
        EXPECT_NE(message.find("(" + output + ": file too large)", error), std::string::npos)
            << message;
        EXPECT_EQ(message.find("[ERROR]"), std::string::npos) << message;
    }
}

TEST_F(CliFilesTest, AFolderOrNoNameIsNoOutputAndAFullDeviceFails) {
    ASSERT_EQ(Sim({"backup", "all.qvma"}).exitCode, 0);
    std::filesystem::create_directory(scratch.File("folder"));
    const auto run = [&](std::vector<std::string> command, const std::string& out) {
        std::replace(command.begin(), command.end(), std::string("OUT"), out);
        command.insert(command.begin(), {"--lang", "en"});
        return RunCli(command, scratch.path());
    };
    const std::vector<std::vector<std::string>> exports = {
        {"table", "tune.qvms", "--csv", "OUT"}, {"table", "tune.qvms", "--xlsx", "OUT"},
        {"table", "tune.qvms", "--pdf", "OUT"}, {"response", "tune.qvms", "FL", "--csv", "OUT"},
        {"--sim", "--trace", "OUT", "info"},
    };
    for (const auto& command : exports) {
        // A device that is always full is not a file the tool replaces: refused, exit 2.
        const CliRun full = run(command, "/dev/full");
        EXPECT_EQ(full.exitCode, 2) << ::testing::PrintToString(command) << full.err;
        EXPECT_EQ(full.ErrLines().size(), 1u) << full.err;
        EXPECT_NE(full.err.find("(/dev/full: not a regular file)"), std::string::npos) << full.err;
    }
    std::vector<std::vector<std::string>> all = exports;
    all.insert(all.end(), {{"convert", "tune.wkcs", "OUT"},
                           {"extract", "all.qvma", "1", "OUT"},
                           {"--sim", "read", "OUT"},
                           {"--sim", "save-music", "OUT"},
                           {"--sim", "mode-save", "OUT"},
                           {"--sim", "backup", "OUT"}});
    for (const auto& command : all) {
        // A folder or an empty name cannot be meant: usage errors, nothing written.
        for (const char* wrong : {"folder", ""}) {
            const CliRun refused = run(command, wrong);
            EXPECT_EQ(refused.exitCode, 1) << ::testing::PrintToString(command) << wrong;
            EXPECT_EQ(refused.ErrLines().size(), 1u) << refused.err;
        }
    }
    EXPECT_TRUE(std::filesystem::is_empty(scratch.File("folder")));
}

TEST_F(CliFilesTest, FileErrorsSayWhyAfterTheSystemsText) {
    const CliRun music = Sim({"save-music", "no/such/x.wkcs"});
    EXPECT_EQ(music.exitCode, 2);
    EXPECT_EQ(music.err, "corva-dsp-cli: Save MusicFile Error! (no/such/x.wkcs: no such folder)\n");
    const CliRun firmware = Offline({"firmware", "missing.bin"});
    EXPECT_EQ(firmware.exitCode, 2);
    EXPECT_EQ(firmware.err, "corva-dsp-cli: Bin File error! (missing.bin: no such file)\n");
    const CliRun loaded = Sim({"load", "missing.qvms"});
    EXPECT_EQ(loaded.exitCode, 2);
    EXPECT_NE(loaded.err.find("(missing.qvms: no such file)"), std::string::npos) << loaded.err;
    const CliRun shown = Offline({"show", "missing.qvma"});
    EXPECT_EQ(shown.exitCode, 2);
    EXPECT_NE(shown.err.find("(missing.qvma: no such file)"), std::string::npos) << shown.err;
}

TEST_F(CliFilesTest, FirmwareUpdateOverUsbShowsItsProgress) {
    std::vector<std::uint8_t> firmware = {'W', 'M', 'C', 'U', 0x10, 0x20, 0x30, 0x40};
    for (int i = 0; i < 100; ++i) {
        firmware.push_back(static_cast<std::uint8_t>(i));
    }
    WriteBytes(scratch.File("mcu.bin"), firmware);
    // A script's log gets no percentages unless --progress asks for them.
    const CliRun quiet = Sim({"firmware", "mcu.bin"});
    ASSERT_EQ(quiet.exitCode, 0) << quiet.err;
    EXPECT_EQ(quiet.err.find('%'), std::string::npos) << quiet.err;
    const CliRun run = Sim({"--progress", "firmware", "mcu.bin"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Update successfully!\n");
    const auto lines = run.ErrLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "0%");
    EXPECT_EQ(lines.back(), "100%");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Firmware update begins!"), lines.end());
}

}  // namespace
}  // namespace corva::test
