// "Import filters...": a REW or Equalizer APO filter file placed on the current channel, each
// filter snapped to what the processor can hold; the preview lists what every filter became
// and draws the file's curve against the processor's before anything is sent.
#pragma once

#include <optional>

#include "shell/tools/ToolDialog.h"
#include "tuning/FilterImport.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

namespace corva::shell {

class Language;

class ImportFiltersDialog : public ToolDialog {
    Q_OBJECT

public:
    ImportFiltersDialog(AppContext& context, pages::FullInterfacePage& page, QWidget* parent);

    QLineEdit* fileField() const { return file_; }
    QCheckBox* applyRestBox() const { return applyRest_; }
    QPlainTextEdit* filterList() const { return list_; }
    const std::optional<tuning::FilterImport>& plan() const { return plan_; }

protected:
    void Preview() override;
    void Apply() override;

private:
    static QString Describe(const Language& language, const tuning::ImportedFilter& imported);

    QLineEdit* file_;
    QCheckBox* applyRest_;
    QPlainTextEdit* list_;
    ComposedText* listText_ = nullptr;
    int channel_ = 0;
    std::optional<tuning::FilterImport> plan_;
};

}  // namespace corva::shell
