#include "CliOptions.h"

#include <filesystem>

namespace corva::cli {

ParsedOptions ParseCliOptions(const std::vector<std::string>& arguments) {
    CliOptions options;
    int linkOptions = 0;  // one link per run: two would leave which one is used to chance
    bool simStateGiven = false;
    std::size_t i = 0;
    const auto value = [&]() -> std::optional<std::string> {
        if (i + 1 >= arguments.size()) {
            return std::nullopt;
        }
        return arguments[++i];
    };
    for (; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        if (arg == "--version" && options.command.empty()) {
            options.version = true;
            continue;
        }
        const bool global = arg == "--usb" || arg == "--sim" || arg == "--json" ||
                            arg == "--progress" ||
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
        if (arg == "--usb" || arg == "--sim" || arg == "--usb-path" || arg == "--tcp" ||
            arg == "--serial") {
            if (++linkOptions > 1) {
                return {std::nullopt, "only one of --usb, --usb-path, --tcp, --serial and --sim"};
            }
        }
        if (arg == "--usb") {
            options.link = LinkChoice::FirstUsb;
        } else if (arg == "--sim") {
            options.link = LinkChoice::Sim;
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--progress") {
            options.progress = true;
        } else if (arg == "--usb-path" || arg == "--tcp" || arg == "--serial" ||
                   arg == "--sim-state" || arg == "--lang" || arg == "--trace") {
            const auto text = value();
            if (!text || text->empty()) {
                return {std::nullopt, arg + " needs a value"};
            }
            if (arg == "--usb-path") {
                options.link = LinkChoice::UsbPath;
                options.usbPath = *text;
            } else if (arg == "--tcp") {
                options.link = LinkChoice::Tcp;
                const auto address = ParseTcpAddress(*text);
                if (!address) {
                    return {std::nullopt, "--tcp takes HOST[:PORT] with a port of 1..65535"};
                }
                options.stream = *address;
            } else if (arg == "--serial") {
                options.link = LinkChoice::Serial;
                options.stream = SerialAddress(*text);
            } else if (arg == "--sim-state") {
                options.simState = *text;
                simStateGiven = true;
            } else if (arg == "--trace") {
                std::error_code error;
                if (std::filesystem::is_directory(*text, error)) {
                    return {std::nullopt, "--trace takes a file, not a folder: " + *text};
                }
                options.traceFile = *text;
            } else if (*text == "en" || *text == "zh") {
                options.language = *text == "zh" ? UiLanguage::Chinese : UiLanguage::English;
            } else {
                return {std::nullopt, "--lang takes en or zh"};
            }
        }
    }
    if (simStateGiven && options.link != LinkChoice::Sim) {
        return {std::nullopt, "--sim-state needs --sim"};
    }
    if (options.version) {
        return {options, {}};
    }
    if (options.command.empty()) {
        return {std::nullopt, "no command given"};
    }
    return {options, {}};
}

}  // namespace corva::cli
