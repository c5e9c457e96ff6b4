#include "shell/panels/SettingPage.h"

#include <QGridLayout>
#include <QLabel>

#include "catalogue/Catalogue.h"
#include "commands/ProcessorRequests.h"
#include "controls/FlatButton.h"
#include "controls/TwoStateSwitch.h"
#include "shell/app/AppContext.h"
#include "shell/app/ConnectionDriver.h"
#include "shell/app/LanguageSetting.h"
#include "shell/app/ShellTexts.h"
#include "shell/panels/FloatingPanel.h"
#include "shell/panels/SafetyCopy.h"

namespace corva::shell {

SettingPage::SettingPage(AppContext& context, ConnectionDriver& connection, FloatingPanel& panel,
                         QWidget* parent)
    : QWidget(parent),
      context_{context},
      connection_{connection},
      panel_{panel},
      languageButton_{new controls::TwoStateSwitch(this)},
      resetButton_{new controls::FlatButton(controls::ButtonTone::Raised, this)} {
    Language& language = context_.language();
    auto* languageLabel = new QLabel(this);
    language.BindText(languageLabel, text::kLanguage);
    auto* resetLabel = new QLabel(this);
    language.BindText(resetLabel, text::kFactorySettings);

    // The right segment is English and lit while the interface speaks it; the left one names
    // the language a click moves on to from English, or the language spoken now. Each language
    // is named in its own words.
    languageButton_->setObjectName(QStringLiteral("languageButton"));
    const auto followLanguage = [this] {
        const Catalogue& catalogue = Catalogue::Program();
        const UiLanguage current = context_.language().current();
        const UiLanguage other =
            current == UiLanguage::English ? catalogue.Next(UiLanguage::English) : current;
        languageButton_->SetLabels(ToQString(catalogue.Info(other).ownName),
                                   ToQString(catalogue.Info(UiLanguage::English).ownName));
        languageButton_->setChecked(current == UiLanguage::English);
    };
    followLanguage();
    language.OnChange(languageButton_, followLanguage);
    connect(languageButton_, &QAbstractButton::clicked, this,
            [this] { ToggleLanguage(context_.language(), context_.settings()); });

    resetButton_->setObjectName(QStringLiteral("factoryResetButton"));
    language.BindText(resetButton_, text::kRestore);
    connect(resetButton_, &QAbstractButton::clicked, this, &SettingPage::FactoryReset);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(16);
    grid->addWidget(languageLabel, 0, 0);
    grid->addWidget(languageButton_, 0, 1, Qt::AlignLeft);
    grid->addWidget(resetLabel, 1, 0);
    grid->addWidget(resetButton_, 1, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
}

void SettingPage::FactoryReset() {
    const FloatingPanel::Hold hold(panel_);  // the question takes the activation
    const bool yes =
        context_.messages().AskYesNo(context_.language().Pick(text::kFactoryResetQuestion),
                                     context_.language().Pick(text::kWindowTitle));
    if (!yes || !KeepSafetyCopy(context_, SnapshotReason::FactoryReset)) {
        return;
    }
    context_.busy = true;
    const Status requested = RequestFactoryReset(context_.session());
    context_.busy = false;
    if (!requested.ok()) {
        // Nothing was sent: say so rather than let a destructive request pass in silence.
        context_.messages().ShowTimed(context_.language().Pick(requested.message()),
                                      context_.language().Pick(text::kWindowTitle));
    }
}

}  // namespace corva::shell
