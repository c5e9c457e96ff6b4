#include "TuningReportText.h"

#include <cmath>

#include "TuningCommandSupport.h"
#include "dsp/values/BandCodes.h"
#include "dsp/values/NumberText.h"

namespace corva::cli {
namespace {

const char* KindText(int kind) {
    switch (kind) {
        case static_cast<int>(CrossoverKind::LinkwitzRiley):
            return "Link_Ril";
        case static_cast<int>(CrossoverKind::Butterworth):
            return "Butter_W";
        default:
            return "Bessel";
    }
}

const char* KindKey(int kind) {
    switch (kind) {
        case static_cast<int>(CrossoverKind::LinkwitzRiley):
            return "lr";
        case static_cast<int>(CrossoverKind::Butterworth):
            return "bw";
        default:
            return "bessel";
    }
}

const char* TypeKey(FilterType type) {
    switch (type) {
        case FilterType::LowShelf:
            return "low-shelf";
        case FilterType::HighShelf:
            return "high-shelf";
        default:
            return "peaking";
    }
}

}  // namespace

std::string SignedDbText(double db) {
    const std::string text = detail::FixedText(db, 1);
    return db >= 0.0 && text.front() != '-' ? "+" + text : text;
}

UiText BandSettingText(const BandSetting& band) {
    const std::string gain = SignedDbText(BandGainDb(band.gainCode));
    const std::string hz = std::to_string(band.frequencyHz);
    switch (band.type) {
        case FilterType::LowShelf:
        case FilterType::HighShelf:
            return (band.type == FilterType::LowShelf
                        ? Tr("CommandLine", "Lo_Shf %1Hz %2dB/Oct %3dB")
                        : Tr("CommandLine", "Hi_Shf %1Hz %2dB/Oct %3dB"))
                .Arg(hz)
                .Arg(band.slope == 0 ? "6" : "12")
                .Arg(gain);
        default:
            return Tr("CommandLine", "PEQ %1Hz Q %2 %3dB")
                .Arg(hz)
                .Arg(QText(band.bandwidthIndex))
                .Arg(gain);
    }
}

UiText CrossoverSettingText(bool highPass, const CrossoverSetting& crossover) {
    return (highPass ? Tr("CommandLine", "high-pass %1Hz %2 %3dB/Oct")
                     : Tr("CommandLine", "low-pass %1Hz %2 %3dB/Oct"))
        .Arg(std::to_string(crossover.frequencyHz))
        .Arg(KindText(crossover.kind))
        .Arg(std::to_string((crossover.slope + 1) * 6));
}

cJSON* BandSettingJson(const BandSetting& band) {
    cJSON* object = cJSON_CreateObject();
    cJSON_AddStringToObject(object, "type", TypeKey(band.type));
    cJSON_AddNumberToObject(object, "freq", band.frequencyHz);
    cJSON_AddNumberToObject(object, "gain_db", Rounded(BandGainDb(band.gainCode), 1));
    cJSON_AddNumberToObject(object, "gain_code", band.gainCode);
    if (band.type == FilterType::Peaking) {
        cJSON_AddNumberToObject(object, "bw_index", band.bandwidthIndex);
        cJSON_AddNumberToObject(object, "q", QOfBandwidthIndex(band.bandwidthIndex));
    } else {
        cJSON_AddNumberToObject(object, "slope", band.slope == 0 ? 6 : 12);
    }
    return object;
}

cJSON* CrossoverSettingJson(const CrossoverSetting& crossover) {
    cJSON* object = cJSON_CreateObject();
    cJSON_AddNumberToObject(object, "freq", crossover.frequencyHz);
    cJSON_AddStringToObject(object, "kind", KindKey(crossover.kind));
    cJSON_AddNumberToObject(object, "slope", (crossover.slope + 1) * 6);
    return object;
}

std::string PrintAndDelete(cJSON* object) {
    char* printed = cJSON_PrintUnformatted(object);
    std::string text = printed ? printed : "{}";
    cJSON_free(printed);
    cJSON_Delete(object);
    return text;
}

}  // namespace corva::cli
