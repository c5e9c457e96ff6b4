// A two-position switch drawn as two segments side by side; the lit segment is the current
// state. Clicking anywhere flips it (it is a checkable button: checked = right segment).
#pragma once

#include <QAbstractButton>

namespace corva::controls {

class TwoStateSwitch : public QAbstractButton {
    Q_OBJECT

public:
    explicit TwoStateSwitch(QWidget* parent = nullptr);

    void SetLabels(const QString& left, const QString& right);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString left_;
    QString right_;
};

}  // namespace corva::controls
