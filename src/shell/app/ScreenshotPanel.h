// The windows a --screenshot run can open over the main view before it draws, by the name
// given to --screenshot-panel.
#pragma once

#include <array>
#include <optional>

#include <QString>
#include <QStringList>

namespace corva::shell {

enum class ScreenshotPanel {
    Report,    // the report window with the live tuning's table
    Password,  // the password dialog of the lock command, in the mode that fits the tuning
    Save,      // the save panel with the preset strip
    Open,      // the open panel
    Program,   // the Program dialog of the stored presets
    Settings,  // the channel settings window of the current channel
};

struct ScreenshotPanelName {
    const char* name;
    ScreenshotPanel panel;
};

inline constexpr std::array kScreenshotPanels{
    ScreenshotPanelName{"report", ScreenshotPanel::Report},
    ScreenshotPanelName{"password", ScreenshotPanel::Password},
    ScreenshotPanelName{"save", ScreenshotPanel::Save},
    ScreenshotPanelName{"open", ScreenshotPanel::Open},
    ScreenshotPanelName{"program", ScreenshotPanel::Program},
    ScreenshotPanelName{"settings", ScreenshotPanel::Settings},
};

inline std::optional<ScreenshotPanel> ScreenshotPanelNamed(const QString& name) {
    for (const ScreenshotPanelName& entry : kScreenshotPanels) {
        if (name == QLatin1String(entry.name)) {
            return entry.panel;
        }
    }
    return std::nullopt;
}

// "report|password|...", for the help text and error messages.
inline QString ScreenshotPanelNames() {
    QStringList names;
    for (const ScreenshotPanelName& entry : kScreenshotPanels) {
        names << QLatin1String(entry.name);
    }
    return names.join(QLatin1Char('|'));
}

}  // namespace corva::shell
