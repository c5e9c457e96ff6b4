// The question asked before a pair is linked: the two channels must first be made equal, so
// the user picks which one is copied onto the other (left to right is offered first), then
// confirms with OK; Cancel and the close button leave everything as it was.
#pragma once

#include <optional>

#include <QDialog>

#include "core/UiText.h"
#include "model/ChannelEditor.h"

class QRadioButton;

namespace corva::pages {

class LinkDirectionDialog : public QDialog {
    Q_OBJECT

public:
    LinkDirectionDialog(const QString& left, const QString& right, UiLanguage language,
                        QWidget* parent = nullptr);

    LinkDirection direction() const;
    QRadioButton* leftToRightChoice() const { return leftToRight_; }
    QRadioButton* rightToLeftChoice() const { return rightToLeft_; }

    // Asks modally; nothing when the user cancels.
    static std::optional<LinkDirection> Ask(const QString& left, const QString& right,
                                            UiLanguage language, QWidget* parent);

private:
    QRadioButton* leftToRight_;
    QRadioButton* rightToLeft_;
};

}  // namespace corva::pages
