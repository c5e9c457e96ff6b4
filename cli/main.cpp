// corva-dsp-cli: the engine's operations from a terminal and from scripts.
#include <QCoreApplication>
#include <QSettings>
#include <cstdio>
#include <map>

#include "CliDevice.h"
#include "CliOptions.h"
#include "InfoCommand.h"

namespace {

using namespace corva;
using namespace corva::cli;

// The language the program was last used in, as the desktop program stores it.
UiLanguage StoredLanguage() {
#ifdef Q_OS_WIN
    QSettings settings("HKEY_CURRENT_USER\\Software\\CorvaDSP-BV1.00_GB2312.exe",
                       QSettings::NativeFormat);
#else
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, "CorvaDSP-BV1.00_GB2312.exe");
#endif
    return settings.value("DspMcu/Language").toString() == "Chinese" ? UiLanguage::Chinese
                                                                     : UiLanguage::English;
}

using Command = ExitCode (*)(CliDevice&, const CliOptions&);

const std::map<std::string, Command>& Commands() {
    static const std::map<std::string, Command> commands = {
        {"info", &RunInfo},
    };
    return commands;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h")) {
        std::fputs(UsageText().c_str(), stdout);
        return kDone;
    }
    const ParsedOptions parsed = ParseCliOptions(arguments);
    if (!parsed.options) {
        std::fprintf(stderr, "corva-dsp-cli: %s\n%s", parsed.error.c_str(), UsageText().c_str());
        return kUsage;
    }
    const CliOptions& options = *parsed.options;
    const auto command = Commands().find(options.command);
    if (command == Commands().end()) {
        std::fprintf(stderr, "corva-dsp-cli: unknown command %s\n%s", options.command.c_str(),
                     UsageText().c_str());
        return kUsage;
    }
    CliDevice device(options, options.language.value_or(StoredLanguage()));
    return command->second(device, options);
}
