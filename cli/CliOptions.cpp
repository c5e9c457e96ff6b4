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

std::string UsageText() {
    return "usage: corva-dsp-cli [--usb | --usb-path PATH | --tcp HOST[:PORT] | --serial PORT |\n"
           "                      --sim [--sim-state FILE]] [--lang en|zh] [--json]\n"
           "                      [--trace FILE] [--progress] COMMAND [ARGS]\n"
           "       corva-dsp-cli --version | --help\n"
           "with the processor:\n"
           "  info                      version, link, tuning, preset names, protection, volume\n"
           "  set CHANNEL KEY=VALUE...  edit an output channel (1..6 or FL FR SL SR ULF Center);\n"
           "                            keys: gain delay mute polarity name hpf.freq hpf.kind\n"
           "                            hpf.slope lpf.* eqN.freq eqN.gain eqN.q eqN.bypass\n"
           "                            eq_mode limiter.threshold limiter.attack\n"
           "                            limiter.release route.1..route.4\n"
           "  link PAIR --from left|right  copy one channel of a pair onto the other and link\n"
           "                            them (PAIR: 1-2 3-4 5-6 or FL-FR SL-SR ULF-Center)\n"
           "  unlink PAIR               end the link of a pair\n"
           "  positions                 the listening-position table\n"
           "  positions set P CH=DELAY...  delays of position P (0..3): a code, 2.5ms or 80cm\n"
           "  positions use P           make position P (0..3) the current one\n"
           "  volume DB                 main volume, -60..6 dB or off\n"
           "  master-mute on|off        mute or unmute the master output\n"
           "  presets                   names of the 15 stored presets\n"
           "  recall N                  stored preset N becomes the live tuning\n"
           "  store N NAME              store the live tuning as preset N\n"
           "  delete N                  clear the name of preset N\n"
           "  read FILE.qvms            live tuning into a single preset file\n"
           "  save-music FILE.wkcs      live tuning into a music file\n"
           "  backup FILE.qvma [--with-inputs]\n"
           "                            all presets and the live tuning into a complete file\n"
           "  load FILE                 .qvms, .wkcs or .kpdm as the live tuning; .qvma sends all\n"
           "  mode-save FILE.dat_d      current listening position into a mode file\n"
           "  mode-open FILE.dat_d      listening position from a mode file\n"
           "  protect [PASSWORD]        lock the tuning with a six-character password\n"
           "                            (asked for, or read from standard input, when not given)\n"
           "  unlock [PASSWORD]         remove the lock\n"
           "  reset-lock                replace protected tuning by the default outputs\n"
           "  factory-reset --yes       restore the processor's factory settings\n"
           "  firmware FILE.bin         update the firmware (USB only)\n"
           "  import-eq FILE CHANNEL [--apply-rest] [--dry-run] [--file PRESET]\n"
           "                            REW or Equalizer APO filters on a channel\n"
           "  auto-eq MEASUREMENT CHANNEL [--target flat|house|FILE] [--max-boost DB]\n"
           "          [--range LOW-HIGH] [--smooth N] [--dry-run] [--file PRESET]\n"
           "                            fit the channel's bands to a measurement\n"
           "  align CH=DIST... [--unit cm|in] [--dry-run] [--file PRESET]\n"
           "                            delays from the distances to the speakers\n"
           "without a processor:\n"
           "  show FILE                 what a preset, music or mode file holds\n"
           "  table [FILE] [--unit ms|cm|in] [--xlsx OUT] [--csv OUT] [--pdf OUT]\n"
           "                            the parameter table of a file (or of the processor)\n"
           "  convert IN OUT            music file <-> single preset file\n"
           "  extract FILE.qvma N OUT.qvms\n"
           "                            stored preset N (1..15) of a complete file as a\n"
           "                            single preset file\n"
           "  response [FILE] CHANNEL [--csv OUT] [--measurement FILE [--smooth N]]\n"
           "                            summed response of a channel, freq_hz,db per line;\n"
           "                            with a measurement the predicted result\n"
           "exit codes: 0 done, 1 wrong usage, 2 file error, 3 link error, 4 refused by the "
           "state\n";
}

}  // namespace corva::cli
