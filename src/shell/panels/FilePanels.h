// The save and open panels under their top-bar buttons. Both carry the strip of the
// processor's presets (save-as in the save panel, load in the open panel). The save panel
// saves the current tuning (.qvms) or all presets (.qvma) under a typed name in the DataFile
// folder or through a file dialog; the open panel opens either kind through a file dialog.
#pragma once

#include "commands/PresetFileCommands.h"
#include "shell/panels/FloatingPanel.h"

class QRadioButton;

namespace corva::controls {
class FlatButton;
}

namespace corva::shell {

class ConnectionDriver;
class PresetNameField;
class PresetStrip;
class TuningFileActions;

class SavePanel : public FloatingPanel {
    Q_OBJECT

public:
    SavePanel(AppContext& context, ConnectionDriver& connection, TuningFileActions& files,
              QWidget* parent);

    SaveMode mode() const;
    QRadioButton* currentChoice() { return current_; }
    QRadioButton* allChoice() { return all_; }
    PresetNameField* nameField() { return name_; }
    controls::FlatButton* browseButton() { return browse_; }
    controls::FlatButton* saveButton() { return save_; }
    PresetStrip* strip() { return strip_; }

    // The browse button: a file dialog (current), or the store-all command (all).
    void SaveWithDialog();
    // The save button: under the typed name in the DataFile folder.
    void SaveWithName();

private:
    TuningFileActions& files_;
    QRadioButton* current_;
    QRadioButton* all_;
    PresetNameField* name_;
    controls::FlatButton* browse_;
    controls::FlatButton* save_;
    PresetStrip* strip_;
};

class OpenPanel : public FloatingPanel {
    Q_OBJECT

public:
    OpenPanel(AppContext& context, ConnectionDriver& connection, TuningFileActions& files,
              QWidget* parent);

    controls::FlatButton* openButton() { return open_; }
    PresetStrip* strip() { return strip_; }

    // The open button: a single or complete file chosen in a file dialog.
    void OpenWithDialog();

private:
    TuningFileActions& files_;
    controls::FlatButton* open_;
    PresetStrip* strip_;
};

}  // namespace corva::shell
