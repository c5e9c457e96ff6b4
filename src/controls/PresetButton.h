// One preset of the processor in the preset strip: a square drawn by the program, filled when
// the preset carries a name and outlined when it is empty.
#pragma once

#include <QAbstractButton>

namespace corva::controls {

enum class PresetLook { Empty, Named };

class PresetButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit PresetButton(QWidget* parent = nullptr);

    void SetLook(PresetLook look);
    PresetLook look() const { return look_; }
    QSize sizeHint() const override { return {52, 52}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PresetLook look_ = PresetLook::Empty;
};

}  // namespace corva::controls
