#include "shell/dialogs/AddressDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/app/Language.h"
#include "shell/app/MessagePresenter.h"
#include "shell/app/NameAndTip.h"
#include "shell/app/ShellTexts.h"
#include "transfer/ConnectionMessages.h"

namespace corva::shell {
AddressDialog::AddressDialog(AddressForm form, const QString& initial, Language& language,
                             MessagePresenter& messages, QWidget* parent)
    : QDialog(parent),
      form_{form},
      language_{language},
      messages_{messages},
      field_{new QLineEdit(initial, this)},
      connect_{new QPushButton(this)},
      cancel_{new QPushButton(this)} {
    const bool network = form == AddressForm::Network;
    setObjectName(network ? QStringLiteral("networkDialog") : QStringLiteral("serialDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);
    language_.Bind(this, network ? text::kNetworkTitle : text::kSerialTitle,
                   [this](const QString& title) { setWindowTitle(title); });

    auto* prompt = new QLabel(this);
    language_.BindText(prompt, network ? text::kNetworkPrompt : text::kSerialPrompt);
    prompt->setBuddy(field_);
    field_->setObjectName(QStringLiteral("addressField"));
    field_->setMinimumWidth(240);
    field_->selectAll();
    BindNameAndTip(language_, field_, network ? text::kNetworkPrompt : text::kSerialPrompt,
                   network ? text::kNetworkFieldTip : text::kSerialFieldTip);

    connect_->setObjectName(QStringLiteral("addressConnect"));
    connect_->setDefault(true);
    language_.BindText(connect_, text::kAddressConnect);
    BindNameAndTip(language_, connect_, text::kAddressConnect, text::kAddressConnectTip);
    cancel_->setObjectName(QStringLiteral("addressCancel"));
    language_.BindText(cancel_, text::kAddressCancel);
    BindNameAndTip(language_, cancel_, text::kAddressCancel, text::kAddressCancelTip);
    connect(connect_, &QPushButton::clicked, this, &AddressDialog::Submit);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(connect_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(field_);
    layout->addLayout(buttons);
}

void AddressDialog::Submit() {
    const QString typed = field_->text().trimmed();
    std::optional<StreamAddress> address;
    if (form_ == AddressForm::Network) {
        address = ParseTcpAddress(typed.toStdString());
    } else if (!typed.isEmpty()) {
        address = SerialAddress(typed.toStdString());
    }
    if (!address) {
        const UiText& why =
            form_ == AddressForm::Network ? text::kBadNetworkAddress : text::kEmptySerialPort;
        Present(messages_, language_, UserMessage{why, MessageStyle::Plain, typed.toStdString()});
        field_->setFocus();
        return;
    }
    emit AddressChosen(*address, typed);
    accept();
}

}  // namespace corva::shell
