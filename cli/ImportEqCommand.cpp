#include "ImportEqCommand.h"

#include <algorithm>

#include "ChannelArgument.h"
#include "CommandSupport.h"
#include "TuningCommandSupport.h"
#include "TuningReportText.h"
#include "commands/FilterImportJob.h"
#include "dsp/values/BandCodes.h"
#include "dsp/values/NumberText.h"
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
            return Tr("CommandLine", "0 dB, nothing to apply");
        case ImportOutcome::Off:
            return Tr("CommandLine", "off in the file");
        case ImportOutcome::Empty:
            return Tr("CommandLine", "empty");
        case ImportOutcome::Unsupported:
        case ImportOutcome::NoRoom:
            return Tr("CommandLine", "not applied: %1").Arg(entry.note);
    }
    const std::string deviation = detail::FixedText(entry.deviationDb, 2);
    switch (entry.target) {
        case ImportTarget::Band:
            return Tr("CommandLine", "band %1: %2 (deviation %3 dB)")
                .Arg(std::to_string(entry.band + 1))
                .Arg(BandSettingText(entry.bandSetting))
                .Arg(deviation);
        case ImportTarget::HighPass:
        case ImportTarget::LowPass:
            return Tr("CommandLine", "%1 (deviation %2 dB)")
                .Arg(CrossoverSettingText(entry.target == ImportTarget::HighPass,
                                          entry.crossoverSetting))
                .Arg(deviation);
        case ImportTarget::None:
            break;
    }
    return {};
}

std::string TextReport(const FilterImport& plan, int channel, bool applied, UiLanguage language) {
    const std::string name = ChannelArgumentName(channel);
    std::string report;
    for (const auto& entry : plan.filters) {
        report += Tr("CommandLine", "%1 line %2 %3 -> %4")
                      .Arg(name)
                      .Arg(std::to_string(entry.filter.lineNumber))
                      .Arg(DescribeFileFilter(entry.filter))
                      .Arg(OutcomeText(entry))
                      .In(language) +
                  "\n";
    }
    if (plan.preampDb) {
        const std::string preamp = SignedDbText(*plan.preampDb);
        report += Tr("CommandLine", "%1 preamp %2 dB not applied: the channel gain stays")
                      .Arg(name)
                      .Arg(preamp)
                      .In(language) +
                  "\n";
    }
    const std::string bands = std::to_string(plan.bandsUsed);
    const std::string deviation = detail::FixedText(plan.largestDeviationDb, 2);
    if (!plan.refused) {
        const UiText summary =
            applied ? Tr("CommandLine", "%1 %2 band(s) applied, largest deviation %3 dB")
                    : Tr("CommandLine", "%1 %2 band(s) planned (dry run), largest deviation %3 dB");
        report += summary.Arg(name).Arg(bands).Arg(deviation).In(language) + "\n";
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
        } else if (!entry.note.empty()) {
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
        device.PrintError(Tr("CommandLine",
                             "%1 line %2: the gain %3 dB is beyond the band's "
                             "range and was limited to %4 dB.")
                              .Arg(name)
                              .Arg(line)
                              .Arg(wanted)
                              .Arg(got));
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
        device.PrintError(Tr("CommandLine", "%1 %2 Use --apply-rest to import the others.")
                              .Arg(name)
                              .Arg(plan.refusal));
    } else {
        device.PrintError(Tr("CommandLine", "%1 %2", "a channel, then why its filters were refused")
                              .Arg(name)
                              .Arg(plan.refusal));
    }
}

}  // namespace

ExitCode RunImportEq(CliDevice& device, const CliOptions& options) {
    const TuningArguments arguments = ParseTuningArguments(options.args, {}, {"--apply-rest"});
    const UiText usage = Tr(
        "CommandLine", "usage: import-eq FILE CHANNEL [--apply-rest] [--dry-run] [--file PRESET]");
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
