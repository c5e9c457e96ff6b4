#include "InfoCommand.h"

#include <cstdio>

#include "CommandSupport.h"
#include "JsonText.h"
#include "TuningJson.h"
#include "dsp/values/EntryLimits.h"
#include "text/CodePage.h"

namespace corva::cli {
namespace {

void PrintPresetList(const std::vector<std::string>& presets, UiLanguage language) {
    std::printf("%s\n", Tr("CommandLine", "Presets:").In(language).c_str());
    for (std::size_t i = 0; i < presets.size(); ++i) {
        std::printf("  %2zu  %s\n", i + 1, presets[i].c_str());
    }
}

}  // namespace

ExitCode RunInfo(CliDevice& device, const CliOptions& options) {
    if (auto usage = RequireArguments(device, options, 0, "info")) {
        return *usage;
    }
    return WithProcessor(device, [&] {
        if (!ReadListeningTable(device)) {
            return kLinkError;
        }
        const TuningSnapshot tuning = device.session().Snapshot();
        const std::vector<std::string> presets = PresetNames(tuning);
        const std::string link = device.controller().linkDescription();
        if (options.json) {
            JsonText json;
            json.Field("version", tuning.versionTag);
            json.Field("link", link);
            AddTuningFields(json, tuning);
            json.Array("presets", presets);
            json.Object("volume", [&](JsonText& volume) {
                volume.Field("code", tuning.mainVolumeCode);
                volume.Field("master_on", tuning.masterOn);
            });
            std::printf("%s\n", json.Text().c_str());
            return kDone;
        }
        const UiLanguage language = device.language();
        const auto line = [language](const UiText& label, const std::string& value) {
            std::printf("%s%s\n", label.In(language).c_str(), value.c_str());
        };
        const UiText yesNo =
            tuning.isProtected ? Tr("CommandLine", "yes") : Tr("CommandLine", "no");
        const UiText volume = (tuning.masterOn ? Tr("CommandLine", "%1 dB (code %2), master on")
                                               : Tr("CommandLine", "%1 dB (code %2), master muted"))
                                  .Arg(std::to_string(MainVolumeDb(tuning.mainVolumeCode)))
                                  .Arg(std::to_string(tuning.mainVolumeCode));
        line(Tr("CommandLine", "Version:     "), tuning.versionTag);
        line(Tr("CommandLine", "Link:        "), link);
        line(Tr("CommandLine", "Live preset: "), DecodeRecordText(tuning.liveName));
        line(Tr("CommandLine", "Protected:   "), yesNo.In(language));
        line(Tr("CommandLine", "Main volume: "), volume.In(language));
        PrintPresetList(presets, language);
        return kDone;
    });
}

}  // namespace corva::cli
