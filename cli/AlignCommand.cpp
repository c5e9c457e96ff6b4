#include "AlignCommand.h"

#include <cmath>

#include "ChannelArgument.h"
#include "CommandSupport.h"
#include "TuningCommandSupport.h"
#include "TuningReportText.h"
#include "commands/AlignmentJob.h"
#include "dsp/values/NumberText.h"

namespace corva::cli {
namespace {

using namespace corva::tuning;

std::string TextReport(const TimeAlignment& alignment, const ChannelDistances& distances,
                       const char* unit, bool applied, UiLanguage language) {
    std::string report;
    for (int c = 0; c < kOutputChannelCount; ++c) {
        const auto& aligned = alignment.channels[static_cast<std::size_t>(c)];
        if (!aligned.delayCode) {
            continue;
        }
        report += Tr("CommandLine", "%1 %2 %3 -> delay=%4ms (code %5)")
                      .Arg(ChannelArgumentName(c))
                      .Arg(detail::FixedText(*distances[static_cast<std::size_t>(c)], 1))
                      .Arg(unit)
                      .Arg(DelayFieldText(*aligned.delayCode, DelayUnit::Milliseconds))
                      .Arg(std::to_string(*aligned.delayCode))
                      .In(language);
        if (aligned.limited) {
            report += Tr("CommandLine", " limited: %1 %2 is beyond the longest delay")
                          .Arg(detail::FixedText(aligned.wantedDistance, 1))
                          .Arg(unit)
                          .In(language);
        }
        report += "\n";
    }
    if (!applied) {
        report += Tr("CommandLine", "dry run: nothing was changed").In(language) + "\n";
    }
    return report;
}

std::string JsonReport(const TimeAlignment& alignment, const ChannelDistances& distances,
                       const char* unit, bool applied, bool dryRun) {
    cJSON* root = cJSON_CreateObject();
    cJSON_AddStringToObject(root, "unit", unit);
    cJSON_AddStringToObject(root, "farthest",
                            ChannelArgumentName(alignment.farthestChannel).c_str());
    cJSON_AddBoolToObject(root, "limited", alignment.anyLimited);
    cJSON_AddBoolToObject(root, "applied", applied);
    cJSON_AddBoolToObject(root, "dry_run", dryRun);
    cJSON* channels = cJSON_AddArrayToObject(root, "channels");
    for (int c = 0; c < kOutputChannelCount; ++c) {
        const auto& aligned = alignment.channels[static_cast<std::size_t>(c)];
        if (!aligned.delayCode) {
            continue;
        }
        cJSON* item = cJSON_CreateObject();
        cJSON_AddStringToObject(item, "channel", ChannelArgumentName(c).c_str());
        cJSON_AddNumberToObject(item, "distance", *distances[static_cast<std::size_t>(c)]);
        cJSON_AddNumberToObject(item, "delay_code", *aligned.delayCode);
        cJSON_AddNumberToObject(item, "delay_ms",
                                Rounded(DelayMilliseconds(*aligned.delayCode), 3));
        cJSON_AddBoolToObject(item, "limited", aligned.limited);
        cJSON_AddItemToArray(channels, item);
    }
    return PrintAndDelete(root) + "\n";
}

}  // namespace

ExitCode RunAlign(CliDevice& device, const CliOptions& options) {
    const TuningArguments arguments = ParseTuningArguments(options.args, {"--unit"}, {});
    const UiText usage =
        Tr("CommandLine", "usage: align CH=DIST ... [--unit cm|in] [--dry-run] [--file PRESET]");
    if (!arguments.error.empty() || arguments.positional.empty()) {
        return UsageError(device, usage, arguments.error);
    }
    const std::string unitText = arguments.Value("--unit").value_or("cm");
    if (unitText != "cm" && unitText != "in") {
        return UsageError(device, Tr("CommandLine", "--unit takes cm or in"), unitText);
    }
    const DistanceUnit unit = unitText == "in" ? DistanceUnit::Inches : DistanceUnit::Centimetres;
    ChannelDistances distances;
    for (const auto& pair : arguments.positional) {
        const auto equals = pair.find('=');
        const auto channel =
            equals == std::string::npos ? std::nullopt : ParseChannel(pair.substr(0, equals));
        const auto distance =
            equals == std::string::npos ? std::nullopt : ParseNumber(pair.substr(equals + 1));
        if (!channel || !distance || *distance < 0.0 || *distance > 100000.0) {
            return UsageError(
                device,
                Tr("CommandLine", "each pair is CHANNEL=DISTANCE with a distance of 0 or more"),
                pair);
        }
        if (distances[static_cast<std::size_t>(*channel)]) {
            return UsageError(device, Tr("CommandLine", "a channel is given twice"), pair);
        }
        distances[static_cast<std::size_t>(*channel)] = *distance;
    }
    const TimeAlignment alignment = PlanAlignment(distances, unit);
    const bool json = options.json;
    return RunOnTuning(
        device, arguments, [&](TuningSession& session, bool apply, std::string& report) {
            if (apply) {
                ApplyAlignment(session, alignment);
            }
            report =
                json ? JsonReport(alignment, distances, unitText.c_str(), apply, !apply)
                     : TextReport(alignment, distances, unitText.c_str(), apply, device.language());
            return kDone;
        });
}

}  // namespace corva::cli
