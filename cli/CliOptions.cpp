#include "CliOptions.h"

#include <filesystem>

#include "catalogue/Catalogue.h"

namespace corva::cli {

namespace {

// "en, zh_CN": the codes --lang takes besides "zh".
std::string LanguageCodes() {
    std::string codes;
    for (const LanguageInfo& language : Catalogue::Program().languages()) {
        codes += (codes.empty() ? "" : ", ") + language.code;
    }
    return codes;
}

}  // namespace

std::optional<UiLanguage> LanguageOfCode(std::string_view code) {
    if (code == "zh") {
        return UiLanguage::Chinese;
    }
    return Catalogue::Program().ByCode(code);
}

std::optional<std::optional<UiLanguage>> HelpRequest(const std::vector<std::string>& arguments) {
    std::optional<UiLanguage> language;
    bool help = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if ((arguments[i] == "--help" || arguments[i] == "-h") && !help) {
            help = true;
        } else if (arguments[i] == "--lang" && !language && i + 1 < arguments.size() &&
                   (language = LanguageOfCode(arguments[i + 1]))) {
            ++i;
        } else {
            return std::nullopt;
        }
    }
    return help ? std::optional<std::optional<UiLanguage>>(language) : std::nullopt;
}

ParsedOptions ParseCliOptions(const std::vector<std::string>& arguments) {
    CliOptions options;
    const auto refuse = [&options](UiText error) {
        return ParsedOptions{std::nullopt, std::move(error), options.language};
    };
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
                            arg == "--progress" || arg == "--usb-path" || arg == "--tcp" ||
                            arg == "--serial" || arg == "--sim-state" || arg == "--lang" ||
                            arg == "--trace";
        if (!global) {
            // The command, then its own arguments and options, in order.
            if (!options.command.empty()) {
                options.args.push_back(arg);
                continue;
            }
            if (arg.rfind("--", 0) == 0) {
                return refuse(Tr("CommandLine", "unknown option %1").Arg(arg));
            }
            options.command = arg;
            continue;
        }
        if (arg == "--usb" || arg == "--sim" || arg == "--usb-path" || arg == "--tcp" ||
            arg == "--serial") {
            if (++linkOptions > 1) {
                return refuse(
                    Tr("CommandLine", "only one of --usb, --usb-path, --tcp, --serial and --sim"));
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
                return refuse(Tr("CommandLine", "%1 needs a value").Arg(arg));
            }
            if (arg == "--usb-path") {
                options.link = LinkChoice::UsbPath;
                options.usbPath = *text;
            } else if (arg == "--tcp") {
                options.link = LinkChoice::Tcp;
                const auto address = ParseTcpAddress(*text);
                if (!address) {
                    return refuse(
                        Tr("CommandLine", "--tcp takes HOST[:PORT] with a port of 1..65535"));
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
                    return refuse(
                        Tr("CommandLine", "--trace takes a file, not a folder: %1").Arg(*text));
                }
                options.traceFile = *text;
            } else if (const auto language = LanguageOfCode(*text)) {
                options.language = language;
            } else {
                return refuse(Tr("CommandLine", "--lang takes en, zh or a language code (%1)")
                                  .Arg(LanguageCodes()));
            }
        }
    }
    if (simStateGiven && options.link != LinkChoice::Sim) {
        return refuse(Tr("CommandLine", "--sim-state needs --sim"));
    }
    if (options.command.empty() && !options.version) {
        return refuse(Tr("CommandLine", "no command given"));
    }
    return {options, {}, options.language};
}

}  // namespace corva::cli
