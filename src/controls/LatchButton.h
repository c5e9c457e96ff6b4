// A small checkable button that stays lit while it is on (a band's "BY", "bypass all"):
// outlined when off, filled with the accent colour when on.
#pragma once

#include <QAbstractButton>

namespace corva::controls {

class LatchButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit LatchButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return {16, 18}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace corva::controls
