#include "shell/panels/AboutPage.h"

#include <mutex>

#include <QLabel>
#include <QVBoxLayout>

#include "controls/FlatButton.h"
#include "core/ProgramVersion.h"
#include "shell/app/AppContext.h"
#include "shell/app/ConnectionDriver.h"
#include "shell/app/ShellStyle.h"
#include "shell/app/ShellTexts.h"

namespace corva::shell {
namespace {

const UiText kBuildLabel = Tr("Window", "Program: %1");

}  // namespace

AboutPage::AboutPage(AppContext& context, ConnectionDriver& connection, QWidget* parent)
    : QWidget(parent),
      context_{context},
      device_{new QLabel(this)},
      software_{new QLabel(this)},
      build_{new QLabel(this)} {
    device_->setObjectName(QStringLiteral("deviceVersion"));
    software_->setObjectName(QStringLiteral("softwareVersion"));
    device_->setFont(ShellFont(FontSize::Large));
    software_->setFont(ShellFont(FontSize::Large));
    device_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    software_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    build_->setObjectName(QStringLiteral("programVersion"));
    build_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* close = new controls::FlatButton(controls::ButtonTone::Raised, this);
    close->setObjectName(QStringLiteral("aboutClose"));
    context_.language().BindText(close, text::kClose);
    connect(close, &QAbstractButton::clicked, this, &AboutPage::CloseRequested);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 10, 8, 8);
    layout->setSpacing(12);
    layout->addWidget(device_);
    layout->addWidget(software_);
    layout->addWidget(build_);
    layout->addStretch();
    layout->addWidget(close, 0, Qt::AlignRight);

    context_.language().OnChange(this, [this] { Refresh(); });
    connect(&connection, &ConnectionDriver::VersionArrived, this, &AboutPage::Refresh);
    connect(&connection, &ConnectionDriver::OnlineChanged, this, &AboutPage::Refresh);
    Refresh();
}

QString AboutPage::deviceLine() const {
    return device_->text();
}
QString AboutPage::softwareLine() const {
    return software_->text();
}
QString AboutPage::buildLine() const {
    return build_->text();
}

void AboutPage::showEvent(QShowEvent* event) {
    Refresh();
    QWidget::showEvent(event);
}

QString AboutPage::DeviceVersionTag() const {
    const std::string tag = context_.session().Snapshot().versionTag;
    // Blank until a tag has been received (or after a rejected one).
    return QString::fromLatin1(tag.c_str()).trimmed();
}

void AboutPage::Refresh() {
    const Language& language = context_.language();
    device_->setText(language.Pick(text::kDeviceVersion.Arg(DeviceVersionTag().toStdString())));
    software_->setText(language.Pick(text::kSoftwareVersionLabel.Arg(text::kSoftwareVersion)));
    build_->setText(language.Pick(kBuildLabel.Arg(ProgramNameAndVersion())));
}

}  // namespace corva::shell
