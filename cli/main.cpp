// corva-dsp-cli: the engine's operations from a terminal and from scripts.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QtGlobal>
#include <cstdio>
#include <memory>

#include "CliDevice.h"
#include "CliOptions.h"
#include "CommandTable.h"
#include "TableCommand.h"
#include "core/ProgramVersion.h"
#include "files/SafeFileWriter.h"
#include "platform/settings/SharedSettings.h"
#include "sim/SimulatedProcessorKit.h"

namespace {

using namespace corva;
using namespace corva::cli;

// Qt's own diagnostics (a missing runtime folder, font notes) are not the tool's messages:
// errors reach the user as one line each, from the command that met them.
void DropQtDiagnostics(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "corva-dsp-cli: %s\n", message.toLocal8Bit().constData());
    }
}

// The PDF of the parameter table lays its texts out with the GUI's fonts; everything else needs
// only the core application. A PDF needs no screen, so no display is asked for.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv, bool gui) {
    if (!gui) {
        return std::make_unique<QCoreApplication>(argc, argv);
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    return std::make_unique<QGuiApplication>(argc, argv);
}

// One line, so scripts can show it as it is; --help has the whole usage.
ExitCode WrongCommandLine(const UiText& error, UiLanguage language) {
    std::fprintf(stderr, "corva-dsp-cli: %s\n",
                 Tr("CommandLine", "%1 (corva-dsp-cli --help lists the commands)")
                     .Arg(error)
                     .In(language)
                     .c_str());
    return kUsage;
}

}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(DropQtDiagnostics);
    LetOversizedWritesFail();
    std::vector<std::string> arguments(argv + 1, argv + argc);
    if (const auto help = HelpRequest(arguments)) {
        const QCoreApplication application(argc, argv);
        std::fputs(HelpText(help->value_or(StoredLanguage())).c_str(), stdout);
        return kDone;
    }
    const ParsedOptions parsed = ParseCliOptions(arguments);
    if (!parsed.options) {
        const QCoreApplication application(argc, argv);
        return WrongCommandLine(parsed.error, parsed.language.value_or(StoredLanguage()));
    }
    const CliOptions& options = *parsed.options;
    if (options.version) {
        std::printf("corva-dsp-cli %s\n", ProgramVersion());
        return kDone;
    }
    const auto application = MakeApplication(argc, argv, TableNeedsGui(options));
    const CliCommand* command = FindCommand(options.command);
    const UiLanguage language = options.language.value_or(StoredLanguage());
    if (!command) {
        return WrongCommandLine(Tr("CommandLine", "unknown command %1").Arg(options.command),
                                language);
    }
    // --sim's processor is handed to the engine from here only.
    CliDevice device(options, language, sim::SimulatedProcessorKit::Factory());
    if (device.setupFailed()) {
        return kFileError;
    }
    const ExitCode result = command->run(device, options);
    const ExitCode closed = device.Close();
    return result != kDone ? result : closed;
}
