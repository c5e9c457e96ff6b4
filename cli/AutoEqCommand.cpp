#include "AutoEqCommand.h"

#include "ChannelArgument.h"
#include "CommandSupport.h"
#include "TuningCommandSupport.h"
#include "TuningReportText.h"
#include "commands/AutoEqJob.h"
#include "dsp/values/NumberText.h"
#include "tuning/ProcessorFit.h"

namespace corva::cli {
namespace {

using namespace corva::tuning;

struct Target {
    std::string name;  // flat, house or the file's path
};

// "LOW-HIGH" in Hz: "40-8000".
std::optional<std::pair<double, double>> ParseRange(const std::string& text) {
    const auto dash = text.find('-', 1);
    if (dash == std::string::npos) {
        return std::nullopt;
    }
    const auto low = ParseNumber(std::string_view(text).substr(0, dash));
    const auto high = ParseNumber(std::string_view(text).substr(dash + 1));
    if (!low || !high) {
        return std::nullopt;
    }
    return std::make_pair(*low, *high);
}

UiText ErrorsText(const AutoEqResult& result) {
    return Tr("CommandLine", "RMS %1 -> %2 dB, largest %3 -> %4 dB")
        .Arg(detail::FixedText(result.before.rmsDb, 2))
        .Arg(detail::FixedText(result.after.rmsDb, 2))
        .Arg(detail::FixedText(result.before.largestDb, 2))
        .Arg(detail::FixedText(result.after.largestDb, 2));
}

std::string TextReport(const AutoEqResult& result, int channel, const Target& target,
                       const AutoEqOptions& fit, bool applied, UiLanguage language) {
    const std::string name = ChannelArgumentName(channel);
    const std::string range =
        detail::FixedText(fit.lowHz, 0) + "-" + detail::FixedText(fit.highHz, 0);
    const UiText headline =
        applied ? Tr("CommandLine",
                     "%1 auto-EQ to %2 over %3 Hz, boost at most %4 dB: %5 band(s) applied")
                : Tr("CommandLine",
                     "%1 auto-EQ to %2 over %3 Hz, boost at most %4 dB: %5 band(s) planned "
                     "(dry run)");
    std::string report = headline.Arg(name)
                             .Arg(target.name)
                             .Arg(range)
                             .Arg(detail::FixedText(fit.maxBoostDb, 1))
                             .Arg(std::to_string(result.bandsUsed))
                             .In(language) +
                         "\n";
    report += name + " " + ErrorsText(result).In(language) + "\n";
    for (std::size_t j = 0; j < result.bands.size(); ++j) {
        if (result.bands[j].gainCode != kBandGainCodeFlat) {
            report += name + " eq" + std::to_string(j + 1) + " " +
                      BandSettingText(result.bands[j]).In(language) + "\n";
        }
    }
    return report;
}

cJSON* ErrorsJson(const FitErrors& errors) {
    cJSON* object = cJSON_CreateObject();
    cJSON_AddNumberToObject(object, "rms_db", Rounded(errors.rmsDb, 3));
    cJSON_AddNumberToObject(object, "largest_db", Rounded(errors.largestDb, 3));
    return object;
}

std::string JsonReport(const AutoEqResult& result, int channel, const Target& target,
                       const AutoEqOptions& fit, bool applied, bool dryRun) {
    cJSON* root = cJSON_CreateObject();
    cJSON_AddStringToObject(root, "channel", ChannelArgumentName(channel).c_str());
    cJSON_AddStringToObject(root, "target", target.name.c_str());
    const double range[] = {fit.lowHz, fit.highHz};
    cJSON_AddItemToObject(root, "range_hz", cJSON_CreateDoubleArray(range, 2));
    cJSON_AddNumberToObject(root, "max_boost_db", fit.maxBoostDb);
    cJSON_AddBoolToObject(root, "applied", applied);
    cJSON_AddBoolToObject(root, "dry_run", dryRun);
    cJSON_AddItemToObject(root, "before", ErrorsJson(result.before));
    cJSON_AddItemToObject(root, "after", ErrorsJson(result.after));
    cJSON_AddNumberToObject(root, "bands_used", result.bandsUsed);
    cJSON* bands = cJSON_AddArrayToObject(root, "bands");
    for (const auto& band : result.bands) {
        cJSON_AddItemToArray(bands, BandSettingJson(band));
    }
    return PrintAndDelete(root) + "\n";
}

}  // namespace

ExitCode RunAutoEq(CliDevice& device, const CliOptions& options) {
    const TuningArguments arguments =
        ParseTuningArguments(options.args, {"--target", "--max-boost", "--range", "--smooth"}, {});
    const UiText usage =
        Tr("CommandLine",
           "usage: auto-eq MEASUREMENT CHANNEL [--target flat|house|FILE] [--max-boost DB] "
           "[--range LOW-HIGH] [--smooth N] [--dry-run] [--file PRESET]");
    if (!arguments.error.empty() || arguments.positional.size() != 2) {
        return UsageError(device, usage, arguments.error);
    }
    const auto channel = ParseChannel(arguments.positional[1]);
    if (!channel) {
        return ChannelUsageError(device, arguments.positional[1]);
    }
    AutoEqRequest request;
    request.measurementFile = arguments.positional[0];
    request.channel = *channel;
    AutoEqOptions& fit = request.fit;
    if (const auto boost = arguments.Value("--max-boost")) {
        const auto db = ParseNumber(*boost);
        if (!db) {
            return UsageError(device, Tr("CommandLine", "--max-boost takes a number of dB"),
                              *boost);
        }
        fit.maxBoostDb = *db;
    }
    if (const auto range = arguments.Value("--range")) {
        const auto hz = ParseRange(*range);
        if (!hz) {
            return UsageError(device, Tr("CommandLine", "--range takes LOW-HIGH in Hz"), *range);
        }
        fit.lowHz = hz->first;
        fit.highHz = hz->second;
    }
    if (const auto refused = ReadSmoothing(device, arguments, request.smoothingFraction)) {
        return *refused;
    }
    if (const Status checked = CheckAutoEqRequest(request); !checked.ok()) {
        return UsageError(device, checked.message());
    }
    Target target{"flat"};
    if (const auto wanted = arguments.Value("--target"); wanted && *wanted != "flat") {
        target.name = *wanted;
        request.target = *wanted == "house" ? AutoEqTarget::House : AutoEqTarget::File;
        request.targetFile = *wanted;
    }
    // Measurement and target are read and checked before anything connects.
    const AutoEqInputs inputs = ReadAutoEqInputs(request);
    if (!inputs.status.ok()) {
        device.PrintError(inputs.status.message());
        return kFileError;
    }
    const bool json = options.json;
    return RunOnTuning(
        device, arguments, [&](TuningSession& session, bool apply, std::string& report) {
            const AutoEqPlan plan = PlanAutoEq(session.Snapshot(), *channel, inputs, fit);
            if (apply) {
                ApplyAutoEq(session, plan);
            }
            report = json
                         ? JsonReport(plan.result, *channel, target, fit, apply, !apply)
                         : TextReport(plan.result, *channel, target, fit, apply, device.language());
            return kDone;
        });
}

}  // namespace corva::cli
