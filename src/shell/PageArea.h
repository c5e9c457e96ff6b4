// The area below the top bar where the full interface page sits; until that page exists it
// shows only its name.
#pragma once

#include <QFrame>

class QLabel;

namespace corva::shell {

class Language;

inline constexpr int kPageAreaTop = 57;
inline constexpr QSize kFullPageAreaSize{1280, 661};

class PageArea : public QFrame {
    Q_OBJECT

public:
    PageArea(Language& language, QWidget* parent);

    QString title() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* title_;
    QLabel* hint_;
};

}  // namespace corva::shell
