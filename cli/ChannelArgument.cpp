#include "ChannelArgument.h"

#include "CommandSupport.h"
#include "model/OutputChannel.h"
#include "protocol/ImageLayout.h"

namespace corva::cli {

std::optional<int> ParseChannel(std::string_view text) {
    for (int channel = 0; channel < kOutputChannelCount; ++channel) {
        if (text == std::to_string(channel + 1) ||
            EqualsIgnoringCase(text, DefaultsOfOutput(channel).name)) {
            return channel;
        }
    }
    return std::nullopt;
}

std::string ChannelArgumentName(int channel) {
    return DefaultsOfOutput(channel).name;
}

}  // namespace corva::cli
