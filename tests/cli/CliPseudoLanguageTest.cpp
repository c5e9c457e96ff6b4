// corva-dsp-cli in the test's pseudo-language, where every catalogue text is its English
// source between markers: each line it prints with words in it went through the catalogue.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "CliProcess.h"

namespace corva::test {
namespace {

constexpr const char* kMarker = "⟦";

// A word that is a value, not a text for a translator: a number with or without its unit, a
// channel's short name, a version tag, a file name or a path, a key=value of those.
bool IsValueWord(const std::string& word) {
    static const std::regex kValue(
        "[-+]?[0-9.,:%]+(dB|Hz|kHz|ms|MS|cm|CM|in|INCH|s)?"
        "|FL|FR|SL|SR|ULF|SUB|Center|Q"
        "|[A-Z]{4}-[A-Z]{2}[0-9.]+"
        "|.*[/].*|[A-Za-z0-9_-]+[.](qvms|qvma|qvmd|wkcs|csv|xlsx|pdf|bin|txt)"
        "|corva-dsp-cli:");
    return std::regex_match(word, kValue);
}

bool CarriesWords(const std::string& line) {
    std::istringstream words(line);
    for (std::string word; words >> word;) {
        if (!IsValueWord(word) && std::regex_search(word, std::regex("[A-Za-z]"))) {
            return true;
        }
    }
    return false;
}

// A line of the stored presets' list: number, then the name the processor holds.
bool IsPresetNameLine(const std::string& line) {
    static const std::regex kPresetLine(" *[0-9]+  [^ ].*");
    return std::regex_match(line, kPresetLine);
}

std::string UnmarkedLines(const std::string& text) {
    std::string unmarked;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.find(kMarker) == std::string::npos && CarriesWords(line) &&
            !IsPresetNameLine(line)) {
            unmarked += line + "\n";
        }
    }
    return unmarked;
}

TEST(CliPseudoLanguageTest, EveryLineWithWordsComesFromTheCatalogue) {
    ScratchDir scratch;
    ASSERT_EQ(RunCli({"--sim", "read", "live.qvms"}, scratch.path()).exitCode, 0);
    const std::vector<std::vector<std::string>> commands = {
        {"--sim", "info"},      {"show", "live.qvms"},       {"table", "live.qvms"},
        {"--sim", "positions"}, {"--sim", "protect", "123"}, {"show", "missing.qvms"},
        {"recall", "16"},
    };
    for (std::vector<std::string> args : commands) {
        const std::string command = ::testing::PrintToString(args);
        args.insert(args.begin(), {"--lang", "pseudo"});
        const CliRun run = RunProgram(CORVA_PSEUDO_CLI_PATH, args, scratch.path());
        ASSERT_NE(run.exitCode, -1) << command;
        EXPECT_FALSE(run.out.empty() && run.err.empty()) << command;
        EXPECT_EQ(UnmarkedLines(run.out) + UnmarkedLines(run.err), "") << command;
    }
}

}  // namespace
}  // namespace corva::test
