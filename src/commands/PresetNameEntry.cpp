#include "commands/PresetNameEntry.h"

#include "commands/MachinePresets.h"
#include "text/CodePage.h"

namespace corva {

std::optional<std::string> AcceptPresetNameEntry(std::string_view typedUtf8, DoubleByteRule rule) {
    const auto encoded = EncodeRecordText(typedUtf8);
    if (!encoded) {
        return std::nullopt;
    }
    if (rule == DoubleByteRule::Refuse) {
        if (MachinePresets::HasDoubleByteCharacters(*encoded)) {
            return std::nullopt;
        }
        return DecodeRecordText(std::string_view(*encoded).substr(0, kPresetNameLimit));
    }
    return DecodeRecordText(MachinePresets::AlignDoubleByteNames(*encoded, kPresetNameLimit));
}

}  // namespace corva
