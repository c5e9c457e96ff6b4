// Where the shell's messages appear: timed notices, ordinary message boxes and yes/no
// questions. Behind an interface so tests can answer questions and read what was shown.
#pragma once

#include <QString>

#include "transfer/ConnectionMessages.h"

namespace corva::shell {

class Language;

// The platform's icon of a box that waits for OK.
enum class BoxKind { Information, Warning, Error };

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    // A notice that closes itself after a second.
    virtual void ShowTimed(const QString& text, const QString& caption) = 0;
    // A message that waits for OK.
    virtual void ShowPlain(const QString& text, const QString& caption) = 0;
    // True for Yes.
    virtual bool AskYesNo(const QString& question, const QString& caption) = 0;
    // True for OK: a question whose refusal is Cancel.
    virtual bool AskOkCancel(const QString& question, const QString& caption) {
        return AskYesNo(question, caption);
    }
    // A message that waits for OK, with the icon of its kind.
    virtual void ShowBox(BoxKind /*kind*/, const QString& text, const QString& caption) {
        ShowPlain(text, caption);
    }
};

// Real message boxes, owned by no window.
class DialogPresenter final : public MessagePresenter {
public:
    void ShowTimed(const QString& text, const QString& caption) override;
    void ShowPlain(const QString& text, const QString& caption) override;
    bool AskYesNo(const QString& question, const QString& caption) override;
    void ShowBox(BoxKind kind, const QString& text, const QString& caption) override;
    bool AskOkCancel(const QString& question, const QString& caption) override;
};

// The message's text with the reason the engine found on a line of its own below it.
QString MessageBody(const Language& language, const UserMessage& message);
// Errors carry a reason; other messages that wait are warnings.
BoxKind KindOf(const UserMessage& message);

// Shows a message of the connection machinery in its style, in the language current now,
// under the program's caption.
void Present(MessagePresenter& presenter, const Language& language, const UserMessage& message);

}  // namespace corva::shell
