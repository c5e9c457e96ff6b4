// The units of the EQ columns' fields and the dB scale of their faders, written once beside the
// first column so the 31 narrow columns show numbers alone: "dB" beside the gain row, the
// scale beside the faders, "Hz" beside the frequency row and "Q" beside the Q row, each on its
// row of the first column wherever the layout puts it.
#pragma once

#include <QWidget>

namespace corva::pages {

class EqBandColumn;

class EqUnitColumn : public QWidget {
    Q_OBJECT

public:
    explicit EqUnitColumn(const EqBandColumn& firstColumn, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const EqBandColumn& firstColumn_;
};

}  // namespace corva::pages
