#include "shell/dialogs/PasswordDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "commands/DeviceLock.h"
#include "shell/app/Language.h"
#include "shell/app/MessagePresenter.h"
#include "shell/app/NameAndTip.h"
#include "shell/dialogs/LockTexts.h"

namespace corva::shell {
namespace {

void BindButton(Language& language, QPushButton* button, const UiText& label, const UiText& tip) {
    language.BindText(button, label);
    BindNameAndTip(language, button, label, tip);
}

}  // namespace

PasswordDialog::PasswordDialog(PasswordMode mode, Language& language, MessagePresenter& messages,
                               QWidget* parent)
    : QDialog(parent),
      mode_{mode},
      language_{language},
      messages_{messages},
      field_{new QLineEdit(this)},
      confirm_{new QPushButton(this)},
      other_{new QPushButton(this)} {
    setObjectName(QStringLiteral("passwordDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);
    language_.Bind(this, text::kPasswordCaption,
                   [this](const QString& caption) { setWindowTitle(caption); });

    auto* prompt = new QLabel(this);
    prompt->setObjectName(QStringLiteral("passwordPrompt"));
    language_.BindText(prompt, text::kPasswordPrompt);
    prompt->setBuddy(field_);

    field_->setObjectName(QStringLiteral("passwordField"));
    field_->setEchoMode(QLineEdit::Password);
    field_->setMaxLength(static_cast<int>(kPasswordLength));
    field_->setMinimumWidth(220);
    BindNameAndTip(language_, field_, text::kPasswordPrompt, text::kPasswordFieldTip);

    const bool unlock = mode_ == PasswordMode::Unlock;
    QLabel* repeatPrompt = nullptr;
    if (!unlock) {
        repeat_ = new QLineEdit(this);
        repeat_->setObjectName(QStringLiteral("passwordRepeatField"));
        repeat_->setEchoMode(QLineEdit::Password);
        repeat_->setMaxLength(static_cast<int>(kPasswordLength));
        BindNameAndTip(language_, repeat_, text::kPasswordRepeatPrompt, text::kPasswordRepeatTip);
        repeatPrompt = new QLabel(this);
        language_.BindText(repeatPrompt, text::kPasswordRepeatPrompt);
        repeatPrompt->setBuddy(repeat_);
    }
    confirm_->setObjectName(QStringLiteral("passwordConfirm"));
    confirm_->setDefault(true);
    BindButton(language_, confirm_, unlock ? text::kPasswordUnlock : text::kPasswordOk,
               unlock ? text::kPasswordUnlockTip : text::kPasswordOkTip);
    other_->setObjectName(unlock ? QStringLiteral("passwordReset")
                                 : QStringLiteral("passwordCancel"));
    other_->setAutoDefault(false);
    BindButton(language_, other_, unlock ? text::kPasswordReset : text::kPasswordCancel,
               unlock ? text::kPasswordResetTip : text::kPasswordCancelTip);
    connect(confirm_, &QPushButton::clicked, this, &PasswordDialog::Confirm);
    connect(other_, &QPushButton::clicked, this, &PasswordDialog::ChooseOther);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(confirm_);
    buttons->addWidget(other_);
    auto* layout = new QVBoxLayout(this);
    if (!unlock) {
        auto* note = new QLabel(this);
        note->setObjectName(QStringLiteral("lockNote"));
        note->setWordWrap(true);
        note->setMaximumWidth(420);
        language_.BindText(note, text::kLockNote);
        layout->addWidget(note);
    }
    layout->addWidget(prompt);
    layout->addWidget(field_);
    if (repeat_ != nullptr) {
        layout->addWidget(repeatPrompt);
        layout->addWidget(repeat_);
    }
    layout->addLayout(buttons);
    field_->setFocus();
}

void PasswordDialog::Confirm() {
    const QString password = field_->text();
    if (auto wrongLength = DeviceLock::CheckPasswordLength(password.toStdString())) {
        Present(messages_, language_, *wrongLength);
        field_->clear();
        field_->setFocus();
        return;
    }
    if (repeat_ != nullptr && repeat_->text() != password) {
        messages_.ShowBox(BoxKind::Warning, language_.Pick(text::kPasswordsDiffer),
                          language_.Pick(text::kPasswordCaption));
        field_->clear();
        repeat_->clear();
        field_->setFocus();
        return;
    }
    // A new password closes the dialog first, so what it leads to (a message, a transfer)
    // shows on its own; an unlock password may be wrong, and then the dialog stays.
    if (mode_ == PasswordMode::Set) {
        accept();
    }
    emit PasswordEntered(password);
}

void PasswordDialog::TryAgain() {
    field_->clear();
    field_->setFocus();
}

void PasswordDialog::ChooseOther() {
    reject();
    if (mode_ == PasswordMode::Unlock) {
        emit ResetChosen();
    }
}

}  // namespace corva::shell
