#include "shell/app/KeyboardRules.h"

#include <QKeyEvent>
#include <QWidget>

#include "controls/ValueField.h"
#include "shell/panels/FloatingPanel.h"

namespace corva::shell {
namespace {

bool IsCtrlS(const QKeyEvent& key) {
    return key.key() == Qt::Key_S && (key.modifiers() & Qt::ControlModifier);
}

bool IsEnterOrEscape(const QKeyEvent& key) {
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter || key.key() == Qt::Key_Escape;
}

}  // namespace

KeyboardRules::KeyboardRules(QWidget& view) : QObject(&view), view_{view} {}

bool KeyboardRules::OwnWindow(const QWidget* widget) const {
    const QWidget* window = widget->window();
    return window == view_.window() || qobject_cast<const FloatingPanel*>(window) != nullptr;
}

bool KeyboardRules::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || !OwnWindow(widget)) {
        return false;
    }
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (IsCtrlS(key)) {
        event->accept();  // claimed before any shortcut sees it, then dropped
        return true;
    }
    if (type == QEvent::KeyPress && IsEnterOrEscape(key)) {
        // A value field settles first: Escape drops the typing, Enter commits it, so the focus
        // loss that follows has nothing left to commit.
        if (auto* field = qobject_cast<controls::ValueField*>(widget)) {
            if (key.key() == Qt::Key_Escape) {
                field->RestoreShownValue();
            } else {
                field->Commit();
            }
        }
        view_.setFocus(Qt::OtherFocusReason);
        return true;
    }
    return false;
}

}  // namespace corva::shell
