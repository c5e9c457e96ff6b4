#include "shell/panels/UpgradePage.h"

#include <algorithm>

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

#include "controls/FlatButton.h"
#include "shell/app/AppContext.h"
#include "shell/app/ComposedText.h"
#include "shell/app/ConnectionDriver.h"
#include "shell/app/ShellTexts.h"
#include "shell/panels/FirmwareUpdateRunner.h"
#include "shell/panels/FloatingPanel.h"

namespace corva::shell {

UpgradePage::UpgradePage(AppContext& context, ConnectionDriver& connection, FloatingPanel& panel,
                         QWidget* parent)
    : QWidget(parent),
      context_{context},
      panel_{panel},
      runner_{new FirmwareUpdateRunner(context, connection, this)},
      path_{new QLineEdit(this)},
      browse_{new controls::FlatButton(controls::ButtonTone::Raised, this)},
      update_{new controls::FlatButton(controls::ButtonTone::Accent, this)},
      bar_{new QProgressBar(this)},
      status_{new QLabel(this)},
      statusText_{new ComposedText(
          context.language(), [this](const QString& text) { status_->setText(text); }, this)} {
    Language& language = context_.language();
    auto* fileLabel = new QLabel(this);
    language.BindText(fileLabel, text::kFirmwareFile);
    path_->setObjectName(QStringLiteral("firmwarePath"));
    path_->setReadOnly(true);
    path_->setText(context_.settings().firmwareSettings().name);
    browse_->setObjectName(QStringLiteral("browseButton"));
    language.BindText(browse_, text::kBrowse);
    update_->setObjectName(QStringLiteral("updateButton"));
    language.BindText(update_, text::kUpdate);
    bar_->setObjectName(QStringLiteral("firmwareProgress"));
    bar_->setTextVisible(false);
    bar_->setFixedHeight(12);
    bar_->setRange(0, 1);
    bar_->setValue(0);
    status_->setObjectName(QStringLiteral("firmwareStatus"));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(10);
    grid->addWidget(fileLabel, 0, 0, 1, 3);
    grid->addWidget(path_, 1, 0);
    grid->addWidget(browse_, 1, 1);
    grid->addWidget(update_, 1, 2);
    grid->addWidget(bar_, 2, 0, 1, 3);
    grid->addWidget(status_, 3, 0, 1, 3);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(4, 1);

    connect(browse_, &QAbstractButton::clicked, this, &UpgradePage::Browse);
    connect(update_, &QAbstractButton::clicked, this, [this] { runner_->Start(path_->text()); });
    connect(runner_, &FirmwareUpdateRunner::StatusChanged, statusText_,
            [this](const UiText& status) { statusText_->Show(status); });
    connect(runner_, &FirmwareUpdateRunner::NotStarted, path_, &QLineEdit::setText);
    connect(runner_, &FirmwareUpdateRunner::Started, this, [this](int plannedSteps) {
        bar_->setRange(0, std::max(plannedSteps, 1));
        bar_->setValue(0);
        SetControlsEnabled(false);
    });
    // The worker reports every acknowledged step and the status texts of the update.
    NoticePoster& poster = context_.poster();
    connect(&poster, &NoticePoster::FirmwareStepDone, this,
            [this] { bar_->setValue(std::min(bar_->value() + 1, bar_->maximum())); });
    connect(&poster, &NoticePoster::FirmwareStatusArrived, this,
            [this](const UiText& status) { statusText_->Show(status); });
    connect(&connection, &ConnectionDriver::FirmwareUpdateEnded, this,
            [this, &connection](bool succeeded) {
                SetControlsEnabled(true);
                const Language& language = context_.language();
                if (!succeeded) {
                    // Never left saying the update succeeded when it did not.
                    statusText_->Show(text::kFirmwareNotFinished);
                    return;
                }
                bar_->setValue(bar_->maximum());
                if (!connection.online() &&
                    context_.messages().AskYesNo(language.Pick(text::kReconnectQuestion),
                                                 language.Pick(text::kWindowTitle))) {
                    connection.StartupConnect();
                }
            });

    if (context_.controller().updating()) {
        SetControlsEnabled(false);  // the panel was reopened while an update runs
    }
}

void UpgradePage::SetControlsEnabled(bool enabled) {
    browse_->setEnabled(enabled);
    update_->setEnabled(enabled);
    emit ControlsEnabled(enabled);
}

void UpgradePage::Browse() {
    const FloatingPanel::Hold hold(panel_);  // the chooser takes the activation
    context_.busy = true;
    const QString initial = context_.settings().firmwareSettings().path;
    const QString chosen =
        QFileDialog::getOpenFileName(this, context_.language().Pick(text::kFirmwareFile),
                                     QFileInfo(initial).path(), QStringLiteral("*.bin"));
    context_.busy = false;
    if (chosen.isEmpty()) {
        return;
    }
    FirmwareSettings settings = context_.settings().firmwareSettings();
    settings.name = QDir::toNativeSeparators(chosen);
    settings.path = QDir::toNativeSeparators(QDir::current().filePath(QStringLiteral("DataFile"))) +
                    QDir::separator() + QStringLiteral("*.bin");
    context_.settings().WriteFirmwareSettings(settings);
    path_->setText(settings.name);
}

}  // namespace corva::shell
