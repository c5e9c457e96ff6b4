// The small dialog that asks where to connect: a network address (HOST[:PORT]) or a serial
// port's name. A text that is not an address is refused with a message and the dialog stays.
#pragma once

#include <QDialog>

#include "protocol/links/StreamAddress.h"

class QLineEdit;
class QPushButton;

namespace corva::shell {

class Language;
class MessagePresenter;

enum class AddressForm {
    Network,     // HOST or HOST:PORT
    SerialPort,  // the port's name as the system knows it
};

class AddressDialog : public QDialog {
    Q_OBJECT

public:
    AddressDialog(AddressForm form, const QString& initial, Language& language,
                  MessagePresenter& messages, QWidget* parent);

    QLineEdit* field() { return field_; }
    QPushButton* connectButton() { return connect_; }

    // Checks the typed text: an address closes the dialog and is announced, anything else
    // is refused with a message.
    void Submit();

signals:
    // `typed` is the text as entered (trimmed), for remembering it.
    void AddressChosen(const corva::StreamAddress& address, const QString& typed);

private:
    AddressForm form_;
    Language& language_;
    MessagePresenter& messages_;
    QLineEdit* field_;
    QPushButton* connect_;
    QPushButton* cancel_;
};

}  // namespace corva::shell
