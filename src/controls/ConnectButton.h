// The connect button: a pill with a lamp and its lettering. Its look tells the connection
// state at a glance: grey lamp while disconnected, amber while the processor is being read,
// green once the tuning on screen is the processor's.
#pragma once

#include <QAbstractButton>

#include "controls/Lamp.h"

namespace corva::controls {

class ConnectButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit ConnectButton(QWidget* parent = nullptr);

    void SetLamp(LampState state);
    LampState lamp() const { return lamp_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    LampState lamp_ = LampState::Off;
};

}  // namespace corva::controls
