// The texts of the tuning lock: the password dialog, the lock button and the reset question.
#pragma once

#include "core/UiText.h"

namespace corva::shell::text {

inline const UiText kPasswordCaption = Tr("Window", "Prompted");
inline const UiText kPasswordPrompt = Tr("Window", "Enter password(6-digit):");
// Set mode: a new password is typed twice, so a slip of the finger cannot lock the tuning.
inline const UiText kPasswordRepeatPrompt = Tr("Window", "Enter the password again:");
inline const UiText kPasswordRepeatTip = Tr("Window", "The same six characters once more");
inline const UiText kPasswordsDiffer =
    Tr("Window", "The two passwords differ: nothing was changed. Type the same password twice.");
inline const UiText kPasswordFieldTip =
    Tr("Window", "Six characters; they are not shown as you type");
// What the lock is, said before anyone relies on it.
inline const UiText kLockNote =
    Tr("Window",
       "The lock keeps the tuning read-only in this program. It is not encryption: anyone who "
       "wants to can recover the tuning and its password from the processor's answers, from "
       "protected music files, from safety copies and from traces.");
inline const UiText kPasswordOk = Tr("Window", "OK");
inline const UiText kPasswordOkTip = Tr("Window", "Protect the tuning with this password");
inline const UiText kPasswordCancel = Tr("Window", "Cancel");
inline const UiText kPasswordCancelTip = Tr("Window", "Close without protecting the tuning");
inline const UiText kPasswordUnlock = Tr("Window", "Unlock");
inline const UiText kPasswordUnlockTip = Tr("Window", "Remove the protection with this password");
inline const UiText kPasswordReset = Tr("Window", "reset");
inline const UiText kPasswordResetTip = Tr(
    "Window", "Forgotten password: replace the protected tuning with the default output settings");

// The reset discards the processor's tuning for good, so it is asked once more.
inline const UiText kResetQuestion = Tr(
    "Window", "Replace the protected tuning of all six outputs with the default output settings?");

// The lock button of the top bar, named for what pressing it does.
inline const UiText kLockedLabel = Tr("Window", "Locked");
inline const UiText kUnlockedLabel = Tr("Window", "Unlocked");
inline const UiText kLockButtonProtect = Tr("Window", "Protect the tuning");
inline const UiText kLockButtonUnlock = Tr("Window", "Unlock the tuning");
inline const UiText kLockButtonProtectTip =
    Tr("Window", "The tuning is open: protect it with a six-character password");
inline const UiText kLockButtonUnlockTip =
    Tr("Window", "The tuning is protected and read-only: enter the password to edit it");

}  // namespace corva::shell::text
