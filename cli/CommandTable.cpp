#include "CommandTable.h"

#include <algorithm>
#include <array>

#include <QtGlobal>

#include "AlignCommand.h"
#include "AutoEqCommand.h"
#include "BackupCommand.h"
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
#include "MeasuredResponseCommand.h"
#include "ModeOpenCommand.h"
#include "ModeSaveCommand.h"
#include "PositionsCommand.h"
#include "PresetsCommand.h"
#include "ProtectCommand.h"
#include "ReadCommand.h"
#include "RecallCommand.h"
#include "ResetLockCommand.h"
#include "RtaCommands.h"
#include "SaveMusicCommand.h"
#include "SetCommand.h"
#include "ShowCommand.h"
#include "SnapshotCommands.h"
#include "StoreCommand.h"
#include "TableCommand.h"
#include "UnlockCommand.h"
#include "VolumeCommand.h"

namespace corva::cli {
namespace {

constexpr std::array kCommands = {
    CliCommand{"info", QT_TRANSLATE_NOOP("CommandLine", "with the processor:"),
               QT_TRANSLATE_NOOP("CommandLine",
                                 "  info                      version, link, tuning, preset names, "
                                 "protection, volume\n"),
               &RunInfo},
    CliCommand{
        "set", "",
        QT_TRANSLATE_NOOP(
            "CommandLine",
            "  set CHANNEL KEY=VALUE...  edit an output channel (1..6 or FL FR SL SR ULF Center);\n"
            "                            keys: gain delay mute polarity name hpf.freq hpf.kind\n"
            "                            hpf.slope lpf.* eqN.freq eqN.gain eqN.q eqN.bypass\n"
            "                            eq_mode limiter.threshold limiter.attack\n"
            "                            limiter.release route.1..route.4\n"),
        &RunSet},
    CliCommand{
        "link", "",
        QT_TRANSLATE_NOOP(
            "CommandLine",
            "  link PAIR --from left|right  copy one channel of a pair onto the other and link\n"
            "                            them (PAIR: 1-2 3-4 5-6 or FL-FR SL-SR ULF-Center)\n"),
        &RunLink},
    CliCommand{
        "unlink", "",
        QT_TRANSLATE_NOOP("CommandLine", "  unlink PAIR               end the link of a pair\n"),
        &RunUnlink},
    CliCommand{
        "positions", "",
        QT_TRANSLATE_NOOP(
            "CommandLine",
            "  positions                 the listening-position table\n"
            "  positions set P CH=DELAY...  delays of position P (0..3): a code, 2.5ms or 80cm\n"
            "  positions use P           make position P (0..3) the current one\n"),
        &RunPositions},
    CliCommand{"volume", "",
               QT_TRANSLATE_NOOP("CommandLine",
                                 "  volume DB                 main volume, -60..6 dB or off\n"),
               &RunVolume},
    CliCommand{"master-mute", "",
               QT_TRANSLATE_NOOP("CommandLine",
                                 "  master-mute on|off        mute or unmute the master output\n"),
               &RunMasterMute},
    CliCommand{"presets", "",
               QT_TRANSLATE_NOOP("CommandLine",
                                 "  presets                   names of the 15 stored presets\n"),
               &RunPresets},
    CliCommand{
        "recall", "",
        QT_TRANSLATE_NOOP("CommandLine",
                          "  recall N                  stored preset N becomes the live tuning\n"),
        &RunRecall},
    CliCommand{"store", "",
               QT_TRANSLATE_NOOP("CommandLine",
                                 "  store N NAME              store the live tuning as preset N\n"),
               &RunStore},
    CliCommand{"delete", "",
               QT_TRANSLATE_NOOP("CommandLine",
                                 "  delete N                  clear the name of preset N\n"),
               &RunDelete},
    CliCommand{
        "read", "",
        QT_TRANSLATE_NOOP("CommandLine",
                          "  read FILE.qvms            live tuning into a single preset file\n"),
        &RunRead},
    CliCommand{"save-music", "",
               QT_TRANSLATE_NOOP("CommandLine",
                                 "  save-music FILE.wkcs      live tuning into a music file\n"),
               &RunSaveMusic},
    CliCommand{
        "backup", "",
        QT_TRANSLATE_NOOP(
            "CommandLine",
            "  backup FILE.qvma [--with-inputs]\n"
            "                            all presets and the live tuning into a complete file\n"),
        &RunBackup},
    CliCommand{"load", "",
               QT_TRANSLATE_NOOP("CommandLine",
                                 "  load FILE                 .qvms, .wkcs or .kpdm as the live "
                                 "tuning; .qvma sends all\n"),
               &RunLoad},
    CliCommand{"mode-save", "",
               QT_TRANSLATE_NOOP(
                   "CommandLine",
                   "  mode-save FILE.dat_d      current listening position into a mode file\n"),
               &RunModeSave},
    CliCommand{
        "mode-open", "",
        QT_TRANSLATE_NOOP("CommandLine",
                          "  mode-open FILE.dat_d      listening position from a mode file\n"),
        &RunModeOpen},
    CliCommand{"protect", "",
               QT_TRANSLATE_NOOP(
                   "CommandLine",
                   "  protect [PASSWORD]        lock the tuning with a six-character password\n"
                   "                            (asked for, or read from standard input, when not "
                   "given)\n"),
               &RunProtect},
    CliCommand{"unlock", "",
               QT_TRANSLATE_NOOP("CommandLine", "  unlock [PASSWORD]         remove the lock\n"),
               &RunUnlock},
    CliCommand{"reset-lock", "",
               QT_TRANSLATE_NOOP(
                   "CommandLine",
                   "  reset-lock                replace protected tuning by the default outputs\n"),
               &RunResetLock},
    CliCommand{
        "factory-reset", "",
        QT_TRANSLATE_NOOP("CommandLine",
                          "  factory-reset --yes       restore the processor's factory settings\n"),
        &RunFactoryReset},
    CliCommand{"firmware", "",
               QT_TRANSLATE_NOOP("CommandLine",
                                 "  firmware FILE.bin         update the firmware (USB only)\n"),
               &RunFirmware},
    CliCommand{"import-eq", "",
               QT_TRANSLATE_NOOP(
                   "CommandLine",
                   "  import-eq FILE CHANNEL [--apply-rest] [--dry-run] [--file PRESET]\n"
                   "                            REW or Equalizer APO filters on a channel\n"),
               &RunImportEq},
    CliCommand{"auto-eq", "",
               QT_TRANSLATE_NOOP(
                   "CommandLine",
                   "  auto-eq MEASUREMENT CHANNEL [--target flat|house|FILE] [--max-boost DB]\n"
                   "          [--range LOW-HIGH] [--smooth N] [--dry-run] [--file PRESET]\n"
                   "                            fit the channel's bands to a measurement\n"),
               &RunAutoEq},
    CliCommand{"align", "",
               QT_TRANSLATE_NOOP(
                   "CommandLine",
                   "  align CH=DIST... [--unit cm|in] [--dry-run] [--file PRESET]\n"
                   "                            delays from the distances to the speakers\n"),
               &RunAlign},
    CliCommand{
        "show", QT_TRANSLATE_NOOP("CommandLine", "without a processor:"),
        QT_TRANSLATE_NOOP("CommandLine",
                          "  show FILE                 what a preset, music or mode file holds\n"),
        &RunShow},
    CliCommand{
        "table", "",
        QT_TRANSLATE_NOOP(
            "CommandLine",
            "  table [FILE] [--unit ms|cm|in] [--xlsx OUT] [--csv OUT] [--pdf OUT]\n"
            "                            the parameter table of a file (or of the processor)\n"),
        &RunTable},
    CliCommand{"convert", "",
               QT_TRANSLATE_NOOP("CommandLine",
                                 "  convert IN OUT            music file <-> single preset file\n"),
               &RunConvert},
    CliCommand{"extract", "",
               QT_TRANSLATE_NOOP(
                   "CommandLine",
                   "  extract FILE.qvma N OUT.qvms\n"
                   "                            stored preset N (1..15) of a complete file as a\n"
                   "                            single preset file\n"),
               &RunExtract},
    CliCommand{
        "response", "",
        QT_TRANSLATE_NOOP(
            "CommandLine",
            "  response [FILE] CHANNEL [--csv OUT] [--measurement FILE [--smooth N]]\n"
            "                            summed response of a channel, freq_hz,db per line;\n"
            "                            with a measurement the predicted result\n"),
        &RunResponseOrPrediction},
    CliCommand{
        "diff", QT_TRANSLATE_NOOP("CommandLine", "comparing tunings and safety copies:"),
        QT_TRANSLATE_NOOP(
            "CommandLine",
            "  diff A B                  differences of two tunings, A and B each a preset file,\n"
            "                            live or preset:N; exit 0 when equal, 5 when they differ;\n"
            "                            two complete files compare all 15 stored presets too\n"),
        &RunDiff},
    CliCommand{
        "snapshots", "",
        QT_TRANSLATE_NOOP(
            "CommandLine",
            "  snapshots                 safety copies kept before recall, load, store, resets\n"
            "  snapshots restore ID      sends one back as the live tuning (a complete copy: the "
            "live\n"
            "                            tuning and all 15 stored presets)\n"),
        &RunSnapshots},
    CliCommand{
        "audio-devices",
        QT_TRANSLATE_NOOP("CommandLine", "measuring the car (--sim measures a virtual car):"),
        QT_TRANSLATE_NOOP("CommandLine",
                          "  audio-devices             the sound devices there are\n"),
        &RunAudioDevices},
    CliCommand{
        "measure", "",
        QT_TRANSLATE_NOOP(
            "CommandLine",
            "  measure CHANNEL... [--input DEV] [--output DEV] [--sweep SECONDS] [--positions N]\n"
            "          [--cal FILE] [--out DIR] [--smooth N]\n"
            "                            sweep each output alone, print its arrival time and "
            "write\n"
            "                            its response as a REW text export to DIR/CHANNEL.txt\n"),
        &RunMeasure},
    CliCommand{
        "calibrate", "",
        QT_TRANSLATE_NOOP(
            "CommandLine",
            "  calibrate [--target flat|house|FILE] [--max-boost DB] [--range LOW-HIGH]\n"
            "          [--sweep SECONDS] [--positions N] [--input DEV] [--output DEV] [--cal "
            "FILE]\n"
            "          [--dry-run]        measure all outputs, align them by their arrival times,\n"
            "                            fit every channel to the target, apply as one undo step\n"
            "                            and measure again\n"),
        &RunCalibrate},
    CliCommand{
        "pink-noise",
        QT_TRANSLATE_NOOP("CommandLine",
                          "measuring without a wire (the noise plays from a USB stick):"),
        QT_TRANSLATE_NOOP(
            "CommandLine",
            "  pink-noise FILE.wav [--seconds S]   writes pink noise to play from the stick\n"),
        &RunPinkNoise},
    CliCommand{
        "rta", "",
        QT_TRANSLATE_NOOP(
            "CommandLine",
            "  rta [--input DEV] [--seconds S] [--fraction 6|12] [--out FILE] [--play]\n"
            "          records the microphone while the noise plays and prints the magnitude in\n"
            "          1/3 octaves (--out: the whole curve as a REW-readable export; --play: the\n"
            "          noise also goes to the output device, as with --sim)\n"),
        &RunRta},
};

}  // namespace

std::span<const CliCommand> Commands() {
    return kCommands;
}

const CliCommand* FindCommand(std::string_view name) {
    const auto* found =
        std::find_if(kCommands.begin(), kCommands.end(),
                     [&](const CliCommand& command) { return command.name == name; });
    return found == kCommands.end() ? nullptr : found;
}

std::string HelpText(UiLanguage language) {
    std::string text =
        Tr("CommandLine",
           "usage: corva-dsp-cli [--usb | --usb-path PATH | --tcp HOST[:PORT] | --serial PORT |\n"
           "                      --sim [--sim-state FILE]] [--lang en|zh|CODE] [--json]\n"
           "                      [--trace FILE] [--progress] COMMAND [ARGS]\n"
           "       corva-dsp-cli --version | --help\n")
            .In(language);
    for (const CliCommand& command : kCommands) {
        if (*command.heading != '\0') {
            text += UiText::Entry("CommandLine", command.heading).In(language) + "\n";
        }
        text += UiText::Entry("CommandLine", command.synopsis).In(language);
    }
    return text + Tr("CommandLine",
                     "exit codes: 0 done, 1 wrong usage, 2 file error, 3 link error, 4 refused "
                     "by the state\n")
                      .In(language);
}

}  // namespace corva::cli
