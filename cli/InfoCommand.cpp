#include "InfoCommand.h"

#include <cstdio>

#include "CommandSupport.h"
#include "JsonText.h"
#include "PresetsCommand.h"
#include "TuningJson.h"
#include "core/ByteOrder.h"
#include "protocol/TextField.h"
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
        std::string version;
        std::string liveName;
        std::vector<std::string> presets;
        bool isProtected = false;
        int volumeCode = 0;
        bool masterOn = true;
        const std::string link = device.controller().linkDescription();
        JsonText json;
        {
            auto& session = device.session();
            std::lock_guard lock(session.engine().sendLock);
            version = TextFromField(session.engine().image.VersionTag());
            liveName = Utf8FromField(session.engine().image.Live().first(kNameFieldSize));
            presets = StoredPresetNames(session.engine().image);
            isProtected = session.engine().protection.isProtected;
            volumeCode = ReadLe16(session.engine().image.MainVolume(), 0);
            masterOn = session.engine().image.MainVolume()[kMainVolumeBulkByte] != 0;
            if (options.json) {
                json.Field("version", version);
                json.Field("link", link);
                AddTuningFields(json, session.engine().image, isProtected);
            }
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
        std::printf("Main volume: %d dB (code %d), master %s\n", volumeCode - 60, volumeCode,
                    masterOn ? "on" : "muted");
        std::printf("Presets:\n");
        for (std::size_t i = 0; i < presets.size(); ++i) {
            std::printf("  %2zu  %s\n", i + 1, presets[i].c_str());
        }
        return kDone;
    });
}

}  // namespace corva::cli
