#include "CommandSupport.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

#include <filesystem>

#include "commands/ProcessorRequests.h"
#include "files/SafeFileWriter.h"
#include "protocol/ImageLayout.h"

namespace corva::cli {

std::optional<double> ParseNumber(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> ParseInteger(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::optional<std::string_view> WithoutSuffix(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size() ||
        !EqualsIgnoringCase(text.substr(text.size() - suffix.size()), suffix)) {
        return std::nullopt;
    }
    return text.substr(0, text.size() - suffix.size());
}

std::optional<bool> ParseOnOff(std::string_view text) {
    if (EqualsIgnoringCase(text, "on")) {
        return true;
    }
    if (EqualsIgnoringCase(text, "off")) {
        return false;
    }
    return std::nullopt;
}

std::optional<int> ParsePresetNumber(std::string_view text) {
    const auto number = ParseInteger(text);
    if (!number || *number < 1 || *number > kPresetCount) {
        return std::nullopt;
    }
    return number;
}

ExitCode UsageError(const CliDevice& device, const UiText& text, const std::string& detail) {
    device.PrintError(text, detail);
    return kUsage;
}

ExitCode UsageError(const CliDevice& device, const UiText& text, const UiText& detail) {
    return UsageError(device, text, detail.In(device.language()));
}

ExitCode ChannelUsageError(const CliDevice& device, const std::string& given) {
    return UsageError(device, Tr("CommandLine", "CHANNEL is 1..6 or FL, FR, SL, SR, ULF, Center"),
                      given);
}

ExitCode PresetUsageError(const CliDevice& device, const std::string& given) {
    return UsageError(device, Tr("CommandLine", "N is a preset number 1..15"), given);
}

std::optional<ExitCode> RequireArguments(const CliDevice& device, const CliOptions& options,
                                         std::size_t expected, const char* synopsis) {
    if (options.args.size() == expected) {
        return std::nullopt;
    }
    return UsageError(device, Tr("CommandLine", "usage: %1").Arg(synopsis));
}

PresetArgument RequirePresetArgument(const CliDevice& device, const CliOptions& options,
                                     std::size_t expected, const char* synopsis) {
    if (auto usage = RequireArguments(device, options, expected, synopsis)) {
        return {0, usage};
    }
    const auto preset = ParsePresetNumber(options.args[0]);
    if (!preset) {
        return {0, PresetUsageError(device, options.args[0])};
    }
    return {*preset, std::nullopt};
}

ExitCode TimedOut(const CliDevice& device, const UiText& what) {
    if (!device.failed()) {
        device.PrintError(what);
    }
    return kLinkError;
}

ExitCode WithProcessor(CliDevice& device, const std::function<ExitCode()>& work) {
    if (const ExitCode connected = device.Connect(); connected != kDone) {
        device.Disconnect();
        return connected;
    }
    const ExitCode worked = work();
    const ExitCode finished = device.Finish();
    return worked != kDone ? worked : finished;
}

bool ReadListeningTable(CliDevice& device) {
    if (const Status requested = RequestListeningPositions(device.session()); !requested.ok()) {
        device.PrintError(requested.message());
        return false;
    }
    // The answer is filed before its request leaves the queue.
    if (device.WaitUntilSent()) {
        return true;
    }
    TimedOut(device, Tr("CommandLine", "Time-out: the listening-position table did not arrive."));
    return false;
}

bool IsConnectionFailure(const UserMessage& message) {
    for (const LinkKind kind : {LinkKind::Usb, LinkKind::Tcp, LinkKind::Serial}) {
        if (message.text == ConnectionFailureMessage(kind).text) {
            return true;
        }
    }
    return false;
}

ExitCode ReportMessage(const CliDevice& device, const UserMessage& message, ExitCode refusal) {
    device.PrintError(message.text, message.detail);
    return IsConnectionFailure(message) ? kLinkError : refusal;
}

bool TuningProtected(CliDevice& device) {
    return device.session().IsProtected();
}

ExitCode RefuseProtectedValues(const CliDevice& device) {
    device.PrintError(
        Tr("CommandLine", "The tuning is protected: its channel values are not shown."));
    return kRefused;
}

std::optional<ExitCode> RefuseOutputPath(const CliDevice& device, const std::string& path) {
    if (path.empty()) {
        return UsageError(device, Tr("CommandLine", "an output file needs a name"));
    }
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return UsageError(device, Tr("CommandLine", "the output is a folder, not a file"), path);
    }
    return std::nullopt;
}

ExitCode WithOutputFileArgument(CliDevice& device, const CliOptions& options, const char* synopsis,
                                const std::function<ExitCode(const std::string& path)>& write) {
    if (auto usage = RequireArguments(device, options, 1, synopsis)) {
        return *usage;
    }
    const std::string& path = options.args[0];
    if (auto refused = RefuseOutputPath(device, path)) {
        return *refused;
    }
    return WithProcessor(device, [&] { return write(path); });
}

ExitCode WithPresetFileWrite(CliDevice& device, const std::string& path,
                             const std::function<ExitCode(PresetFileCommands& files)>& write) {
    if (auto refused = RefuseOutputPath(device, path)) {
        return *refused;
    }
    return WithProcessor(device, [&] {
        if (TuningProtected(device)) {
            device.PrintError(ProtectedTuningRefusal());
            return kRefused;
        }
        PresetFileCommands files(device.session(), device.controller());
        return write(files);
    });
}

ExitCode ReportWriteFailure(const CliDevice& device, const UiText& headline,
                            const std::string& path, const Status& failed) {
    device.PrintError(headline, FileWriteDetail(path, failed.message()).In(device.language()));
    return kFileError;
}

UiText WroteMessage(const std::string& path) {
    return Tr("CommandLine", "Wrote %1").Arg(path);
}

ExitCode FinishPresetFileWrite(CliDevice& device, const PresetFileOutcome& written) {
    if (!written.ok) {
        if (!written.message) {
            return kFileError;
        }
        // The reason is the writer's own message: its path and the system's reason.
        return ReportWriteFailure(device, written.message->text, written.path,
                                  Status::Fail(written.message->reason));
    }
    device.SayWhenSent(WroteMessage(written.path));
    return kDone;
}

ExitCode FinishDocumentWrite(CliDevice& device, const DocumentStoreResult& stored) {
    if (!stored.status.ok()) {
        return ReportWriteFailure(device, stored.status.message(), stored.path,
                                  Status::Fail(stored.writeError));
    }
    device.SayWhenSent(WroteMessage(stored.path));
    return kDone;
}

std::string ReadFailureDetail(const std::string& path, UiLanguage language) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status)) {
        return Tr("CommandLine", "%1: no such file").Arg(path).In(language);
    }
    if (std::filesystem::is_directory(status)) {
        return Tr("CommandLine", "%1: it is a folder").Arg(path).In(language);
    }
    return path;
}

UiText TuningFileKindError(const char* accepted) {
    return Tr("CommandLine", "FILE must end in %1").Arg(accepted);
}

}  // namespace corva::cli
