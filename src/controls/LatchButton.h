// A small checkable button: outlined when off, filled with the accent colour when on. A switch
// whose "on" takes something out (a band's "BY") looks the other way round: lit while off,
// quiet and grey while on.
#pragma once

#include <QAbstractButton>
#include <QFont>
#include <QStaticText>
#include <QString>

#include "controls/RoundedFace.h"

namespace corva::controls {

class LatchButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit LatchButton(QWidget* parent = nullptr);

    void SetQuietWhenOn(bool quiet);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return {16, 18}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QStaticText& Label() const;

    bool quietWhenOn_ = false;
    mutable QStaticText label_;
    mutable QString labelText_;
    mutable QFont labelFont_;
    RoundedFace face_;
};

}  // namespace corva::controls
