// The CHANNEL argument: 1..6 or the channel's name (FL, FR, SL, SR, ULF, Center) in any
// letter case.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corva::cli {

// The output channel index 0..5; nothing for anything else.
std::optional<int> ParseChannel(std::string_view text);

// The channel's name as the command line takes it ("FL" for index 0).
std::string ChannelArgumentName(int channel);

}  // namespace corva::cli
