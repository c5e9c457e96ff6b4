#include "shell/panels/SettingsPanel.h"

#include <QHBoxLayout>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "controls/FlatButton.h"
#include "shell/app/AppContext.h"
#include "shell/app/ShellTexts.h"
#include "shell/panels/AboutPage.h"
#include "shell/panels/SettingPage.h"
#include "shell/panels/UpgradePage.h"

namespace corva::shell {

SettingsPanel::SettingsPanel(AppContext& context, ConnectionDriver& connection, QWidget* parent)
    : FloatingPanel(context, PanelSlot::Settings, text::kSettings, DragArea::Anywhere, parent),
      pages_{new QStackedWidget(this)},
      setting_{new SettingPage(context, connection, *this)},
      upgrade_{new UpgradePage(context, connection, *this)},
      about_{new AboutPage(context, connection)} {
    setObjectName(QStringLiteral("settingsPanel"));
    pages_->addWidget(setting_);
    pages_->addWidget(upgrade_);
    pages_->addWidget(about_);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    const std::array<const UiText*, 3> labels = {&text::kSettingTab, &text::kUpgradeTab,
                                                 &text::kAboutTab};
    for (std::size_t i = 0; i < pageButtons_.size(); ++i) {
        auto* button = new controls::FlatButton(controls::ButtonTone::Quiet, this);
        button->setCheckable(true);
        button->setAutoExclusive(true);
        context.language().BindText(button, *labels[i]);
        connect(button, &QAbstractButton::clicked, this,
                [this, i] { ShowPage(static_cast<SettingsPage>(i)); });
        buttons->addWidget(button);
        pageButtons_[i] = button;
    }
    buttons->addStretch();

    body()->setContentsMargins(10, 8, 10, 10);
    body()->setSpacing(6);
    body()->addLayout(buttons);
    body()->addWidget(pages_, 1);

    connect(upgrade_, &UpgradePage::ControlsEnabled, this, [this](bool enabled) {
        for (auto* button : pageButtons_) {
            button->setEnabled(enabled);
        }
    });
    connect(about_, &AboutPage::CloseRequested, this,
            [this] { emit CloseRequested(PanelSlot::Settings); });
    ShowPage(SettingsPage::Setting);
}

void SettingsPanel::ShowPage(SettingsPage page) {
    pages_->setCurrentIndex(static_cast<int>(page));
    pageButtons_[Index(page)]->setChecked(true);
}

SettingsPage SettingsPanel::currentPage() const {
    return static_cast<SettingsPage>(pages_->currentIndex());
}

}  // namespace corva::shell
