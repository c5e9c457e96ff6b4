// The Program dialog: the processor's 15 presets in a list with Store, Recall and Delete for
// the chosen one, and the PC buttons that store or recall all presets (complete file) or the
// current tuning (music file). Enter and Escape do not close it; its close box does.
#pragma once

#include <string>

#include <QDialog>

#include "commands/MachinePresets.h"

class QLabel;
class QRadioButton;
class QTableWidget;

namespace corva::controls {
class FlatButton;
}

namespace corva::shell {

class AppContext;
class ConnectionDriver;
class PresetNameField;
class TuningFileActions;

inline constexpr QSize kProgramDialogSize{490, 370};

class ProgramDialog : public QDialog {
    Q_OBJECT

public:
    ProgramDialog(AppContext& context, ConnectionDriver& connection, TuningFileActions& files,
                  QWidget* parent);

    int selectedPreset() const { return selected_; }
    void SelectPreset(int preset);

    QTableWidget* list() { return list_; }
    QLabel* number() { return number_; }
    PresetNameField* nameField() { return name_; }
    controls::FlatButton* storeButton() { return store_; }
    controls::FlatButton* recallButton() { return recall_; }
    controls::FlatButton* deleteButton() { return delete_; }
    QRadioButton* recallAllChoice() { return recallAll_; }
    QRadioButton* recallOneChoice() { return recallOne_; }
    QRadioButton* storeAllChoice() { return storeAll_; }
    QRadioButton* storeOneChoice() { return storeOne_; }
    controls::FlatButton* recallPcButton() { return recallPc_; }
    controls::FlatButton* storePcButton() { return storePc_; }

    void Store();
    void Recall();
    void Delete();
    void RecallFromPc();
    void StoreToPc();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FillNames();
    // The store itself, once a named preset has been kept among the safety copies.
    void StoreAs(int preset, const std::string& name);
    void Show(const std::optional<UserMessage>& message);

    AppContext& context_;
    ConnectionDriver& connection_;
    TuningFileActions& files_;
    MachinePresets presets_;
    int selected_ = 1;
    QTableWidget* list_;
    QLabel* number_;
    PresetNameField* name_;
    controls::FlatButton* store_;
    controls::FlatButton* recall_;
    controls::FlatButton* delete_;
    QRadioButton* recallAll_;
    QRadioButton* recallOne_;
    QRadioButton* storeAll_;
    QRadioButton* storeOne_;
    controls::FlatButton* recallPc_;
    controls::FlatButton* storePc_;
};

}  // namespace corva::shell
