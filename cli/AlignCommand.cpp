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
        const std::string name = ChannelArgumentName(c);
        report += name + " " + detail::FixedText(*distances[static_cast<std::size_t>(c)], 1) + " " +
                  unit +
                  " -> delay=" + DelayFieldText(*aligned.delayCode, DelayUnit::Milliseconds) +
                  "ms (code " + std::to_string(*aligned.delayCode) + ")";
        if (aligned.limited) {
            const std::string wanted = detail::FixedText(aligned.wantedDistance, 1);
            report += UiText{" limited: " + wanted + " " + unit + " is beyond the longest delay",
                             " 已限制：" + wanted + " " + unit + " 超出最大延时"}
                          .In(language);
        }
        report += "\n";
    }
    if (!applied) {
        report +=
            UiText{"dry run: nothing was changed", "试运行：未做任何更改"}.In(language) + "\n";
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
    const UiText usage{"usage: align CH=DIST ... [--unit cm|in] [--dry-run] [--file PRESET]",
                       "用法: align CH=DIST ... [--unit cm|in] [--dry-run] [--file PRESET]"};
    if (!arguments.error.empty() || arguments.positional.empty()) {
        return UsageError(device, usage, arguments.error);
    }
    const std::string unitText = arguments.Value("--unit").value_or("cm");
    if (unitText != "cm" && unitText != "in") {
        return UsageError(device, {"--unit takes cm or in", "--unit 取值为 cm 或 in"}, unitText);
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
            return UsageError(device,
                              {"each pair is CHANNEL=DISTANCE with a distance of 0 or more",
                               "每一项为 CHANNEL=DISTANCE，距离不小于 0"},
                              pair);
        }
        if (distances[static_cast<std::size_t>(*channel)]) {
            return UsageError(device, {"a channel is given twice", "声道重复"}, pair);
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
