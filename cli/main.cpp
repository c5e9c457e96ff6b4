// corva-dsp-cli: the engine's operations from a terminal and from scripts.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QtGlobal>
#include <cstdio>
#include <map>
#include <memory>

#include "AlignCommand.h"
#include "AutoEqCommand.h"
#include "BackupCommand.h"
#include "CliDevice.h"
#include "CliOptions.h"
#include "ConvertCommand.h"
#include "DeleteCommand.h"
#include "DiffCommand.h"
#include "ExtractCommand.h"
#include "FactoryResetCommand.h"
#include "FirmwareCommand.h"
#include "ImportEqCommand.h"
#include "InfoCommand.h"
#include "LinkCommand.h"
#include "LoadCommand.h"
#include "MasterMuteCommand.h"
#include "MeasureCommands.h"
#include "RtaCommands.h"
#include "MeasuredResponseCommand.h"
#include "ModeOpenCommand.h"
#include "ModeSaveCommand.h"
#include "PositionsCommand.h"
#include "PresetsCommand.h"
#include "ProtectCommand.h"
#include "ReadCommand.h"
#include "RecallCommand.h"
#include "ResetLockCommand.h"
#include "ResponseCommand.h"
#include "SaveMusicCommand.h"
#include "SetCommand.h"
#include "SnapshotCommands.h"
#include "ShowCommand.h"
#include "StoreCommand.h"
#include "TableCommand.h"
#include "UnlockCommand.h"
#include "VolumeCommand.h"
#include "core/ProgramVersion.h"
#include "files/SafeFileWriter.h"
#include "protocol/links/SharedSettings.h"
#include "sim/SimulatedProcessorKit.h"

namespace {

using namespace corva;
using namespace corva::cli;

using Command = ExitCode (*)(CliDevice&, const CliOptions&);

const std::map<std::string, Command>& Commands() {
    static const std::map<std::string, Command> commands = {
        {"info", &RunInfo},
        {"set", &RunSet},
        {"link", &RunLink},
        {"unlink", &RunUnlink},
        {"positions", &RunPositions},
        {"volume", &RunVolume},
        {"master-mute", &RunMasterMute},
        {"presets", &RunPresets},
        {"recall", &RunRecall},
        {"store", &RunStore},
        {"delete", &RunDelete},
        {"protect", &RunProtect},
        {"unlock", &RunUnlock},
        {"reset-lock", &RunResetLock},
        {"factory-reset", &RunFactoryReset},
        {"read", &RunRead},
        {"save-music", &RunSaveMusic},
        {"backup", &RunBackup},
        {"load", &RunLoad},
        {"mode-save", &RunModeSave},
        {"mode-open", &RunModeOpen},
        {"firmware", &RunFirmware},
        {"show", &RunShow},
        {"convert", &RunConvert},
        {"extract", &RunExtract},
        {"response", &RunResponseOrPrediction},
        {"table", &RunTable},
        {"import-eq", &RunImportEq},
        {"auto-eq", &RunAutoEq},
        {"align", &RunAlign},
        {"diff", &RunDiff},
        {"snapshots", &RunSnapshots},
        {"audio-devices", &RunAudioDevices},
        {"measure", &RunMeasure},
        {"calibrate", &RunCalibrate},
        {"pink-noise", &RunPinkNoise},
        {"rta", &RunRta},
    };
    return commands;
}

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

}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(DropQtDiagnostics);
    LetOversizedWritesFail();
    std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h")) {
        std::fputs((UsageText() + DiffUsageText() + SnapshotsUsageText() + MeasureUsageText() +
                    RtaUsageText()).c_str(), stdout);
        return kDone;
    }
    const ParsedOptions parsed = ParseCliOptions(arguments);
    if (!parsed.options) {
        // One line, so scripts can show it as it is; --help has the whole usage.
        std::fprintf(stderr, "corva-dsp-cli: %s (corva-dsp-cli --help lists the commands)\n",
                     parsed.error.c_str());
        return kUsage;
    }
    const CliOptions& options = *parsed.options;
    if (options.version) {
        std::printf("corva-dsp-cli %s\n", ProgramVersion());
        return kDone;
    }
    const auto application = MakeApplication(argc, argv, TableNeedsGui(options));
    const auto command = Commands().find(options.command);
    if (command == Commands().end()) {
        std::fprintf(
            stderr, "corva-dsp-cli: unknown command %s (corva-dsp-cli --help lists the commands)\n",
            options.command.c_str());
        return kUsage;
    }
    // --sim's processor is handed to the engine from here only.
    CliDevice device(options, options.language.value_or(StoredLanguage()),
                     sim::SimulatedProcessorKit::Factory());
    if (device.setupFailed()) {
        return kFileError;
    }
    const ExitCode result = command->second(device, options);
    const ExitCode closed = device.Close();
    return result != kDone ? result : closed;
}
