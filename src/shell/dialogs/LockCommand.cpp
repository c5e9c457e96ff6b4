#include "shell/dialogs/LockCommand.h"

#include "shell/app/AppContext.h"
#include "shell/app/ConnectionDriver.h"
#include "shell/dialogs/LockTexts.h"
#include "shell/dialogs/PasswordDialog.h"

namespace corva::shell {

LockCommand::LockCommand(AppContext& context, ConnectionDriver& connection, QWidget* window)
    : QObject(window),
      context_{context},
      connection_{connection},
      window_{window},
      shownProtected_{context.session().IsProtected()} {
    // Protection changes with every lock operation, full read, file load and reset.
    connect(&context_.poster(), &NoticePoster::SessionChanged, this, [this] {
        const bool nowProtected = tuningProtected();
        if (nowProtected != shownProtected_) {
            shownProtected_ = nowProtected;
            emit ProtectionChanged(nowProtected);
        }
    });
    connect(&connection_, &ConnectionDriver::NoticeHandled, this, &LockCommand::FollowNotice);
}

bool LockCommand::tuningProtected() const {
    return context_.session().IsProtected();
}

PasswordDialog* LockCommand::Run() {
    if (dialog_) {
        dialog_->raise();
        dialog_->activateWindow();
        return dialog_;
    }
    const PasswordMode mode = tuningProtected() ? PasswordMode::Unlock : PasswordMode::Set;
    dialog_ = new PasswordDialog(mode, context_.language(), context_.messages(), window_);
    if (mode == PasswordMode::Set) {
        connect(dialog_, &PasswordDialog::PasswordEntered, this, &LockCommand::Protect);
    } else {
        connect(dialog_, &PasswordDialog::PasswordEntered, this, &LockCommand::Unlock);
        connect(dialog_, &PasswordDialog::ResetChosen, this, &LockCommand::Reset);
    }
    dialog_->open();
    return dialog_;
}

void LockCommand::Protect(const QString& password) {
    DeviceLock lock(context_.session(), context_.controller());
    // The tuning may have become protected while the dialog was open (a full read): a new
    // password would then replace one the user never entered.
    if (lock.isProtected()) {
        return;
    }
    Finish(LockChange::Protect, lock.Protect(password.toStdString()));
}

void LockCommand::Unlock(const QString& password) {
    DeviceLock lock(context_.session(), context_.controller());
    if (!lock.isProtected()) {
        if (dialog_) {
            dialog_->accept();
        }
        return;
    }
    const std::string typed = password.toStdString();
    const bool matches = lock.PasswordMatches(typed);
    if (matches && dialog_) {
        dialog_->accept();  // closed first, so what follows shows on its own
    }
    const std::optional<UserMessage> refusal = lock.Unlock(typed);
    if (!matches && lock.isProtected()) {
        // The refusal, then the dialog again with an empty entry for another try.
        if (refusal) {
            Present(context_.messages(), context_.language(), *refusal);
        }
        if (dialog_) {
            dialog_->TryAgain();
        }
        return;
    }
    Finish(LockChange::Unlock, refusal);
}

void LockCommand::Reset() {
    DeviceLock lock(context_.session(), context_.controller());
    // The reset is for protected tuning only; open tuning is never wiped by it.
    if (!lock.isProtected()) {
        return;
    }
    const Language& language = context_.language();
    if (!context_.messages().AskYesNo(language.Pick(text::kResetQuestion),
                                      language.Pick(text::kPasswordCaption))) {
        return;
    }
    Finish(LockChange::Reset, lock.Reset());
}

void LockCommand::Finish(LockChange change, const std::optional<UserMessage>& refusal) {
    if (refusal) {
        Present(context_.messages(), context_.language(), *refusal);
        return;
    }
    sending_ = change;
    connection_.NoteBulkTransfer();
}

void LockCommand::FollowNotice(const Notice& notice) {
    if (!sending_) {
        return;
    }
    if (notice.id == NoticeId::BatchDone) {
        sending_.reset();
    } else if (notice.id == NoticeId::LinkFailed || notice.id == NoticeId::TransferStopped) {
        const LockChange stopped = *sending_;
        sending_.reset();
        Present(context_.messages(), context_.language(), LockChangeUnfinishedMessage(stopped));
    }
}

}  // namespace corva::shell
