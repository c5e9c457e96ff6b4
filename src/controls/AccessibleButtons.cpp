#include "controls/AccessibleButtons.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QCheckBox>
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

void InstallAccessibleButtons() {
    QAccessible::removeFactory(ButtonFactory);
    QAccessible::installFactory(ButtonFactory);
}

}  // namespace corva::controls
