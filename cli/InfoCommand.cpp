#include "InfoCommand.h"

#include <cstdio>

#include "CommandSupport.h"
#include "JsonText.h"
#include "TuningJson.h"
#include "dsp/values/EntryLimits.h"
#include "text/CodePage.h"

namespace corva::cli {

ExitCode RunInfo(CliDevice& device, const CliOptions& options) {
    if (auto usage = RequireArguments(device, options, 0, "info")) {
        return *usage;
    }
    return WithProcessor(device, [&] {
        if (!ReadListeningTable(device)) {
            return kLinkError;
        }
        const TuningSnapshot tuning = device.session().Snapshot();
        const std::string version = tuning.versionTag;
        const std::string liveName = DecodeRecordText(tuning.liveName);
        const std::vector<std::string> presets = PresetNames(tuning);
        const bool isProtected = tuning.isProtected;
        const int volumeCode = tuning.mainVolumeCode;
        const bool masterOn = tuning.masterOn;
        const std::string link = device.controller().linkDescription();
        JsonText json;
        if (options.json) {
            json.Field("version", version);
            json.Field("link", link);
            AddTuningFields(json, tuning);
        }
        if (options.json) {
            json.Array("presets", presets);
            json.Object("volume", [&](JsonText& volume) {
                volume.Field("code", volumeCode);
                volume.Field("master_on", masterOn);
            });
            std::printf("%s\n", json.Text().c_str());
            return kDone;
        }
        std::printf("Version:     %s\n", version.c_str());
        std::printf("Link:        %s\n", link.c_str());
        std::printf("Live preset: %s\n", liveName.c_str());
        std::printf("Protected:   %s\n", isProtected ? "yes" : "no");
        std::printf("Main volume: %d dB (code %d), master %s\n", MainVolumeDb(volumeCode),
                    volumeCode, masterOn ? "on" : "muted");
        std::printf("Presets:\n");
        for (std::size_t i = 0; i < presets.size(); ++i) {
            std::printf("  %2zu  %s\n", i + 1, presets[i].c_str());
        }
        return kDone;
    });
}

}  // namespace corva::cli
