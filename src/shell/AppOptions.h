// The program's command line: --demo, --tcp HOST[:PORT], --serial PORT, --screenshot FILE,
// --screenshot-panel NAME, --lang en|zh and --lower-area eq|channels.
#pragma once

#include <optional>

#include <QString>
#include <QStringList>

#include "core/UiText.h"
#include "protocol/links/StreamAddress.h"
#include "shell/ScreenshotPanel.h"

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
    bool helpShown = false;             // --help was answered; exit without error
};

// `arguments` as QCoreApplication::arguments() gives them (program name first).
OptionsParse ParseOptions(const QStringList& arguments);

}  // namespace corva::shell
