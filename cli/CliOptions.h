// The command line of corva-dsp-cli: the link, global options, the command and its arguments.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/UiText.h"
#include "protocol/links/StreamAddress.h"

namespace corva::cli {

enum class LinkChoice { FirstUsb, UsbPath, Tcp, Serial, Sim };

struct CliOptions {
    LinkChoice link = LinkChoice::FirstUsb;
    std::string usbPath;
    StreamAddress stream;  // --tcp or --serial
    std::string simState;  // keeps the built-in simulator's memory between runs
    std::optional<UiLanguage> language;
    bool json = false;
    bool progress = false;  // --progress: percentage lines on stderr even when it is no terminal
    bool version = false;   // --version: print the program's version, nothing else
    std::string traceFile;
    std::string command;
    std::vector<std::string> args;
};

struct ParsedOptions {
    std::optional<CliOptions> options;
    UiText error;  // when options is empty
    // The --lang given before the error, to say it in (nothing: the stored language).
    std::optional<UiLanguage> language;
};

ParsedOptions ParseCliOptions(const std::vector<std::string>& arguments);

// The language of a --lang value: "en", "zh", or a code of the program's catalogues
// ("zh_CN", a translator's preview). Nothing for any other text.
std::optional<UiLanguage> LanguageOfCode(std::string_view code);

// What --help is asked by: "--help" or "-h" alone, or with one --lang before or after it.
// Nothing when the arguments ask for something else; the --lang when there is one.
std::optional<std::optional<UiLanguage>> HelpRequest(const std::vector<std::string>& arguments);

}  // namespace corva::cli
