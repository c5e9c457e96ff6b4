#include "shell/tools/ToolDialog.h"

#include "shell/app/NameAndTip.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/app/AppContext.h"
#include "shell/app/Language.h"
#include "shell/app/ShellTexts.h"
#include "shell/tools/MeasurementTexts.h"

namespace corva::shell {
namespace {

QPushButton* Button(Language& language, const UiText& label, const UiText& tip, const UiText& name,
                    QWidget* parent) {
    auto* button = new QPushButton(parent);
    language.BindText(button, label);
    BindNameAndTip(language, button, name, tip);
    return button;
}

}  // namespace

ToolDialog::ToolDialog(AppContext& context, pages::FullInterfacePage& page, const UiText& title,
                       const UiText& name, QWidget* parent)
    : QDialog(parent), context_{context}, page_{page}, form_{new QFormLayout} {
    Language& language = context_.language();
    language.Bind(this, title, [this](const QString& value) { setWindowTitle(value); });
    BindName(language, this, name);
    result_ = new QLabel(this);
    resultText_ = new ComposedText(
        language, [this](const QString& value) { result_->setText(value); }, this);
    result_->setWordWrap(true);
    result_->setMinimumHeight(48);
    result_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    BindName(language, result_, Tr("Window", "Result", "accessible name"));
    preview_ = Button(language, text::kPreview, text::kPreviewTip,
                      Tr("Window", "Preview", "accessible name"), this);
    apply_ = Button(language, text::kApply, text::kApplyTip,
                    Tr("Window", "Apply", "accessible name"), this);
    close_ = Button(language, text::kCloseTool, text::kCloseToolTip,
                    Tr("Window", "Close", "accessible name"), this);
    preview_->setDefault(true);
    apply_->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(preview_);
    buttons->addWidget(apply_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form_);
    layout->addWidget(result_);
    layout->addLayout(buttons);
    setMinimumWidth(520);

    connect(preview_, &QPushButton::clicked, this, [this] {
        apply_->setEnabled(false);
        Preview();
    });
    connect(apply_, &QPushButton::clicked, this, [this] {
        apply_->setEnabled(false);
        Apply();
    });
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
}

QString ToolDialog::Pick(const UiText& text) const {
    return context_.language().Pick(text);
}

void ToolDialog::AddRow(const UiText& label, QWidget* field) {
    auto* name = new QLabel(this);
    context_.language().BindText(name, label);
    name->setBuddy(field);
    form_->addRow(name, field);
}

void ToolDialog::BindTip(QWidget* widget, const UiText& tip) {
    context_.language().Bind(widget, tip,
                             [widget](const QString& value) { widget->setToolTip(value); });
}

void ToolDialog::BindItems(QComboBox* list, std::vector<UiText> items) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        list->addItem(QString());
    }
    const auto apply = [this, list, items = std::move(items)] {
        for (std::size_t i = 0; i < items.size(); ++i) {
            list->setItemText(static_cast<int>(i), Pick(items[i]));
        }
    };
    apply();
    context_.language().OnChange(list, apply);
}

void ToolDialog::Refuse(const UiText& why) {
    Refuse([why](const Language& language) { return language.Pick(why); });
}

void ToolDialog::Refuse(const ComposedText::Compose& why) {
    ShowResult(why, false);
    context_.messages().ShowPlain(why(context_.language()), windowTitle());
    emit PreviewFinished();
}

void ToolDialog::ShowResult(ComposedText::Compose text, bool applicable) {
    resultText_->Show(std::move(text));
    apply_->setEnabled(applicable);
}

void ToolDialog::ShowResult(const UiText& text, bool applicable) {
    resultText_->Show(text);
    apply_->setEnabled(applicable);
}

void ToolDialog::ShowApplied() {
    resultText_->AddLine(text::kApplied);
    apply_->setEnabled(false);
}

QWidget* ToolDialog::FileChooser(QLineEdit* field, const UiText& fieldName, const UiText& fieldTip,
                                 const QString& filter) {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    BindNameAndTip(context_.language(), field, fieldName, fieldTip);
    auto* browse = Button(context_.language(), text::kBrowseFile, text::kBrowseTip,
                          Tr("Window", "%1 browse", "accessible name").Arg(fieldName), row);
    layout->addWidget(field, 1);
    layout->addWidget(browse);
    connect(browse, &QPushButton::clicked, this, [this, field, filter] {
        const QString chosen =
            QFileDialog::getOpenFileName(this, windowTitle(), field->text(), filter);
        if (!chosen.isEmpty()) {
            field->setText(chosen);
        }
    });
    return row;
}

}  // namespace corva::shell
