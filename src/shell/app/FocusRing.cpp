#include "shell/app/FocusRing.h"

#include <algorithm>

#include <QKeyEvent>

namespace corva::shell {

void FocusRing::Add(QWidget* field) {
    fields_.emplace_back(field);
    field->installEventFilter(this);
}

void FocusRing::Step(const QWidget* field, int direction) {
    const auto at = std::find(fields_.begin(), fields_.end(), field);
    if (at == fields_.end() || fields_.empty()) {
        return;
    }
    const auto count = static_cast<long>(fields_.size());
    long index = std::distance(fields_.begin(), at);
    // Skip fields that are gone, hidden or disabled; give up after one full turn.
    for (long tried = 0; tried < count; ++tried) {
        index = ((index + direction) % count + count) % count;
        QWidget* next = fields_[static_cast<std::size_t>(index)];
        if (next && next->isEnabled() && next->isVisibleTo(next->window())) {
            next->setFocus(direction > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto key = static_cast<const QKeyEvent*>(event)->key();
    int direction = 0;
    if (key == Qt::Key_Tab || key == Qt::Key_Right) {
        direction = 1;
    } else if (key == Qt::Key_Left) {
        direction = -1;
    }
    if (direction != 0) {
        QPointer<QWidget> field = qobject_cast<QWidget*>(watched);
        QMetaObject::invokeMethod(
            this,
            [this, field, direction] {
                if (field) {
                    Step(field, direction);
                }
            },
            Qt::QueuedConnection);
    }
    return false;
}

}  // namespace corva::shell
