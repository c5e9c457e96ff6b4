#include "controls/AccessibleControls.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace corva::controls {
namespace {

class ClickingButtonAccessible final : public QAccessibleWidget {
public:
    explicit ClickingButtonAccessible(QAbstractButton* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = button()->isCheckable();
        state.checked = button()->isChecked();
        state.pressed = button()->isDown();
        return state;
    }

    QString text(QAccessible::Text kind) const override {
        QString said = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && said.isEmpty()) {
            said = button()->text();
            said.remove(QLatin1Char('&'));
        }
        return said;
    }

    QStringList actionNames() const override {
        return button()->isCheckable() ? QStringList{toggleAction(), pressAction()}
                                       : QStringList{pressAction()};
    }

    void doAction(const QString& action) override {
        if (!widget()->isEnabled()) {
            return;
        }
        if (action == toggleAction() || action == pressAction()) {
            auto* push = qobject_cast<QPushButton*>(button());
            if (push != nullptr && push->menu() != nullptr) {
                push->showMenu();
            } else {
                button()->click();
            }
            return;
        }
        QAccessibleWidget::doAction(action);
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

class NamedListAccessible final : public QAccessibleWidget {
public:
    explicit NamedListAccessible(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) {
            return list()->currentText();
        }
        QString said = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && said.isEmpty()) {
            said = list()->currentText();
        }
        return said;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = list()->view() != nullptr && list()->view()->isVisible();
        return state;
    }

    int childCount() const override { return list()->view() != nullptr ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && list()->view() != nullptr
                   ? QAccessible::queryAccessibleInterface(list()->view())
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == list()->view() ? 0 : -1;
    }

    QStringList actionNames() const override {
        return {pressAction(), increaseAction(), decreaseAction()};
    }

    void doAction(const QString& action) override {
        if (!widget()->isEnabled()) {
            return;
        }
        const int index = list()->currentIndex();
        if (action == pressAction()) {
            list()->showPopup();
        } else if (action == increaseAction() && index + 1 < list()->count()) {
            list()->setCurrentIndex(index + 1);
        } else if (action == decreaseAction() && index > 0) {
            list()->setCurrentIndex(index - 1);
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* ListFactory(const QString&, QObject* object) {
    auto* list = qobject_cast<QComboBox*>(object);
    return list != nullptr ? new NamedListAccessible(list) : nullptr;
}

QAccessibleInterface* ButtonFactory(const QString&, QObject* object) {
    auto* button = qobject_cast<QAbstractButton*>(object);
    if (button == nullptr || qobject_cast<QToolButton*>(object) != nullptr ||
        qobject_cast<QCheckBox*>(object) != nullptr ||
        qobject_cast<QRadioButton*>(object) != nullptr) {
        return nullptr;
    }
    return new ClickingButtonAccessible(button);
}

}  // namespace

void InstallAccessibleControls() {
    QAccessible::removeFactory(ButtonFactory);
    QAccessible::installFactory(ButtonFactory);
    QAccessible::removeFactory(ListFactory);
    QAccessible::installFactory(ListFactory);
}

}  // namespace corva::controls
