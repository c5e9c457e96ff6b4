// The lock button: a padlock and a word that say whether the tuning is protected. Closed and
// red while protected, open and quiet otherwise; pressing it runs the lock command.
#pragma once

#include <QAbstractButton>

namespace corva::controls {

class LockButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit LockButton(QWidget* parent = nullptr);

    void SetLocked(bool locked);
    bool locked() const { return locked_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool locked_ = false;
};

}  // namespace corva::controls
