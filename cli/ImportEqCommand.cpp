#include "ImportEqCommand.h"

#include <algorithm>

#include "ChannelArgument.h"
#include "CommandSupport.h"
#include "TuningCommandSupport.h"
#include "TuningReportText.h"
#include "dsp/values/BandCodes.h"
#include "dsp/values/NumberText.h"
#include "commands/FilterImportJob.h"
#include "tuning/FilterImport.h"

namespace corva::cli {
namespace {

using namespace corva::tuning;

const char* OutcomeKey(ImportOutcome outcome) {
    switch (outcome) {
        case ImportOutcome::Applied:
            return "applied";
        case ImportOutcome::Flat:
            return "flat";
        case ImportOutcome::Off:
            return "off";
        case ImportOutcome::Empty:
            return "empty";
        case ImportOutcome::Unsupported:
            return "unsupported";
        case ImportOutcome::NoRoom:
            return "no-room";
    }
    return "?";
}

UiText OutcomeText(const ImportedFilter& entry) {
    switch (entry.outcome) {
        case ImportOutcome::Applied:
            break;
        case ImportOutcome::Flat:
            return {"0 dB, nothing to apply", "0 dB，无需应用"};
        case ImportOutcome::Off:
            return {"off in the file", "文件中已关闭"};
        case ImportOutcome::Empty:
            return {"empty", "空"};
        case ImportOutcome::Unsupported:
        case ImportOutcome::NoRoom:
            return {"not applied: " + entry.note.english, "未应用：" + entry.note.chinese};
    }
    const std::string deviation = " (deviation " + detail::FixedText(entry.deviationDb, 2) + " dB)";
    const std::string deviationZh = "（偏差 " + detail::FixedText(entry.deviationDb, 2) + " dB）";
    switch (entry.target) {
        case ImportTarget::Band: {
            const std::string band = "band " + std::to_string(entry.band + 1) + ": " +
                                     BandSettingText(entry.bandSetting);
            return {band + deviation, "频段 " + std::to_string(entry.band + 1) + "：" +
                                          BandSettingText(entry.bandSetting) + deviationZh};
        }
        case ImportTarget::HighPass:
        case ImportTarget::LowPass: {
            const std::string text = CrossoverSettingText(entry.target == ImportTarget::HighPass,
                                                          entry.crossoverSetting);
            return {text + deviation, text + deviationZh};
        }
        case ImportTarget::None:
            break;
    }
    return {};
}

std::string TextReport(const FilterImport& plan, int channel, bool applied, UiLanguage language) {
    const std::string name = ChannelArgumentName(channel);
    std::string report;
    for (const auto& entry : plan.filters) {
        report += name + " line " + std::to_string(entry.filter.lineNumber) + " " +
                  DescribeFileFilter(entry.filter) + " -> " + OutcomeText(entry).In(language) +
                  "\n";
    }
    if (plan.preampDb) {
        const std::string preamp = SignedDbText(*plan.preampDb);
        report += UiText{name + " preamp " + preamp + " dB not applied: the channel gain stays",
                         name + " 前级 " + preamp + " dB 未应用：声道增益保持不变"}
                      .In(language) +
                  "\n";
    }
    const std::string bands = std::to_string(plan.bandsUsed);
    const std::string deviation = detail::FixedText(plan.largestDeviationDb, 2);
    if (!plan.refused) {
        report +=
            UiText{name + " " + bands + " band(s) " + (applied ? "applied" : "planned (dry run)") +
                       ", largest deviation " + deviation + " dB",
                   name + " " + bands + " 个频段" + (applied ? "已应用" : "（试运行，未应用）") +
                       "，最大偏差 " + deviation + " dB"}
                .In(language) +
            "\n";
    }
    return report;
}

std::string JsonReport(const FilterImport& plan, int channel, bool applied, bool dryRun,
                       FilterFileFormat format, UiLanguage language) {
    cJSON* root = cJSON_CreateObject();
    cJSON_AddStringToObject(root, "channel", ChannelArgumentName(channel).c_str());
    cJSON_AddStringToObject(root, "format", format == FilterFileFormat::Apo ? "apo" : "rew");
    cJSON_AddBoolToObject(root, "applied", applied);
    cJSON_AddBoolToObject(root, "dry_run", dryRun);
    cJSON_AddBoolToObject(root, "refused", plan.refused);
    if (plan.refused) {
        cJSON_AddStringToObject(root, "refusal", plan.refusal.In(language).c_str());
    }
    cJSON_AddNumberToObject(root, "bands_used", plan.bandsUsed);
    cJSON_AddNumberToObject(root, "largest_deviation_db", Rounded(plan.largestDeviationDb));
    if (plan.preampDb) {
        cJSON_AddNumberToObject(root, "preamp_db", *plan.preampDb);
    }
    cJSON* filters = cJSON_AddArrayToObject(root, "filters");
    for (const auto& entry : plan.filters) {
        cJSON* item = cJSON_CreateObject();
        cJSON_AddNumberToObject(item, "line", entry.filter.lineNumber);
        cJSON_AddStringToObject(item, "filter", DescribeFileFilter(entry.filter).c_str());
        cJSON_AddStringToObject(item, "outcome", OutcomeKey(entry.outcome));
        if (entry.outcome == ImportOutcome::Applied) {
            cJSON_AddNumberToObject(item, "deviation_db", Rounded(entry.deviationDb));
            if (entry.gainLimited) {
                cJSON_AddBoolToObject(item, "gain_limited", true);
            }
            if (entry.target == ImportTarget::Band) {
                cJSON_AddStringToObject(item, "target", "band");
                cJSON_AddNumberToObject(item, "band", entry.band + 1);
                cJSON_AddItemToObject(item, "setting", BandSettingJson(entry.bandSetting));
            } else {
                cJSON_AddStringToObject(item, "target",
                                        entry.target == ImportTarget::HighPass ? "hpf" : "lpf");
                cJSON_AddItemToObject(item, "setting",
                                      CrossoverSettingJson(entry.crossoverSetting));
            }
        } else if (!entry.note.english.empty()) {
            cJSON_AddStringToObject(item, "note", entry.note.In(language).c_str());
        }
        cJSON_AddItemToArray(filters, item);
    }
    return PrintAndDelete(root) + "\n";
}

// One error line per gain the bands cannot reach, and one for a refusal: what was refused and,
// when only some filters do not fit, how to import the others.
void PrintWarnings(const CliDevice& device, const FilterImport& plan, int channel,
                   RestPolicy policy) {
    const std::string name = ChannelArgumentName(channel);
    for (const auto& entry : plan.filters) {
        if (plan.refused || !entry.gainLimited || entry.outcome != ImportOutcome::Applied) {
            continue;
        }
        const std::string line = std::to_string(entry.filter.lineNumber);
        const std::string wanted = SignedDbText(entry.filter.gainDb);
        const std::string got = SignedDbText(BandGainDb(entry.bandSetting.gainCode));
        device.PrintError({name + " line " + line + ": the gain " + wanted +
                               " dB is beyond the band's range and was limited to " + got + " dB.",
                           name + " 第 " + line + " 行：增益 " + wanted +
                               " dB 超出频段范围，已限制为 " + got + " dB。"});
    }
    if (!plan.refused) {
        return;
    }
    const bool restWouldApply =
        policy == RestPolicy::RefuseAll &&
        std::any_of(plan.filters.begin(), plan.filters.end(), [](const ImportedFilter& entry) {
            return entry.outcome == ImportOutcome::Applied;
        });
    if (restWouldApply) {
        device.PrintError(
            {name + " " + plan.refusal.english + " Use --apply-rest to import the others.",
             name + " " + plan.refusal.chinese + "使用 --apply-rest 可导入其余滤波器。"});
    } else {
        device.PrintError({name + " " + plan.refusal.english, name + " " + plan.refusal.chinese});
    }
}

}  // namespace

ExitCode RunImportEq(CliDevice& device, const CliOptions& options) {
    const TuningArguments arguments = ParseTuningArguments(options.args, {}, {"--apply-rest"});
    const UiText usage{"usage: import-eq FILE CHANNEL [--apply-rest] [--dry-run] [--file PRESET]",
                       "用法: import-eq FILE CHANNEL [--apply-rest] [--dry-run] [--file PRESET]"};
    if (!arguments.error.empty() || arguments.positional.size() != 2) {
        return UsageError(device, usage, arguments.error);
    }
    const auto channel = ParseChannel(arguments.positional[1]);
    if (!channel) {
        return ChannelUsageError(device, arguments.positional[1]);
    }
    // The file is read and checked before anything connects.
    const FilterFileRead file = ReadFilterFile(arguments.positional[0]);
    if (!file.status.ok()) {
        device.PrintError(file.status.message());
        return kFileError;
    }
    const RestPolicy policy =
        arguments.Flag("--apply-rest") ? RestPolicy::ApplyRest : RestPolicy::RefuseAll;
    const bool json = options.json;
    return RunOnTuning(
        device, arguments, [&](TuningSession& session, bool apply, std::string& report) {
            const FilterImportPlan job =
                PlanFilterImportJob(session.Snapshot(), *channel, file, policy);
            const FilterImport& plan = job.import;
            PrintWarnings(device, plan, *channel, policy);
            const bool applied = apply && ApplyFilterImport(session, job);
            report =
                json ? JsonReport(plan, *channel, applied, !apply, file.format, device.language())
                     : TextReport(plan, *channel, applied, device.language());
            return plan.refused ? kRefused : kDone;
        });
}

}  // namespace corva::cli
