#include "MeasureCommands.h"

#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <iostream>

#include "ChannelArgument.h"
#include "CommandSupport.h"
#include "TuningCommandSupport.h"
#include "TuningReportText.h"
#include "commands/OneStepCalibration.h"
#include "dsp/values/DelayCodes.h"
#include "dsp/values/NumberText.h"
#include "measure/MeasurementExport.h"
#include "tuning/Measurement.h"
#include "tuning/TargetCurves.h"

namespace corva::cli {
namespace {

constexpr double kShortestSweepS = 0.1;
constexpr double kLongestSweepS = 30.0;
constexpr int kMostPositions = 16;

// Set by Ctrl-C while a run goes on; the run stops between sweeps and puts the mutes back.
volatile std::sig_atomic_t gInterrupted = 0;

void OnInterrupt(int) {
    gInterrupted = 1;
}

// Ctrl-C handled for the life of a run.
class InterruptScope {
public:
    InterruptScope() {
        gInterrupted = 0;
        previous_ = std::signal(SIGINT, &OnInterrupt);
    }
    ~InterruptScope() { std::signal(SIGINT, previous_); }
    InterruptScope(const InterruptScope&) = delete;
    InterruptScope& operator=(const InterruptScope&) = delete;

private:
    void (*previous_)(int) = SIG_DFL;
};

// What measure and calibrate share: how to sweep and where the sound goes.
struct SweepOptions {
    MeasureRequest request;
    std::string error;  // one usage line when the options are wrong
};

SweepOptions ReadSweepOptions(CliDevice& device, const TuningArguments& arguments,
                              ExitCode& failed) {
    SweepOptions options;
    MeasureRequest& request = options.request;
    request.inputName = arguments.Value("--input").value_or("");
    request.outputName = arguments.Value("--output").value_or("");
    if (const auto sweep = arguments.Value("--sweep")) {
        const auto seconds = ParseNumber(*sweep);
        if (!seconds || *seconds < kShortestSweepS || *seconds > kLongestSweepS) {
            failed = UsageError(device, Tr("CommandLine", "--sweep takes 0.1..30 seconds"), *sweep);
            return options;
        }
        request.sweep.durationS = *seconds;
    }
    if (const auto positions = arguments.Value("--positions")) {
        const auto count = ParseInteger(*positions);
        if (!count || *count < 1 || *count > kMostPositions) {
            failed = UsageError(device, Tr("CommandLine", "--positions takes 1..16"), *positions);
            return options;
        }
        request.positions = *count;
    }
    if (const auto cal = arguments.Value("--cal")) {
        measure::MicCalibration calibration = measure::ReadMicCalibration(*cal);
        if (!calibration.status.ok()) {
            device.PrintError(calibration.status.message());
            failed = kFileError;
            return options;
        }
        request.microphone = std::move(calibration);
    }
    return options;
}

MeasureHooks HooksFor(CliDevice& device) {
    MeasureHooks hooks;
    hooks.waitUntilSent = [&device] { return device.WaitUntilSent(); };
    hooks.cancelled = [] { return gInterrupted != 0; };
    hooks.nextPosition = [&device](int position) {
        // Someone at the keyboard moves the microphone; a script measures straight on.
        if (isatty(STDIN_FILENO) == 0) {
            return gInterrupted == 0;
        }
        device.PrintError(Tr("CommandLine", "Move the microphone to position %1 and press Enter.")
                              .Arg(std::to_string(position + 1)));
        std::string line;
        return static_cast<bool>(std::getline(std::cin, line)) && gInterrupted == 0;
    };
    return hooks;
}

std::string Ms(double ms) {
    return detail::FixedText(ms, 3);
}

double LargestSpread(const Response& spread) {
    double largest = 0.0;
    for (const double db : spread) {
        largest = std::max(largest, db);
    }
    return largest;
}

// On the processor, unless its tuning is protected: `work` gets the sound devices, and Ctrl-C
// asks it to stop.
ExitCode WithAudioRun(CliDevice& device,
                      const std::function<ExitCode(audio::AudioSystem& audio)>& work) {
    return WithProcessor(device, [&] {
        if (TuningProtected(device)) {
            device.PrintError(ProtectedRefusal());
            return kRefused;
        }
        const auto audio = device.MakeAudio();
        const InterruptScope interrupts;
        return work(*audio);
    });
}

ExitCode ReportEnd(CliDevice& device, MeasureEnd end, const Status& status, bool restored) {
    if (!restored) {
        device.PrintError(Tr("CommandLine",
                             "The processor's mute state could not be put back: check the mutes."));
    }
    if (end == MeasureEnd::Cancelled) {
        device.PrintError(Tr("CommandLine", "The measurement was stopped; nothing was changed."));
        return kRefused;
    }
    if (end == MeasureEnd::Failed) {
        device.PrintError(status.message());
        return kLinkError;
    }
    return restored ? kDone : kLinkError;
}

}  // namespace

ExitCode RunAudioDevices(CliDevice& device, const CliOptions& options) {
    if (!options.args.empty()) {
        return UsageError(device, Tr("CommandLine", "usage: audio-devices"));
    }
    const auto audio = device.MakeAudio();
    const auto devices = audio->Devices();
    if (options.json) {
        cJSON* root = cJSON_CreateObject();
        cJSON* list = cJSON_AddArrayToObject(root, "devices");
        for (const auto& d : devices) {
            cJSON* item = cJSON_CreateObject();
            cJSON_AddStringToObject(item, "name", d.name.c_str());
            cJSON_AddNumberToObject(item, "inputs", d.inputChannels);
            cJSON_AddNumberToObject(item, "outputs", d.outputChannels);
            cJSON_AddNumberToObject(item, "rate_hz", d.defaultRateHz);
            cJSON_AddBoolToObject(item, "default_input", d.defaultInput);
            cJSON_AddBoolToObject(item, "default_output", d.defaultOutput);
            cJSON_AddItemToArray(list, item);
        }
        std::fputs((PrintAndDelete(root) + "\n").c_str(), stdout);
        return kDone;
    }
    const UiLanguage language = device.language();
    for (const auto& d : devices) {
        std::string line = Tr("CommandLine", "%1 (in %2, out %3, %4 Hz)")
                               .Arg(d.name)
                               .Arg(std::to_string(d.inputChannels))
                               .Arg(std::to_string(d.outputChannels))
                               .Arg(detail::FixedText(d.defaultRateHz, 0))
                               .In(language);
        if (d.defaultInput) {
            line += Tr("CommandLine", " default input").In(language);
        }
        if (d.defaultOutput) {
            line += Tr("CommandLine", " default output").In(language);
        }
        std::puts(line.c_str());
    }
    return kDone;
}

ExitCode RunMeasure(CliDevice& device, const CliOptions& options) {
    const TuningArguments arguments = ParseTuningArguments(
        options.args,
        {"--input", "--output", "--sweep", "--positions", "--cal", "--out", "--smooth"}, {});
    const UiText usage =
        Tr("CommandLine",
           "usage: measure CHANNEL... [--input DEV] [--output DEV] [--sweep SECONDS] "
           "[--positions N] [--cal FILE] [--out DIR] [--smooth N]");
    if (!arguments.error.empty() || arguments.positional.empty() || arguments.dryRun ||
        !arguments.file.empty()) {
        return UsageError(device, usage, arguments.error);
    }
    ExitCode failed = kDone;
    SweepOptions sweep = ReadSweepOptions(device, arguments, failed);
    if (failed != kDone) {
        return failed;
    }
    MeasureRequest& request = sweep.request;
    request.smoothingFraction = 0;
    for (const auto& text : arguments.positional) {
        const auto channel = ParseChannel(text);
        if (!channel || std::find(request.channels.begin(), request.channels.end(), *channel) !=
                            request.channels.end()) {
            return UsageError(
                device,
                Tr("CommandLine", "CHANNEL is 1..6 or FL, FR, SL, SR, ULF, Center, each once"),
                text);
        }
        request.channels.push_back(*channel);
    }
    if (const auto refused = ReadSmoothing(device, arguments, request.smoothingFraction)) {
        return *refused;
    }
    const std::string outDir = arguments.Value("--out").value_or("");
    if (!outDir.empty() && !std::filesystem::is_directory(outDir)) {
        return UsageError(device, Tr("CommandLine", "--out takes an existing folder"), outDir);
    }
    return WithAudioRun(device, [&](audio::AudioSystem& audio) {
        const MeasureOutcome outcome =
            MeasureChannels(device.session(), audio, request, HooksFor(device));
        if (outcome.end != MeasureEnd::Done || !outcome.muteStateRestored) {
            return ReportEnd(device, outcome.end, outcome.status, outcome.muteStateRestored);
        }
        double earliest = outcome.channels.front().meanArrivalMs;
        for (const auto& c : outcome.channels) {
            earliest = std::min(earliest, c.meanArrivalMs);
        }
        cJSON* root = options.json ? cJSON_CreateObject() : nullptr;
        cJSON* list = root != nullptr ? cJSON_AddArrayToObject(root, "channels") : nullptr;
        for (const auto& c : outcome.channels) {
            const std::string name = ChannelArgumentName(c.channel);
            std::string path;
            if (!outDir.empty()) {
                path = (std::filesystem::path(outDir) / (name + ".txt")).string();
                const std::string title =
                    name + ", " + std::to_string(request.positions) + " position(s)";
                if (const Status written =
                        measure::WriteMeasurementExport(path, c.response.levelsDb, title);
                    !written.ok()) {
                    if (root != nullptr) {
                        cJSON_Delete(root);
                    }
                    return ReportWriteFailure(
                        device, Tr("CommandLine", "The measurement cannot be written."), path,
                        written);
                }
            }
            if (list != nullptr) {
                cJSON* item = cJSON_CreateObject();
                cJSON_AddStringToObject(item, "channel", name.c_str());
                cJSON_AddNumberToObject(item, "arrival_ms", Rounded(c.meanArrivalMs, 4));
                cJSON_AddNumberToObject(item, "relative_ms",
                                        Rounded(c.meanArrivalMs - earliest, 4));
                cJSON_AddNumberToObject(item, "peak_dbfs", Rounded(c.level.peakDbfs, 1));
                cJSON_AddNumberToObject(item, "largest_spread_db",
                                        Rounded(LargestSpread(c.response.spreadDb), 2));
                if (!path.empty()) {
                    cJSON_AddStringToObject(item, "file", path.c_str());
                }
                cJSON_AddItemToArray(list, item);
            } else {
                const UiLanguage language = device.language();
                std::string line = Tr("CommandLine", "%1 arrival %2 ms (+%3 ms), peak %4 dBFS")
                                       .Arg(name)
                                       .Arg(Ms(c.meanArrivalMs))
                                       .Arg(Ms(c.meanArrivalMs - earliest))
                                       .Arg(detail::FixedText(c.level.peakDbfs, 1))
                                       .In(language);
                if (request.positions > 1) {
                    line += Tr("CommandLine", ", spread up to %1 dB")
                                .Arg(detail::FixedText(LargestSpread(c.response.spreadDb), 1))
                                .In(language);
                }
                if (!path.empty()) {
                    line += " -> " + path;
                }
                device.PrintWhenSent(line);
            }
        }
        if (root != nullptr) {
            cJSON_AddBoolToObject(root, "mute_state_restored", outcome.muteStateRestored);
            device.PrintWhenSent(PrintAndDelete(root));
        }
        return kDone;
    });
}

ExitCode RunCalibrate(CliDevice& device, const CliOptions& options) {
    const TuningArguments arguments =
        ParseTuningArguments(options.args,
                             {"--target", "--max-boost", "--range", "--input", "--output",
                              "--sweep", "--positions", "--cal"},
                             {});
    const UiText usage = Tr(
        "CommandLine",
        "usage: calibrate [--target flat|house|FILE] [--max-boost DB] [--range LOW-HIGH] "
        "[--sweep SECONDS] [--positions N] [--input DEV] [--output DEV] [--cal FILE] [--dry-run]");
    if (!arguments.error.empty() || !arguments.positional.empty() || !arguments.file.empty()) {
        return UsageError(device, usage, arguments.error);
    }
    ExitCode failed = kDone;
    SweepOptions sweep = ReadSweepOptions(device, arguments, failed);
    if (failed != kDone) {
        return failed;
    }
    CalibrationRequest request;
    request.measure = sweep.request;
    request.dryRun = arguments.dryRun;
    request.fit.lowHz = 30.0;
    request.fit.highHz = 16000.0;
    if (const auto boost = arguments.Value("--max-boost")) {
        const auto db = ParseNumber(*boost);
        if (!db) {
            return UsageError(device, Tr("CommandLine", "--max-boost takes a number of dB"),
                              *boost);
        }
        request.fit.maxBoostDb = *db;
    }
    if (const auto range = arguments.Value("--range")) {
        const auto dash = range->find('-', 1);
        const auto low =
            dash == std::string::npos ? std::nullopt : ParseNumber(range->substr(0, dash));
        const auto high =
            dash == std::string::npos ? std::nullopt : ParseNumber(range->substr(dash + 1));
        if (!low || !high) {
            return UsageError(device, Tr("CommandLine", "--range takes LOW-HIGH in Hz"), *range);
        }
        request.fit.lowHz = *low;
        request.fit.highHz = *high;
    }
    if (const Status checked = tuning::CheckAutoEqOptions(request.fit); !checked.ok()) {
        return UsageError(device, checked.message());
    }
    std::string targetName = "flat";
    request.target = tuning::FlatTarget();
    if (const auto wanted = arguments.Value("--target"); wanted && *wanted != "flat") {
        targetName = *wanted;
        if (*wanted == "house") {
            request.target = tuning::HouseTarget();
        } else {
            const tuning::MeasurementRead file = tuning::ReadMeasurementFile(*wanted);
            if (!file.status.ok()) {
                device.PrintError(file.status.message());
                return kFileError;
            }
            request.target = tuning::ResampleToGrid(file.points);
        }
    }
    return WithAudioRun(device, [&](audio::AudioSystem& audio) {
        const CalibrationOutcome outcome =
            CalibrateCar(device.session(), audio, request, HooksFor(device));
        if (outcome.end == CalibrationEnd::Failed || outcome.end == CalibrationEnd::Cancelled) {
            return ReportEnd(
                device,
                outcome.end == CalibrationEnd::Failed ? MeasureEnd::Failed : MeasureEnd::Cancelled,
                outcome.status, outcome.muteStateRestored);
        }
        const bool applied = outcome.end == CalibrationEnd::Applied;
        cJSON* root = options.json ? cJSON_CreateObject() : nullptr;
        cJSON* list = nullptr;
        if (root != nullptr) {
            cJSON_AddStringToObject(root, "target", targetName.c_str());
            cJSON_AddBoolToObject(root, "applied", applied);
            cJSON_AddBoolToObject(root, "dry_run", request.dryRun);
            cJSON_AddBoolToObject(root, "verified", outcome.verified);
            cJSON_AddBoolToObject(root, "mute_state_restored", outcome.muteStateRestored);
            list = cJSON_AddArrayToObject(root, "channels");
        }
        for (const ChannelCalibration& c : outcome.channels) {
            const std::string name = ChannelArgumentName(c.channel);
            if (list != nullptr) {
                cJSON* item = cJSON_CreateObject();
                cJSON_AddStringToObject(item, "channel", name.c_str());
                cJSON_AddNumberToObject(item, "arrival_ms", Rounded(c.arrivalMs, 4));
                cJSON_AddNumberToObject(item, "delay_code", c.delayCode);
                cJSON_AddNumberToObject(item, "delay_ms",
                                        Rounded(DelayMilliseconds(c.delayCode), 3));
                cJSON_AddBoolToObject(item, "delay_limited", c.delayLimited);
                cJSON_AddNumberToObject(item, "bands_used", c.bandsUsed);
                cJSON_AddNumberToObject(item, "rms_before_db", Rounded(c.before.rmsDb));
                cJSON_AddNumberToObject(item, "rms_predicted_db", Rounded(c.predicted.rmsDb));
                if (c.after) {
                    cJSON_AddNumberToObject(item, "rms_after_db", Rounded(c.after->rmsDb));
                    cJSON_AddNumberToObject(item, "arrival_after_ms",
                                            Rounded(*c.arrivalAfterMs, 4));
                }
                cJSON_AddItemToArray(list, item);
                continue;
            }
            device.SayWhenSent(
                Tr("CommandLine", "%1 delay %2 ms%3, %4 band(s), RMS error %5 -> %6 dB%7")
                    .Arg(name)
                    .Arg(Ms(DelayMilliseconds(c.delayCode)))
                    .Arg(c.delayLimited ? Tr("CommandLine", " (limited)") : UiText{})
                    .Arg(std::to_string(c.bandsUsed))
                    .Arg(detail::FixedText(c.before.rmsDb, 2))
                    .Arg(detail::FixedText(c.after ? c.after->rmsDb : c.predicted.rmsDb, 2))
                    .Arg(c.after ? UiText{} : Tr("CommandLine", " (predicted)")));
        }
        if (root != nullptr) {
            device.PrintWhenSent(PrintAndDelete(root));
        } else {
            device.SayWhenSent(
                applied ? (outcome.verified
                               ? Tr("CommandLine", "calibration applied (one undo step)")
                               : Tr("CommandLine", "calibration applied, not measured again"))
                        : Tr("CommandLine", "calibration planned (dry run)"));
        }
        if (applied && !outcome.verified && !outcome.status.ok()) {
            device.PrintError(outcome.status.message());
        }
        return outcome.muteStateRestored ? kDone : kLinkError;
    });
}

}  // namespace corva::cli
