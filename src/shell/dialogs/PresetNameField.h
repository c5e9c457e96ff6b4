// A field for a preset or file name: at most 13 bytes in the record's code page, with a
// double-byte switch (on: a Chinese character that would start at an odd byte gets a blank
// before it; off: Chinese characters are refused). Remembers whether it ever had the focus.
#pragma once

#include <QLineEdit>

#include "commands/PresetNameEntry.h"

namespace corva::shell {

class PresetNameField : public QLineEdit {
    Q_OBJECT

public:
    PresetNameField(DoubleByteRule rule, QWidget* parent);

    // Whether the field ever had the focus (clicked, tabbed into or given it by the program).
    bool everFocused() const { return everFocused_; }
    void TakeFocus();
    // The text as it would go into a record name, UTF-8.
    std::string nameUtf8() const { return text().toStdString(); }

signals:
    // The field has the focus for the first time (the save panel's placeholder goes then).
    void FirstFocused();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void FollowTyping(const QString& typed);
    void MarkFocused();

    DoubleByteRule rule_;
    QString accepted_;
    bool everFocused_ = false;
};

}  // namespace corva::shell
