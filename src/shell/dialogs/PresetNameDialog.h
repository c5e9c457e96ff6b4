// Asks for the name a preset of the processor is stored under: its number, a name field
// (double-byte alignment on) prefilled with the current name and focused, OK and Cancel.
#pragma once

#include <QDialog>

class QPushButton;

namespace corva::shell {

class Language;
class PresetNameField;

class PresetNameDialog : public QDialog {
    Q_OBJECT

public:
    PresetNameDialog(int preset, const QString& currentName, Language& language, QWidget* parent);

    PresetNameField* field() { return field_; }
    QPushButton* okButton() { return ok_; }
    QString name() const;

private:
    PresetNameField* field_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace corva::shell
