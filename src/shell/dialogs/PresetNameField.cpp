#include "shell/dialogs/PresetNameField.h"

#include <algorithm>

#include "commands/MachinePresets.h"
#include "shell/app/Language.h"

namespace corva::shell {

PresetNameField::PresetNameField(DoubleByteRule rule, QWidget* parent)
    : QLineEdit(parent), rule_{rule} {
    setMaxLength(static_cast<int>(kPresetNameLimit));
    connect(this, &QLineEdit::textEdited, this, &PresetNameField::FollowTyping);
    // Text set by the program (a stored name) is taken as it is.
    connect(this, &QLineEdit::textChanged, this, [this](const QString& now) {
        if (!isModified()) {
            accepted_ = now;
        }
    });
}

void PresetNameField::MarkFocused() {
    if (!everFocused_) {
        everFocused_ = true;
        emit FirstFocused();
    }
}

void PresetNameField::focusInEvent(QFocusEvent* event) {
    MarkFocused();
    QLineEdit::focusInEvent(event);
}

void PresetNameField::mousePressEvent(QMouseEvent* event) {
    MarkFocused();
    QLineEdit::mousePressEvent(event);
}

void PresetNameField::TakeFocus() {
    MarkFocused();
    setFocus(Qt::OtherFocusReason);
}

void PresetNameField::FollowTyping(const QString& typed) {
    const int cursor = cursorPosition();
    const auto kept = AcceptPresetNameEntry(typed.toStdString(), rule_);
    if (!kept) {
        // Refused: back to what the field held, the cursor where the typing began.
        const int back = cursor - static_cast<int>(typed.size() - accepted_.size());
        setText(accepted_);
        setCursorPosition(std::clamp(back, 0, static_cast<int>(accepted_.size())));
        return;
    }
    const QString now = ToQString(*kept);
    if (now != typed) {
        setText(now);
        setCursorPosition(std::clamp(cursor + static_cast<int>(now.size() - typed.size()), 0,
                                     static_cast<int>(now.size())));
    }
    accepted_ = now;
}

}  // namespace corva::shell
