// Lists on the page change with the wheel only while they have the focus: scrolling over the
// page never edits a value on the way.
#pragma once

#include <QEvent>
#include <QWidget>

namespace corva::pages {

class FocusedWheel : public QObject {
public:
    // Filters `widget`'s wheel events; the filter lives as long as the widget.
    static void Apply(QWidget* widget) {
        widget->setFocusPolicy(Qt::StrongFocus);
        widget->installEventFilter(new FocusedWheel(widget));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Wheel && !static_cast<QWidget*>(watched)->hasFocus()) {
            event->ignore();
            return true;  // the list keeps its value; the page may scroll instead
        }
        return false;
    }

private:
    explicit FocusedWheel(QObject* parent) : QObject(parent) {}
};

}  // namespace corva::pages
