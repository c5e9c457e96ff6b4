#include "shell/dialogs/ConnectionChooser.h"

#include <QAbstractButton>
#include <QMenu>
#include <QSerialPortInfo>

#include "shell/app/AppContext.h"
#include "shell/app/ConnectionDriver.h"
#include "shell/app/ShellTexts.h"
#include "shell/dialogs/AddressDialog.h"

namespace corva::shell {

ConnectionChooser::ConnectionChooser(AppContext& context, ConnectionDriver& connection,
                                     QAbstractButton& button, QWidget& dialogParent)
    : QObject(&button),
      context_{context},
      connection_{connection},
      button_{button},
      dialogParent_{dialogParent} {
    connect(&button_, &QAbstractButton::clicked, this, &ConnectionChooser::PopUp);
}

QMenu* ConnectionChooser::BuildMenu() {
    // Built when opened, so plugged-in processors and ports are current.
    auto* menu = new QMenu(&button_);
    menu->setObjectName(QStringLiteral("connectionMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    Language& language = context_.language();

    const auto usb = connection_.FreeProcessors();
    for (int i = 0; i < usb.labels.size(); ++i) {
        const std::string path = usb.paths[static_cast<std::size_t>(i)];
        connect(menu->addAction(usb.labels[i]), &QAction::triggered, this,
                [this, path] { connection_.SwitchToUsb(path); });
    }
    menu->addSeparator();
    connect(menu->addAction(language.Pick(text::kNetworkEntry)), &QAction::triggered, this,
            [this] { OpenNetworkDialog(); });
    menu->addSeparator();
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
        const std::string name = port.portName().toStdString();
        connect(menu->addAction(port.portName()), &QAction::triggered, this,
                [this, name] { connection_.SwitchToStream(SerialAddress(name)); });
    }
    connect(menu->addAction(language.Pick(text::kSerialEntry)), &QAction::triggered, this,
            [this] { OpenSerialDialog(); });
    menu->addSeparator();
    connect(menu->addAction(language.Pick(text::kDemoEntry)), &QAction::triggered, this,
            [this] { connection_.SwitchToDemo(); });
    return menu;
}

AddressDialog* ConnectionChooser::OpenNetworkDialog() {
    auto* dialog = new AddressDialog(AddressForm::Network, context_.settings().NetworkAddress(),
                                     context_.language(), context_.messages(), &dialogParent_);
    connect(dialog, &AddressDialog::AddressChosen, this,
            [this](const StreamAddress& address, const QString& typed) {
                // Remembered before connecting: a processor that is off now is still the one
                // the user means next time.
                context_.settings().PutNetworkAddress(typed);
                connection_.SwitchToStream(address);
            });
    dialog->open();
    return dialog;
}

AddressDialog* ConnectionChooser::OpenSerialDialog() {
    auto* dialog =
        new AddressDialog(AddressForm::SerialPort, context_.settings().SerialPortName(),
                          context_.language(), context_.messages(), &dialogParent_);
    connect(dialog, &AddressDialog::AddressChosen, this,
            [this](const StreamAddress& address, const QString& typed) {
                context_.settings().PutSerialPortName(typed);  // as the network address is
                connection_.SwitchToStream(address);
            });
    dialog->open();
    return dialog;
}

void ConnectionChooser::PopUp() {
    if (menu_) {
        menu_->close();
    }
    menu_ = BuildMenu();
    menu_->popup(button_.mapToGlobal(QPoint(0, button_.height() + 2)));
}

}  // namespace corva::shell
