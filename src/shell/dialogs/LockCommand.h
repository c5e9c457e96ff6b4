// The lock command of the window: for open tuning it asks for a new password and protects the
// tuning; for protected tuning it asks for the password and unlocks it, or resets it to the
// default outputs after one more question. The rules and the transfer are the engine's
// (DeviceLock); the full page follows the protection through the session's change events.
#pragma once

#include <optional>

#include <QObject>
#include <QPointer>

#include "commands/DeviceLock.h"
#include "protocol/Notice.h"
#include "transfer/ConnectionMessages.h"

namespace corva::shell {

class AppContext;
class ConnectionDriver;
class PasswordDialog;

class LockCommand : public QObject {
    Q_OBJECT

public:
    // `window` owns the dialog.
    LockCommand(AppContext& context, ConnectionDriver& connection, QWidget* window);

    // Opens the dialog that fits the tuning (set or unlock mode) and returns it; the one
    // already open when there is one.
    PasswordDialog* Run();
    PasswordDialog* dialog() const { return dialog_; }

    bool tuningProtected() const;

signals:
    // The tuning became protected or open (the lock button's look follows).
    void ProtectionChanged(bool isProtected);

private:
    void Protect(const QString& password);
    void Unlock(const QString& password);
    void Reset();
    // Shows a refusal, or notes the transfer that was started so its progress shows and its
    // end (or failure) is followed.
    void Finish(LockChange change, const std::optional<UserMessage>& refusal);
    // A lock change whose blocks stopped on the way says so once the link's failure is shown.
    void FollowNotice(const Notice& notice);

    AppContext& context_;
    ConnectionDriver& connection_;
    QWidget* window_;
    QPointer<PasswordDialog> dialog_;
    bool shownProtected_ = false;
    std::optional<LockChange> sending_;  // a lock change whose blocks are on their way
};

}  // namespace corva::shell
