#include "PositionsCommand.h"

#include <algorithm>
#include <cstdio>

#include "ChannelArgument.h"
#include "CommandSupport.h"
#include "JsonText.h"
#include "commands/ListeningPositionEdits.h"
#include "dsp/values/DelayCodes.h"

namespace corva::cli {
namespace {

UiText Usage() {
    return Tr("CommandLine", "usage: positions | positions set P CH=DELAY... | positions use P");
}

// "120" is a delay code; "2.5ms", "80cm" and "31in" go through the delay page's entry
// conversion. Limited to 0..259 either way.
std::optional<int> ParsePositionDelay(std::string_view text) {
    for (const auto& [suffix, unit] :
         {std::pair{"ms", DelayUnit::Milliseconds}, std::pair{"cm", DelayUnit::Centimetres},
          std::pair{"in", DelayUnit::Inches}}) {
        if (const auto number = WithoutSuffix(text, suffix)) {
            if (!ParseNumber(*number)) {
                return std::nullopt;
            }
            return DelayCodeFromText(*number, unit);
        }
    }
    const auto code = ParseInteger(text);
    if (!code) {
        return std::nullopt;
    }
    return std::clamp(*code, 0, kDelayCodeMax);
}

std::string PositionTitle(int position, UiLanguage language) {
    return std::to_string(position) + " " + ListeningPositionName(position).In(language);
}

std::string DelayText(int delayCode) {
    return std::to_string(delayCode) + " (" + DelayFieldText(delayCode, DelayUnit::Milliseconds) +
           "ms)";
}

void PrintTable(const CliDevice& device, const CliOptions& options, const PositionsView& table) {
    if (options.json) {
        JsonText json;
        json.Field("current", table.current);
        json.Field("last_mode_file", table.lastModeFile);
        json.ArrayOfArrays("rows", listening_table::kPositionCount, [&](int position) {
            const auto& row = table.delayCodes[static_cast<std::size_t>(position)];
            return std::vector<int>(row.begin(), row.end());
        });
        std::printf("%s\n", json.Text().c_str());
        return;
    }
    const UiLanguage language = device.language();
    for (int position = 0; position < listening_table::kPositionCount; ++position) {
        std::string line =
            (position == table.current ? "* " : "  ") + PositionTitle(position, language) + ":";
        const auto& row = table.delayCodes[static_cast<std::size_t>(position)];
        for (int channel = 0; channel < kOutputChannelCount; ++channel) {
            line +=
                " " + ChannelArgumentName(channel) + "=" +
                DelayFieldText(row[static_cast<std::size_t>(channel)], DelayUnit::Milliseconds) +
                "ms";
        }
        std::printf("%s\n", line.c_str());
    }
    device.Say(Tr("CommandLine", "(* the current position)"));
}

}  // namespace

ExitCode RunPositions(CliDevice& device, const CliOptions& options) {
    const auto& args = options.args;
    if (args.empty()) {
        return WithProcessor(device, [&] {
            if (!ReadListeningTable(device)) {
                return kLinkError;
            }
            PrintTable(device, options, device.session().Snapshot().positions);
            return kDone;
        });
    }
    const bool set = args[0] == "set" && args.size() >= 3;
    const bool use = args[0] == "use" && args.size() == 2;
    if (!set && !use) {
        return UsageError(device, Usage());
    }
    const auto position = ParseInteger(args[1]);
    if (!position) {
        return UsageError(device, Tr("CommandLine", "P is a position 0..3"), args[1]);
    }
    std::vector<PositionDelay> delays;
    for (std::size_t i = 2; i < args.size(); ++i) {
        const auto equals = args[i].find('=');
        const auto channel =
            equals == std::string::npos ? std::nullopt : ParseChannel(args[i].substr(0, equals));
        const auto code = equals == std::string::npos
                              ? std::nullopt
                              : ParsePositionDelay(std::string_view(args[i]).substr(equals + 1));
        if (!channel || !code) {
            return UsageError(device,
                              Tr("CommandLine",
                                 "expected CH=DELAY: CH 1..6 or FL..Center, DELAY a code 0..259, "
                                 "2.5ms or 80cm"),
                              args[i]);
        }
        delays.push_back({*channel, *code});
    }
    return WithProcessor(device, [&] {
        // The rows not edited go back as the processor holds them.
        if (!ReadListeningTable(device)) {
            return kLinkError;
        }
        const int applied = set ? SetPositionDelays(device.session(), *position, delays)
                                : UsePosition(device.session(), *position);
        const PositionsView table = device.session().Snapshot().positions;
        const std::string title = PositionTitle(applied, device.language());
        if (use) {
            device.SayWhenSent(Tr("CommandLine", "Current position %1").Arg(title));
            return kDone;
        }
        const auto& row = table.delayCodes[static_cast<std::size_t>(applied)];
        for (const PositionDelay& delay : delays) {
            device.PrintWhenSent(Tr("CommandLine", "Position %1 %2=%3")
                                     .Arg(title)
                                     .Arg(ChannelArgumentName(delay.channel))
                                     .Arg(DelayText(row[static_cast<std::size_t>(delay.channel)]))
                                     .In(device.language()));
        }
        return kDone;
    });
}

}  // namespace corva::cli
