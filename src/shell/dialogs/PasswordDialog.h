// The password dialog of the tuning lock: a prompt, a masked six-character entry and two
// buttons. In set mode they are OK and Cancel; in unlock mode Unlock and reset, the way out of
// a forgotten password. A new password is typed twice and both must match. A text of the wrong
// length is refused with the timed message and the dialog stays open with an empty entry.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace corva::shell {

class Language;
class MessagePresenter;

enum class PasswordMode {
    Set,     // protect open tuning with a new password
    Unlock,  // remove the protection, or reset the protected tuning
};

class PasswordDialog : public QDialog {
    Q_OBJECT

public:
    PasswordDialog(PasswordMode mode, Language& language, MessagePresenter& messages,
                   QWidget* parent);

    PasswordMode mode() const { return mode_; }
    QLineEdit* field() { return field_; }
    QLineEdit* repeatField() { return repeat_; }       // set mode only; null in unlock mode
    QPushButton* confirmButton() { return confirm_; }  // OK or Unlock
    QPushButton* otherButton() { return other_; }      // Cancel or reset

    // OK / Unlock: a six-character text is announced; in set mode the dialog closes first, in
    // unlock mode whoever checks the password closes it or asks for another try.
    void Confirm();
    // A refused password: the entry is emptied for another try.
    void TryAgain();
    // Cancel / reset: closes the dialog; in unlock mode it asks for the reset.
    void ChooseOther();

signals:
    void PasswordEntered(const QString& password);
    void ResetChosen();

private:
    const PasswordMode mode_;
    Language& language_;
    MessagePresenter& messages_;
    QLineEdit* field_;
    QLineEdit* repeat_ = nullptr;
    QPushButton* confirm_;
    QPushButton* other_;
};

}  // namespace corva::shell
