#include "shell/app/MessagePresenter.h"

#include <QMessageBox>

#include "shell/app/Language.h"
#include "shell/app/ShellTexts.h"
#include "shell/app/TimedMessage.h"

namespace corva::shell {

void DialogPresenter::ShowTimed(const QString& text, const QString& caption) {
    ShowTimedMessage(nullptr, text, caption);
}

void DialogPresenter::ShowPlain(const QString& text, const QString& caption) {
    ShowBox(BoxKind::Information, text, caption);
}

bool DialogPresenter::AskOkCancel(const QString& question, const QString& caption) {
    QMessageBox box(QMessageBox::Question, caption, question,
                    QMessageBox::Ok | QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

void DialogPresenter::ShowBox(BoxKind kind, const QString& text, const QString& caption) {
    const QMessageBox::Icon icon = kind == BoxKind::Error     ? QMessageBox::Critical
                                   : kind == BoxKind::Warning ? QMessageBox::Warning
                                                              : QMessageBox::Information;
    QMessageBox box(icon, caption, text, QMessageBox::Ok);
    box.exec();
}

bool DialogPresenter::AskYesNo(const QString& question, const QString& caption) {
    QMessageBox box(QMessageBox::Question, caption, question, QMessageBox::Yes | QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString MessageBody(const Language& language, const UserMessage& message) {
    QString body = language.Pick(message.text);
    if (!message.reason.empty()) {
        body += QLatin1Char('\n') + language.Pick(message.reason);
    }
    return body;
}

BoxKind KindOf(const UserMessage& message) {
    return message.reason.empty() ? BoxKind::Warning : BoxKind::Error;
}

void Present(MessagePresenter& presenter, const Language& language, const UserMessage& message) {
    const QString caption = language.Pick(text::kWindowTitle);
    const QString body = MessageBody(language, message);
    if (message.style == MessageStyle::Timed) {
        presenter.ShowTimed(body, caption);
    } else {
        presenter.ShowBox(KindOf(message), body, caption);
    }
}

}  // namespace corva::shell
