#include "shell/MessagePresenter.h"

#include <QMessageBox>

#include "shell/Language.h"
#include "shell/ShellTexts.h"
#include "shell/TimedMessage.h"

namespace corva::shell {

void DialogPresenter::ShowTimed(const QString& text, const QString& caption) {
    ShowTimedMessage(nullptr, text, caption);
}

void DialogPresenter::ShowPlain(const QString& text, const QString& caption) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok);
    box.exec();
}

bool DialogPresenter::AskYesNo(const QString& question, const QString& caption) {
    QMessageBox box(QMessageBox::Question, caption, question, QMessageBox::Yes | QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void Present(MessagePresenter& presenter, const Language& language, const UserMessage& message) {
    const QString caption = language.Pick(text::kWindowTitle);
    const QString body = language.Pick(message.text);
    if (message.style == MessageStyle::Timed) {
        presenter.ShowTimed(body, caption);
    } else {
        presenter.ShowPlain(body, caption);
    }
}

}  // namespace corva::shell
