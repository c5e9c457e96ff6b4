#include "RtaCommands.h"

#include <cstdio>
#include <string>

#include "CommandSupport.h"
#include "TuningCommandSupport.h"
#include "TuningReportText.h"
#include "audio/AudioSystem.h"
#include "dsp/values/NumberText.h"
#include "measure/MeasurementExport.h"
#include "measure/NoiseAnalyser.h"
#include "measure/PinkNoise.h"
#include "tuning/TextLines.h"

namespace corva::cli {
namespace {

constexpr int kSampleRateHz = 48000;
constexpr double kDefaultNoiseS = 600.0;  // ten minutes on the stick
constexpr double kLongestNoiseS = 3600.0;
constexpr double kDefaultRecordS = 8.0;
// The analyser needs two periods of the noise; a third lets the cabin settle first.
constexpr double kShortestRecordS = 3.0 * measure::kPinkPeriodSamples / kSampleRateHz;
constexpr double kLongestRecordS = 120.0;
// The grid has 24 points an octave: every 8th one is a third of an octave apart.
constexpr std::size_t kThirdOctaveStep = 8;

// A number of seconds in [lowest, highest], or nothing.
std::optional<double> ReadSeconds(const std::string& text, double lowest, double highest) {
    const auto value = tuning::ParseDecimal(text);
    if (!value || !(*value >= lowest && *value <= highest)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

ExitCode RunPinkNoise(CliDevice& device, const CliOptions& options) {
    const TuningArguments arguments = ParseTuningArguments(options.args, {"--seconds"}, {});
    const UiText usage = Tr("CommandLine", "usage: pink-noise FILE.wav [--seconds S]");
    if (!arguments.error.empty() || arguments.positional.size() != 1 || arguments.dryRun ||
        !arguments.file.empty()) {
        return UsageError(device, usage, arguments.error);
    }
    const std::string& path = arguments.positional.front();
    if (const auto refused = RefuseOutputPath(device, path)) {
        return *refused;
    }
    double seconds = kDefaultNoiseS;
    if (const auto text = arguments.Value("--seconds")) {
        const auto read = ReadSeconds(*text, 1.0, kLongestNoiseS);
        if (!read) {
            return UsageError(device, Tr("CommandLine", "--seconds takes 1..3600"), *text);
        }
        seconds = *read;
    }
    if (const Status written = measure::WritePinkNoiseFile(path, seconds); !written.ok()) {
        return ReportWriteFailure(device, Tr("CommandLine", "The noise file cannot be written."),
                                  path, written);
    }
    device.Say(Tr("CommandLine", "Wrote %1").Arg(path));
    return kDone;
}

ExitCode RunRta(CliDevice& device, const CliOptions& options) {
    const TuningArguments arguments = ParseTuningArguments(
        options.args, {"--input", "--seconds", "--fraction", "--out"}, {"--play"});
    const UiText usage =
        Tr("CommandLine",
           "usage: rta [--input DEV] [--seconds S] [--fraction 6|12] [--out FILE] [--play]");
    if (!arguments.error.empty() || !arguments.positional.empty() || arguments.dryRun ||
        !arguments.file.empty()) {
        return UsageError(device, usage, arguments.error);
    }
    double seconds = kDefaultRecordS;
    if (const auto text = arguments.Value("--seconds")) {
        const auto read = ReadSeconds(*text, kShortestRecordS, kLongestRecordS);
        if (!read) {
            return UsageError(device, Tr("CommandLine", "--seconds takes 4.1..120"), *text);
        }
        seconds = *read;
    }
    int fraction = 6;
    if (const auto text = arguments.Value("--fraction")) {
        if (*text != "6" && *text != "12") {
            return UsageError(device, Tr("CommandLine", "--fraction takes 6 or 12"), *text);
        }
        fraction = std::stoi(*text);
    }
    const std::string out = arguments.Value("--out").value_or("");
    if (!out.empty()) {
        if (const auto refused = RefuseOutputPath(device, out)) {
            return *refused;
        }
    }

    const std::vector<double> period = measure::MakePinkNoisePeriod();
    audio::DuplexRequest request;
    request.inputName = arguments.Value("--input").value_or("");
    request.sampleRateHz = kSampleRateHz;
    request.recordSamples = static_cast<int>(seconds * kSampleRateHz);
    if (arguments.Flag("--play")) {
        while (request.play.size() < static_cast<std::size_t>(request.recordSamples)) {
            request.play.insert(request.play.end(), period.begin(), period.end());
        }
    }
    const auto audio = device.MakeAudio();
    const audio::DuplexResult recorded = audio->PlayAndRecord(request);
    if (!recorded.status.ok()) {
        device.PrintError(Tr("CommandLine", "The microphone could not be recorded."),
                          recorded.status.message().In(device.language()));
        return kLinkError;
    }
    const Response levels = measure::NoiseResponse(recorded.recorded, fraction, period);
    if (!out.empty()) {
        const std::string title = "RTA, 1/" + std::to_string(fraction) + " octave";
        if (const Status written = measure::WriteMeasurementExport(out, levels, title);
            !written.ok()) {
            return ReportWriteFailure(
                device, Tr("CommandLine", "The measurement cannot be written."), out, written);
        }
    }
    const auto& grid = GridFrequencies();
    if (options.json) {
        cJSON* root = cJSON_CreateObject();
        cJSON_AddNumberToObject(root, "fraction", fraction);
        cJSON_AddNumberToObject(root, "seconds", seconds);
        cJSON* points = cJSON_AddArrayToObject(root, "third_octaves");
        for (std::size_t i = 0; i < grid.size(); i += kThirdOctaveStep) {
            cJSON* point = cJSON_CreateObject();
            cJSON_AddNumberToObject(point, "hz", Rounded(grid[i], 1));
            cJSON_AddNumberToObject(point, "db", Rounded(levels[i], 2));
            cJSON_AddItemToArray(points, point);
        }
        if (!out.empty()) {
            cJSON_AddStringToObject(root, "file", out.c_str());
        }
        std::fputs((PrintAndDelete(root) + "\n").c_str(), stdout);
        return kDone;
    }
    for (std::size_t i = 0; i < grid.size(); i += kThirdOctaveStep) {
        std::puts(
            (detail::FixedText(grid[i], 0) + " Hz  " + detail::FixedText(levels[i], 1) + " dB")
                .c_str());
    }
    if (!out.empty()) {
        std::puts(("-> " + out).c_str());
    }
    return kDone;
}

}  // namespace corva::cli
