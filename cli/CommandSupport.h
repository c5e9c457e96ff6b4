// What the commands share: reading numbers and numbered arguments, the usage error line, the
// frame of every command that talks to the processor, and how engine messages become exit
// codes.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "CliDevice.h"
#include "ExitCode.h"
#include "commands/DocumentFileIo.h"
#include "commands/PresetFileCommands.h"
#include "commands/TuningFiles.h"
#include "transfer/ConnectionMessages.h"

namespace corva::cli {

// A whole decimal number; nothing when anything else is in the text. Independent of the locale.
std::optional<double> ParseNumber(std::string_view text);
std::optional<int> ParseInteger(std::string_view text);

// The text without `suffix` at its end (any letter case); nothing when it does not end so.
std::optional<std::string_view> WithoutSuffix(std::string_view text, std::string_view suffix);

bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// "on"/"off" in any letter case.
std::optional<bool> ParseOnOff(std::string_view text);

// A stored preset number 1..15.
std::optional<int> ParsePresetNumber(std::string_view text);

// Prints one error line about the command line and returns kUsage.
ExitCode UsageError(const CliDevice& device, const UiText& text, const std::string& detail = {});
ExitCode UsageError(const CliDevice& device, const UiText& text, const UiText& detail);
// The usage error of a CHANNEL argument that names no output channel (`given`).
ExitCode ChannelUsageError(const CliDevice& device, const std::string& given);

// The usage error of an N argument that is no stored preset number (`given`).
ExitCode PresetUsageError(const CliDevice& device, const std::string& given);

// Checks the argument count of a command: `expected` arguments, or one line and kUsage.
std::optional<ExitCode> RequireArguments(const CliDevice& device, const CliOptions& options,
                                         std::size_t expected, const char* synopsis);

// The stored preset number of a command whose first argument is N, once the argument count
// and the number have been checked; otherwise `refusal` holds the exit code of the one line
// printed.
struct PresetArgument {
    int preset = 0;
    std::optional<ExitCode> refusal;
};
PresetArgument RequirePresetArgument(const CliDevice& device, const CliOptions& options,
                                     std::size_t expected, const char* synopsis);

// The end of a wait that ran out: the time-out line `what` unless the link's failure has been
// printed already; kLinkError either way.
ExitCode TimedOut(const CliDevice& device, const UiText& what);

// Connects (handshake and full read), runs `work`, then waits until everything is sent and
// disconnects. The first failure decides the exit code.
ExitCode WithProcessor(CliDevice& device, const std::function<ExitCode()>& work);

// Reads the processor's listening-position table into the image (the full read does not
// include it). False, with the error printed, when it did not arrive.
bool ReadListeningTable(CliDevice& device);

// The connection-failure message of any link kind.
bool IsConnectionFailure(const UserMessage& message);

// Prints an engine message as the error line: a connection failure is a link error, anything
// else the state refusing (`refusal`).
ExitCode ReportMessage(const CliDevice& device, const UserMessage& message,
                       ExitCode refusal = kRefused);

// True when the live tuning is protected (the caller holds no lock).
bool TuningProtected(CliDevice& device);

// Refuses the channel values of protected tuning: what the window keeps read-only the tool
// neither prints nor exports. One line, kRefused.
ExitCode RefuseProtectedValues(const CliDevice& device);

// An output path that cannot be meant (empty, or an existing folder): one line and kUsage.
std::optional<ExitCode> RefuseOutputPath(const CliDevice& device, const std::string& path);

// The frame of a command whose one argument is the file it writes from the processor: a wrong
// argument count and an output path that cannot be meant are refused, then `write` runs on
// the path while connected.
ExitCode WithOutputFileArgument(CliDevice& device, const CliOptions& options, const char* synopsis,
                                const std::function<ExitCode(const std::string& path)>& write);

// The frame of a command that writes a preset file (`path`) from the processor: an output path
// that cannot be meant and protected tuning are refused (preset files carry no protection:
// written from protected tuning they would hand it out in the clear), then `write` runs with
// the file commands while connected.
ExitCode WithPresetFileWrite(CliDevice& device, const std::string& path,
                             const std::function<ExitCode(PresetFileCommands& files)>& write);

// `headline`, then the failed write's path and reason in brackets; kFileError.
ExitCode ReportWriteFailure(const CliDevice& device, const UiText& headline,
                            const std::string& path, const Status& failed);

// "Wrote PATH", said once a file has been written.
UiText WroteMessage(const std::string& path);

// The end of a command that wrote a preset file: the writer's failure (its detail names the
// file and the system's reason; kFileError), or "Wrote PATH" once everything sent has been
// answered (kDone).
ExitCode FinishPresetFileWrite(CliDevice& device, const PresetFileOutcome& written);
// The same for a music or mode file.
ExitCode FinishDocumentWrite(CliDevice& device, const DocumentStoreResult& stored);

// What to say after a message about a file that could not be read: "car.qvma: no such
// file", or the path alone when the file is there (then its content was the trouble).
std::string ReadFailureDetail(const std::string& path, UiLanguage language);

// The usage text of a file argument with the wrong extension.
UiText TuningFileKindError(const char* accepted);

}  // namespace corva::cli
