#include "CliOptions.h"

#include <charconv>

namespace corva::cli {
namespace {

bool ParsePort(const std::string& text, int& port) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 1 || value > 65535) {
        return false;
    }
    port = value;
    return true;
}

}  // namespace

ParsedOptions ParseCliOptions(const std::vector<std::string>& arguments) {
    CliOptions options;
    std::size_t i = 0;
    const auto value = [&]() -> std::optional<std::string> {
        if (i + 1 >= arguments.size()) {
            return std::nullopt;
        }
        return arguments[++i];
    };
    for (; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        const bool global = arg == "--usb" || arg == "--sim" || arg == "--json" ||
                            arg == "--usb-path" || arg == "--tcp" || arg == "--serial" ||
                            arg == "--sim-state" || arg == "--lang" || arg == "--trace";
        if (!global) {
            // The command, then its own arguments and options, in order.
            if (!options.command.empty()) {
                options.args.push_back(arg);
                continue;
            }
            if (arg.rfind("--", 0) == 0) {
                return {std::nullopt, "unknown option " + arg};
            }
            options.command = arg;
            continue;
        }
        if (arg == "--usb") {
            options.link = LinkChoice::FirstUsb;
        } else if (arg == "--sim") {
            options.link = LinkChoice::Sim;
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--usb-path" || arg == "--tcp" || arg == "--serial" ||
                   arg == "--sim-state" || arg == "--lang" || arg == "--trace") {
            const auto text = value();
            if (!text) {
                return {std::nullopt, arg + " needs a value"};
            }
            if (arg == "--usb-path") {
                options.link = LinkChoice::UsbPath;
                options.usbPath = *text;
            } else if (arg == "--tcp") {
                options.link = LinkChoice::Tcp;
                const auto colon = text->rfind(':');
                options.tcpHost = text->substr(0, colon);
                if (colon != std::string::npos &&
                    !ParsePort(text->substr(colon + 1), options.tcpPort)) {
                    return {std::nullopt, "--tcp takes HOST[:PORT] with a port of 1..65535"};
                }
            } else if (arg == "--serial") {
                options.link = LinkChoice::Serial;
                options.serialPort = *text;
            } else if (arg == "--sim-state") {
                options.simState = *text;
            } else if (arg == "--trace") {
                options.traceFile = *text;
            } else if (*text == "en" || *text == "zh") {
                options.language = *text == "zh" ? UiLanguage::Chinese : UiLanguage::English;
            } else {
                return {std::nullopt, "--lang takes en or zh"};
            }
        }
    }
    if (options.command.empty()) {
        return {std::nullopt, "no command given"};
    }
    return {options, {}};
}

std::string UsageText() {
    return "usage: corva-dsp-cli [--usb | --usb-path PATH | --tcp HOST[:PORT] | --serial PORT |\n"
           "                      --sim [--sim-state FILE]] [--lang en|zh] [--json]\n"
           "                      [--trace FILE] COMMAND [ARGS]\n"
           "commands:\n"
           "  info                      version, link, preset names, protection, volume\n";
}

}  // namespace corva::cli
