// The keyboard rules of the program's own windows (the main window and its panels): Ctrl+S is
// swallowed, and Enter or Esc hands the focus to the main view instead of closing anything.
// Message boxes, file choosers and menus keep their usual keys.
#pragma once

#include <QObject>

class QWidget;

namespace corva::shell {

class KeyboardRules : public QObject {
    Q_OBJECT

public:
    // `view` takes the focus on Enter and Esc; the rules apply to widgets in its window and in
    // the panels that window owns.
    explicit KeyboardRules(QWidget& view);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool OwnWindow(const QWidget* widget) const;

    QWidget& view_;
};

}  // namespace corva::shell
