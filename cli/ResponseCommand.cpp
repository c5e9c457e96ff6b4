#include "ResponseCommand.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <mutex>
#include <optional>

#include "ChannelArgument.h"
#include "CommandSupport.h"
#include "commands/TuningFiles.h"
#include "dsp/values/NumberText.h"
#include "files/SafeFileWriter.h"

namespace corva::cli {
namespace {

// The shortest text that reads back as the grid frequency: "19.7", "1000".
std::string FrequencyText(double hz) {
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), hz);
    return error == std::errc{} ? std::string(buffer.data(), end) : std::string{};
}

ExitCode Emit(const CliDevice& device, const std::string& lines,
              const std::optional<std::string>& csvPath) {
    if (!csvPath) {
        std::fputs(lines.c_str(), stdout);
        return kDone;
    }
    if (const Status written = WriteFileSafely(*csvPath, lines); !written.ok()) {
        return ReportWriteFailure(device, Tr("CommandLine", "The response cannot be written!"),
                                  *csvPath, written);
    }
    return kDone;
}

}  // namespace

std::string GridResponseLines(const Response& response) {
    const auto& grid = GridFrequencies();
    std::string lines;
    for (std::size_t i = 0; i < grid.size(); ++i) {
        lines += FrequencyText(grid[i]) + "," + detail::FixedText(response[i], 2) + "\n";
    }
    return lines;
}

ExitCode RunResponse(CliDevice& device, const CliOptions& options) {
    std::vector<std::string> positional;
    std::optional<std::string> csvPath;
    bool badOption = false;
    for (std::size_t i = 0; i < options.args.size(); ++i) {
        if (options.args[i] == "--csv" && i + 1 < options.args.size() && !csvPath) {
            csvPath = options.args[++i];
        } else if (options.args[i].rfind("--", 0) == 0) {
            badOption = true;
        } else {
            positional.push_back(options.args[i]);
        }
    }
    if (badOption || positional.empty() || positional.size() > 2) {
        return UsageError(device, Tr("CommandLine", "usage: response [FILE] CHANNEL [--csv OUT]"));
    }
    const auto channel = ParseChannel(positional.back());
    if (!channel) {
        return ChannelUsageError(device, positional.back());
    }
    if (csvPath) {
        if (auto refused = RefuseOutputPath(device, *csvPath)) {
            return *refused;
        }
    }
    return WithResponseTuning(
        device, positional.size() == 2 ? positional.front() : std::string(),
        [&](TuningSession& session) {
            return Emit(device, GridResponseLines(session.ChannelResponse(*channel)), csvPath);
        });
}

ExitCode WithResponseTuning(CliDevice& device, const std::string& path, const ResponseWork& work) {
    if (!path.empty()) {
        const TuningFileKind kind = TuningFileKindOf(path);
        if (kind == TuningFileKind::Other || kind == TuningFileKind::Mode) {
            return UsageError(device, TuningFileKindError(".qvms, .qvma, .wkcs or .kpdm"), path);
        }
        TuningSession session;
        const TuningFileLoad load = LoadTuningFile(session, path);
        if (!load.status.ok()) {
            device.PrintError(load.status.message(), ReadFailureDetail(path, device.language()));
            return kFileError;
        }
        return work(session);
    }
    return WithProcessor(device, [&] { return work(device.session()); });
}

}  // namespace corva::cli
