// The command line of corva-dsp-cli: the link, global options, the command and its arguments.
#pragma once

#include <optional>
#include <string>
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
    bool version = false;  // --version: print the program's version, nothing else
    std::string traceFile;
    std::string command;
    std::vector<std::string> args;
};

struct ParsedOptions {
    std::optional<CliOptions> options;
    std::string error;  // when options is empty
};

ParsedOptions ParseCliOptions(const std::vector<std::string>& arguments);

}  // namespace corva::cli
