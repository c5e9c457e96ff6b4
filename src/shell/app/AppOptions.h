// The program's command line: --demo, --tcp HOST[:PORT], --serial PORT, --screenshot FILE,
// --screenshot-panel NAME, --lang en|zh, --lower-area eq|channels, --help and --version.
#pragma once

#include <optional>

#include <QString>
#include <QStringList>

#include "core/UiText.h"
#include "protocol/links/StreamAddress.h"
#include "shell/app/ScreenshotPanel.h"

namespace corva::shell {

struct AppOptions {
    bool demo = false;  // the simulated processor instead of USB
    std::optional<StreamAddress> stream;  // connect over TCP or a serial line instead of USB
    QString demoStatePath;   // the simulated processor's memory, as corva-dsp-sim --state keeps it
    QString screenshotPath;  // render the window to this PNG and exit
    // A window opened over the main view before the screenshot is drawn.
    std::optional<ScreenshotPanel> screenshotPanel;
    std::optional<UiLanguage> language;  // this run's language, not stored
    bool showChannelStrips = false;      // the strips instead of the EQ under the graph
};

struct OptionsParse {
    std::optional<AppOptions> options;  // empty when the command line is wrong
    QString error;                      // why, for stderr
    bool helpShown = false;             // --help or --version was answered (text in error)
};

// Exit codes of a command line answered without opening the window.
inline constexpr int kOptionsAnswered = 0;  // --help, --version
inline constexpr int kOptionsWrong = 1;     // wrong usage, as the command-line tool has it

// `arguments` as QCoreApplication::arguments() gives them (program name first).
OptionsParse ParseOptions(const QStringList& arguments);

// Answers --help, --version and a wrong command line on stdout or stderr and returns the exit
// code; nothing when the window is to open. Needs no display, only a QCoreApplication.
std::optional<int> AnswerWithoutWindow(const QStringList& arguments);

}  // namespace corva::shell
