// What the windows on screen show: the text, tooltip and accessible name of every widget and
// action of every visible window, for the tests of the window's languages.
#pragma once

#include <map>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QWidget>

namespace corva::shell::test {

struct ShownTexts {
    QString text;
    QString tip;
    QString name;
};

inline QString TextOf(const QObject* object) {
    if (const auto* label = qobject_cast<const QLabel*>(object)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(object)) {
        return button->text();
    }
    if (const auto* action = qobject_cast<const QAction*>(object)) {
        return action->text();
    }
    return {};
}

inline ShownTexts TextsOf(QObject* object) {
    ShownTexts shown{TextOf(object), {}, {}};
    if (auto* widget = qobject_cast<QWidget*>(object)) {
        shown.tip = widget->toolTip();
        shown.name = widget->accessibleName();
    } else if (auto* action = qobject_cast<QAction*>(object)) {
        shown.tip = action->toolTip();
    }
    return shown;
}

// The texts of every widget and action of every visible window.
inline std::map<QPointer<QObject>, ShownTexts> OnScreen() {
    std::map<QPointer<QObject>, ShownTexts> shown;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible()) {
            continue;
        }
        shown[window] = TextsOf(window);
        for (QObject* child : window->findChildren<QObject*>()) {
            if (child->isWidgetType() || qobject_cast<QAction*>(child) != nullptr) {
                shown[child] = TextsOf(child);
            }
        }
    }
    return shown;
}

}  // namespace corva::shell::test
