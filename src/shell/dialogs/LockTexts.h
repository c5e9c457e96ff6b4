// The texts of the tuning lock: the password dialog, the lock button and the reset question.
#pragma once

#include "core/UiText.h"

namespace corva::shell::text {

inline const UiText kPasswordCaption{"Prompted", "提示"};
inline const UiText kPasswordPrompt{"Enter password(6-digit):", "请输入6位数密码:"};
// Set mode: a new password is typed twice, so a slip of the finger cannot lock the tuning.
inline const UiText kPasswordRepeatPrompt{"Enter the password again:", "请再次输入密码:"};
inline const UiText kPasswordRepeatTip{"The same six characters once more",
                                       "再次输入相同的6位密码"};
inline const UiText kPasswordsDiffer{
    "The two passwords differ: nothing was changed. Type the same password twice.",
    "两次输入的密码不一致：未作任何更改。请两次输入相同的密码。"};
inline const UiText kPasswordFieldTip{"Six characters; they are not shown as you type",
                                      "六个字符；输入时不显示"};
// What the lock is, said before anyone relies on it.
inline const UiText kLockNote{
    "The lock keeps the tuning read-only in this program. It is not encryption: anyone who "
    "wants to can recover the tuning and its password from the processor's answers, from "
    "protected music files, from safety copies and from traces.",
    "加密只是让本程序中的音效变为只读，并不是真正的加密：任何人都可以从处理器的应答、"
    "加密的音乐文件、安全副本和通信记录中恢复音效及其密码。"};
inline const UiText kPasswordOk{"OK", "确定"};
inline const UiText kPasswordOkTip{"Protect the tuning with this password", "用此密码加密音效"};
inline const UiText kPasswordCancel{"Cancel", "取消"};
inline const UiText kPasswordCancelTip{"Close without protecting the tuning", "关闭，不加密"};
inline const UiText kPasswordUnlock{"Unlock", "确定"};
inline const UiText kPasswordUnlockTip{"Remove the protection with this password",
                                       "用此密码解除加密"};
inline const UiText kPasswordReset{"reset", "清除数据"};
inline const UiText kPasswordResetTip{
    "Forgotten password: replace the protected tuning with the default output settings",
    "忘记密码：用默认输出设置替换加密的音效"};

// The reset discards the processor's tuning for good, so it is asked once more.
inline const UiText kResetQuestion{
    "Replace the protected tuning of all six outputs with the default output settings?",
    "是否用默认输出设置替换六个输出通道的加密音效?"};

// The lock button of the top bar, named for what pressing it does.
inline const UiText kLockedLabel{"Locked", "已加密"};
inline const UiText kUnlockedLabel{"Unlocked", "未加密"};
inline const UiText kLockButtonProtect{"Protect the tuning", "加密音效"};
inline const UiText kLockButtonUnlock{"Unlock the tuning", "解锁音效"};
inline const UiText kLockButtonProtectTip{
    "The tuning is open: protect it with a six-character password", "音效未加密：可用六位密码加密"};
inline const UiText kLockButtonUnlockTip{
    "The tuning is protected and read-only: enter the password to edit it",
    "音效已加密且只读：输入密码后可编辑"};

}  // namespace corva::shell::text
