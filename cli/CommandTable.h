// Every command of corva-dsp-cli in one table: its name, its lines of the help and what runs
// it. Dispatch and --help both read it, so a command cannot be run without being listed.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "CliDevice.h"
#include "CliOptions.h"

namespace corva::cli {

struct CliCommand {
    std::string_view name;
    // The help's heading over this command, a catalogue entry; empty: the heading of the
    // command before it.
    const char* heading;
    // The command's lines of the help, each ending in a line break: a catalogue entry.
    const char* synopsis;
    ExitCode (*run)(CliDevice&, const CliOptions&);
};

std::span<const CliCommand> Commands();

// The command named `name`; nothing for a name no command has.
const CliCommand* FindCommand(std::string_view name);

// What --help prints: the options, every command under its heading, the exit codes.
std::string HelpText(UiLanguage language);

}  // namespace corva::cli
