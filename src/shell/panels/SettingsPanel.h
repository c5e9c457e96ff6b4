// The settings panel: three page buttons (Setting, Upgrade, About) over their pages.
#pragma once

#include <array>

#include "shell/panels/FloatingPanel.h"

class QStackedWidget;

namespace corva::controls {
class FlatButton;
}

namespace corva::shell {

class AboutPage;
class ConnectionDriver;
class SettingPage;
class UpgradePage;

enum class SettingsPage { Setting = 0, Upgrade = 1, About = 2 };

class SettingsPanel : public FloatingPanel {
    Q_OBJECT

public:
    SettingsPanel(AppContext& context, ConnectionDriver& connection, QWidget* parent);

    void ShowPage(SettingsPage page);
    SettingsPage currentPage() const;
    controls::FlatButton* pageButton(SettingsPage page) { return pageButtons_[Index(page)]; }

    SettingPage* settingPage() { return setting_; }
    UpgradePage* upgradePage() { return upgrade_; }
    AboutPage* aboutPage() { return about_; }

private:
    static std::size_t Index(SettingsPage page) { return static_cast<std::size_t>(page); }

    std::array<controls::FlatButton*, 3> pageButtons_{};
    QStackedWidget* pages_;
    SettingPage* setting_;
    UpgradePage* upgrade_;
    AboutPage* about_;
};

}  // namespace corva::shell
