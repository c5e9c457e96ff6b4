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
    std::printf("%s\n", UiText{"Presets:", "预置："}.In(language).c_str());
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
        const auto line = [language](const char* english, const char* chinese,
                                     const std::string& value) {
            std::printf("%s%s\n", UiText{english, chinese}.In(language).c_str(), value.c_str());
        };
        const UiText yesNo = tuning.isProtected ? UiText{"yes", "是"} : UiText{"no", "否"};
        const int volumeDb = MainVolumeDb(tuning.mainVolumeCode);
        const std::string code = std::to_string(tuning.mainVolumeCode);
        const UiText volume =
            tuning.masterOn
                ? UiText{std::to_string(volumeDb) + " dB (code " + code + "), master on",
                         std::to_string(volumeDb) + " dB（代码 " + code + "），总输出开"}
                : UiText{std::to_string(volumeDb) + " dB (code " + code + "), master muted",
                         std::to_string(volumeDb) + " dB（代码 " + code + "），总输出静音"};
        line("Version:     ", "版本：    ", tuning.versionTag);
        line("Link:        ", "连接：    ", link);
        line("Live preset: ", "当前音效：", DecodeRecordText(tuning.liveName));
        line("Protected:   ", "加密：    ", yesNo.In(language));
        line("Main volume: ", "主音量：  ", volume.In(language));
        PrintPresetList(presets, language);
        return kDone;
    });
}

}  // namespace corva::cli
