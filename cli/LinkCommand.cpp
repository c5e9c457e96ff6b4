#include "LinkCommand.h"

#include <array>

#include "ChannelArgument.h"
#include "CommandSupport.h"
#include "model/ChannelEditor.h"

namespace corva::cli {
namespace {

struct PairNames {
    const char* numbers;
    const char* names;
};
constexpr std::array<PairNames, kPairCount> kPairNames = {
    {{"1-2", "FL-FR"}, {"3-4", "SL-SR"}, {"5-6", "ULF-Center"}}};

std::optional<int> ParsePair(std::string_view text) {
    for (std::size_t pair = 0; pair < kPairNames.size(); ++pair) {
        if (text == kPairNames[pair].numbers || EqualsIgnoringCase(text, kPairNames[pair].names)) {
            return static_cast<int>(pair);
        }
    }
    return std::nullopt;
}

UiText PairError() {
    return Tr("CommandLine", "PAIR is 1-2, 3-4, 5-6 or FL-FR, SL-SR, ULF-Center");
}

UiText LinkUsage() {
    return Tr("CommandLine", "usage: link PAIR --from left|right");
}

// The pages are read-only while the tuning is protected.
ExitCode RefuseProtectedEdit(const CliDevice& device) {
    device.PrintError(Tr("CommandLine", "The tuning is protected: unlock it before editing."));
    return kRefused;
}

}  // namespace

ExitCode RunLink(CliDevice& device, const CliOptions& options) {
    if (options.args.size() != 3 || options.args[1] != "--from") {
        return UsageError(device, LinkUsage());
    }
    const auto pair = ParsePair(options.args[0]);
    if (!pair) {
        return UsageError(device, PairError(), options.args[0]);
    }
    std::optional<LinkDirection> direction;
    if (EqualsIgnoringCase(options.args[2], "left")) {
        direction = LinkDirection::LeftToRight;
    } else if (EqualsIgnoringCase(options.args[2], "right")) {
        direction = LinkDirection::RightToLeft;
    } else {
        return UsageError(device, LinkUsage(), options.args[2]);
    }
    return WithProcessor(device, [&] {
        if (TuningProtected(device)) {
            return RefuseProtectedEdit(device);
        }
        ChannelEditor(device.session()).LinkPair(*pair, *direction);
        const int left = 2 * *pair;
        const bool fromLeft = *direction == LinkDirection::LeftToRight;
        const std::string source = ChannelArgumentName(fromLeft ? left : left + 1);
        const std::string target = ChannelArgumentName(fromLeft ? left + 1 : left);
        const std::string names = kPairNames[static_cast<std::size_t>(*pair)].names;
        device.SayWhenSent(
            Tr("CommandLine", "%1 linked: %2 copied onto %3").Arg(names).Arg(source).Arg(target));
        return kDone;
    });
}

ExitCode RunUnlink(CliDevice& device, const CliOptions& options) {
    if (auto usage = RequireArguments(device, options, 1, "unlink PAIR")) {
        return *usage;
    }
    const auto pair = ParsePair(options.args[0]);
    if (!pair) {
        return UsageError(device, PairError(), options.args[0]);
    }
    return WithProcessor(device, [&] {
        // Nothing is sent: the processor learns of links only through the frames of edits.
        ChannelEditor(device.session()).UnlinkPair(*pair);
        const std::string names = kPairNames[static_cast<std::size_t>(*pair)].names;
        device.SayWhenSent(Tr("CommandLine", "%1 unlinked").Arg(names));
        return kDone;
    });
}

}  // namespace corva::cli
