// The frame the measurement tools share: a form, a result text, and Preview (computes and
// shows the result on the graph, sends nothing), Apply (one edit of the channel) and Close.
// Non-modal, so the graph can be looked at and the page used while it is open.
#pragma once

#include <vector>

#include <QDialog>

#include "core/UiText.h"
#include "shell/app/ComposedText.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace corva::pages {
class FullInterfacePage;
}

namespace corva::shell {

class AppContext;

class ToolDialog : public QDialog {
    Q_OBJECT

public:
    QPushButton* previewButton() const { return preview_; }
    QPushButton* applyButton() const { return apply_; }
    QLabel* resultLabel() const { return result_; }

signals:
    // A preview's result is shown (or its failure said).
    void PreviewFinished();

protected:
    // `name` is the window's accessible name.
    ToolDialog(AppContext& context, pages::FullInterfacePage& page, const UiText& title,
               const UiText& name, QWidget* parent);

    virtual void Preview() = 0;
    virtual void Apply() = 0;

    QFormLayout* form() const { return form_; }
    QString Pick(const UiText& text) const;
    // Every text the tool keeps on screen follows a language switch while it is open.
    void AddRow(const UiText& label, QWidget* field);
    void BindTip(QWidget* widget, const UiText& tip);
    void BindItems(QComboBox* list, std::vector<UiText> items);
    // The message box for a file or a value that cannot be used.
    void Refuse(const UiText& why);
    void Refuse(const ComposedText::Compose& why);
    void ShowResult(ComposedText::Compose text, bool applicable);
    void ShowResult(const UiText& text, bool applicable);
    // Says below the result that it went into the tuning.
    void ShowApplied();
    // A line edit with a browse button that fills it from an open-file dialog.
    QWidget* FileChooser(QLineEdit* field, const UiText& fieldName, const UiText& fieldTip,
                         const QString& filter);

    AppContext& context_;
    pages::FullInterfacePage& page_;

private:
    QFormLayout* form_;
    QLabel* result_;
    ComposedText* resultText_;
    QPushButton* preview_;
    QPushButton* apply_;
    QPushButton* close_;
};

}  // namespace corva::shell
