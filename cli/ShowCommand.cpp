#include "ShowCommand.h"

#include <cstdio>

#include "CommandSupport.h"
#include "JsonText.h"
#include "PresetsCommand.h"
#include "TuningJson.h"
#include "TuningText.h"
#include "commands/TuningFiles.h"
#include "core/ByteOrder.h"
#include "dsp/values/DelayCodes.h"

namespace corva::cli {
namespace {

std::vector<int> ModeDelays(const ModeFileContent& mode) {
    std::vector<int> delays;
    for (int channel = 0; channel < kOutputChannelCount; ++channel) {
        delays.push_back(ReadLe16Signed(mode.delays, 2 * static_cast<std::size_t>(channel)));
    }
    return delays;
}

void ShowModeFile(const CliDevice& device, const CliOptions& options, const ModeFileContent& mode) {
    const std::vector<int> delays = ModeDelays(mode);
    if (options.json) {
        JsonText json;
        json.Field("position", mode.position);
        json.Array("delays", delays);
        std::printf("%s\n", json.Text().c_str());
        return;
    }
    const UiLanguage language = device.language();
    std::printf("%s%s\n", Tr("CommandLine", "Position:  ").In(language).c_str(),
                ListeningPositionName(mode.position).In(language).c_str());
    for (std::size_t channel = 0; channel < delays.size(); ++channel) {
        const std::string number = std::to_string(channel + 1);
        const std::string delay = DelayFieldText(delays[channel], DelayUnit::Milliseconds) + "ms";
        std::printf(
            "%s\n",
            Tr("CommandLine", "Channel %1 delay %2").Arg(number).Arg(delay).In(language).c_str());
    }
}

}  // namespace

ExitCode RunShow(CliDevice& device, const CliOptions& options) {
    if (auto usage = RequireArguments(device, options, 1, "show FILE")) {
        return *usage;
    }
    const std::string& path = options.args[0];
    if (TuningFileKindOf(path) == TuningFileKind::Other) {
        return UsageError(device, TuningFileKindError(".qvms, .qvma, .wkcs, .kpdm or .dat_d"),
                          path);
    }
    TuningSession session;
    const TuningFileLoad load = LoadTuningFile(session, path);
    if (!load.status.ok()) {
        device.PrintError(load.status.message(), ReadFailureDetail(path, device.language()));
        return kFileError;
    }
    if (load.kind == TuningFileKind::Mode) {
        ShowModeFile(device, options, load.mode);
        return kDone;
    }
    const bool complete = load.kind == TuningFileKind::Complete;
    const TuningSnapshot tuning = session.Snapshot();
    if (options.json) {
        JsonText json;
        AddTuningFields(json, tuning);
        if (complete) {
            json.Array("presets", PresetNames(tuning));
        }
        std::printf("%s\n", json.Text().c_str());
        return kDone;
    }
    std::fputs(TuningText(tuning, device.language()).c_str(), stdout);
    if (complete) {
        std::printf("%s\n", Tr("CommandLine", "Presets:").In(device.language()).c_str());
        const auto names = PresetNames(tuning);
        for (std::size_t i = 0; i < names.size(); ++i) {
            std::printf("  %2zu  %s\n", i + 1, names[i].c_str());
        }
    }
    return kDone;
}

}  // namespace corva::cli
