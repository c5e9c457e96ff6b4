#include "MeasuredResponseCommand.h"

#include <cstdio>

#include "ChannelArgument.h"
#include "CommandSupport.h"
#include "ResponseCommand.h"
#include "files/SafeFileWriter.h"
#include "tuning/Measurement.h"

namespace corva::cli {
namespace {

// The measured response as the channel's filters would change it.
Response Prediction(const Response& measured, const Response& channel) {
    Response predicted{};
    for (std::size_t i = 0; i < predicted.size(); ++i) {
        predicted[i] = measured[i] + channel[i];
    }
    return predicted;
}

ExitCode Emit(const CliDevice& device, const std::string& lines, const std::string& csvPath) {
    if (csvPath.empty()) {
        std::fputs(lines.c_str(), stdout);
        return kDone;
    }
    if (const Status written = WriteFileSafely(csvPath, lines); !written.ok()) {
        device.PrintError(written.message());
        return kFileError;
    }
    return kDone;
}

}  // namespace

ExitCode RunResponseOrPrediction(CliDevice& device, const CliOptions& options) {
    std::vector<std::string> positional;
    std::string csvPath;
    std::string measurementPath;
    std::string smoothText;
    bool badOption = false;
    for (std::size_t i = 0; i < options.args.size(); ++i) {
        const std::string& arg = options.args[i];
        if (arg == "--measurement" && i + 1 < options.args.size() && measurementPath.empty()) {
            measurementPath = options.args[++i];
        } else if (arg == "--smooth" && i + 1 < options.args.size() && smoothText.empty()) {
            smoothText = options.args[++i];
        } else if (arg == "--csv" && i + 1 < options.args.size() && csvPath.empty()) {
            csvPath = options.args[++i];
        } else if (arg.rfind("--", 0) == 0) {
            badOption = true;
        } else {
            positional.push_back(arg);
        }
    }
    if (measurementPath.empty() && smoothText.empty()) {
        return RunResponse(device, options);
    }
    const auto smoothing = smoothText.empty() ? std::optional<int>{0} : ParseInteger(smoothText);
    if (badOption || measurementPath.empty() || positional.empty() || positional.size() > 2 ||
        !smoothing || *smoothing < 0 || *smoothing > 48) {
        return UsageError(
            device,
            Tr("CommandLine",
               "usage: response [FILE] CHANNEL [--measurement FILE [--smooth N]] [--csv OUT]"));
    }
    const auto channel = ParseChannel(positional.back());
    if (!channel) {
        return ChannelUsageError(device, positional.back());
    }
    const tuning::MeasurementRead measurement = tuning::ReadMeasurementFile(measurementPath);
    if (!measurement.status.ok()) {
        device.PrintError(measurement.status.message());
        return kFileError;
    }
    const Response measured = tuning::ResampleToGrid(measurement.points, *smoothing);
    return WithResponseTuning(
        device, positional.size() == 2 ? positional.front() : std::string(),
        [&](TuningSession& session) {
            return Emit(device,
                        GridResponseLines(Prediction(measured, session.ChannelResponse(*channel))),
                        csvPath);
        });
}

}  // namespace corva::cli
