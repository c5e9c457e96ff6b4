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

std::string ErrorsText(const AutoEqResult& result) {
    return "RMS " + detail::FixedText(result.before.rmsDb, 2) + " -> " +
           detail::FixedText(result.after.rmsDb, 2) + " dB, largest " +
           detail::FixedText(result.before.largestDb, 2) + " -> " +
           detail::FixedText(result.after.largestDb, 2) + " dB";
}

std::string TextReport(const AutoEqResult& result, int channel, const Target& target,
                       const AutoEqOptions& fit, bool applied, UiLanguage language) {
    const std::string name = ChannelArgumentName(channel);
    const std::string range =
        detail::FixedText(fit.lowHz, 0) + "-" + detail::FixedText(fit.highHz, 0);
    std::string report;
    report +=
        UiText{
            name + " auto-EQ to " + target.name + " over " + range + " Hz, boost at most " +
                detail::FixedText(fit.maxBoostDb, 1) + " dB: " + std::to_string(result.bandsUsed) +
                " band(s) " + (applied ? "applied" : "planned (dry run)"),
            name + " 自动均衡，目标 " + target.name + "，范围 " + range + " Hz，最大提升 " +
                detail::FixedText(fit.maxBoostDb, 1) + " dB：" + std::to_string(result.bandsUsed) +
                " 个频段" + (applied ? "已应用" : "（试运行，未应用）")}
            .In(language) +
        "\n";
    report += name + " " + ErrorsText(result) + "\n";
    for (std::size_t j = 0; j < result.bands.size(); ++j) {
        if (result.bands[j].gainCode != kBandGainCodeFlat) {
            report += name + " eq" + std::to_string(j + 1) + " " +
                      BandSettingText(result.bands[j]) + "\n";
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
    const UiText usage{
        "usage: auto-eq MEASUREMENT CHANNEL [--target flat|house|FILE] [--max-boost DB] "
        "[--range LOW-HIGH] [--smooth N] [--dry-run] [--file PRESET]",
        "用法: auto-eq MEASUREMENT CHANNEL [--target flat|house|FILE] [--max-boost DB] "
        "[--range LOW-HIGH] [--smooth N] [--dry-run] [--file PRESET]"};
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
            return UsageError(
                device, {"--max-boost takes a number of dB", "--max-boost 需要 dB 数值"}, *boost);
        }
        fit.maxBoostDb = *db;
    }
    if (const auto range = arguments.Value("--range")) {
        const auto hz = ParseRange(*range);
        if (!hz) {
            return UsageError(
                device, {"--range takes LOW-HIGH in Hz", "--range 需要 LOW-HIGH（Hz）"}, *range);
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
            report = json ? JsonReport(plan.result, *channel, target, fit, apply, !apply)
                          : TextReport(plan.result, *channel, target, fit, apply, device.language());
            return kDone;
        });
}

}  // namespace corva::cli
