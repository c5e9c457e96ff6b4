// The drop-down beside the connect button that picks the link: each free processor on USB,
// the network (an address dialog remembering the last address), each serial port found or one
// typed by name, and the built-in simulated processor. Choosing an entry replaces whatever
// connection is open.
#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

class QAbstractButton;
class QMenu;
class QWidget;

namespace corva::shell {

class AddressDialog;
class AppContext;
class ConnectionDriver;

class ConnectionChooser : public QObject {
    Q_OBJECT

public:
    // `button` opens the menu; dialogs open over `dialogParent`.
    ConnectionChooser(AppContext& context, ConnectionDriver& connection, QAbstractButton& button,
                      QWidget& dialogParent);

    // The menu as it is now (a new one on every call; it deletes itself once closed).
    QMenu* BuildMenu();
    // Opens the address dialogs without blocking; they delete themselves once closed.
    AddressDialog* OpenNetworkDialog();
    AddressDialog* OpenSerialDialog();

private:
    void PopUp();

    AppContext& context_;
    ConnectionDriver& connection_;
    QAbstractButton& button_;
    QWidget& dialogParent_;
    QPointer<QMenu> menu_;
};

}  // namespace corva::shell
