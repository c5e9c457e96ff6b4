// The program's command line: --demo, --tcp HOST[:PORT], --serial PORT, --screenshot FILE
// (with --screenshot-panel save|open|program) and --lang en|zh.
#pragma once

#include <optional>

#include <QString>
#include <QStringList>

#include "core/UiText.h"
#include "protocol/links/StreamAddress.h"

namespace corva::shell {

// A panel or dialog opened over the window before the screenshot is taken.
enum class ScreenshotPanel { None, Save, Open, Program };

struct AppOptions {
    bool demo = false;  // the simulated processor instead of USB
    std::optional<StreamAddress> stream;
    QString demoStatePath;   // the simulated processor's memory, as corva-dsp-sim --state keeps it
                             // // connect over TCP or a serial line instead of USB
    QString screenshotPath;  // render the window to this PNG and exit
    ScreenshotPanel screenshotPanel = ScreenshotPanel::None;
    std::optional<UiLanguage> language;  // this run's language, not stored
};

struct OptionsParse {
    std::optional<AppOptions> options;  // empty when the command line is wrong
    QString error;                      // why, for stderr
    bool helpShown = false;             // --help was answered; exit without error
};

// `arguments` as QCoreApplication::arguments() gives them (program name first).
OptionsParse ParseOptions(const QStringList& arguments);

}  // namespace corva::shell
