// A notice that needs no answer: a modal box with one OK button that closes itself after a
// while, so a short notice never blocks the user.
#pragma once

#include <QString>

class QWidget;

namespace corva::shell {

// What ShowTimedMessage returns, numbered as the platform's message-box results.
inline constexpr int kTimedMessageNotShown = 0;
inline constexpr int kTimedMessageAcknowledged = 1;  // OK pressed (or the box closed by hand)
inline constexpr int kTimedMessageClosedItself = 32000;

inline constexpr int kTimedMessageMs = 1000;

// Shows `text` under `caption` until the user closes the box or `timeoutMs` passes, and
// returns which happened; shows nothing and returns kTimedMessageNotShown when there is no
// application to show it in.
int ShowTimedMessage(QWidget* owner, const QString& text, const QString& caption,
                     int timeoutMs = kTimedMessageMs);

}  // namespace corva::shell
