// The ring of value fields on a page: Tab and the Right arrow move the focus to the next
// field, the Left arrow to the previous one, wrapping at both ends. The key is still handled
// by the field as usual; the focus moves right after.
#pragma once

#include <vector>

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace corva::shell {

class FocusRing : public QObject {
    Q_OBJECT

public:
    explicit FocusRing(QObject* parent = nullptr) : QObject(parent) {}

    void Add(QWidget* field);
    // Moves the focus from `field` by one step forward (+1) or back (-1).
    void Step(const QWidget* field, int direction);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<QPointer<QWidget>> fields_;
};

}  // namespace corva::shell
