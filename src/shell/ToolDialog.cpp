#include "shell/ToolDialog.h"

#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/AppContext.h"
#include "shell/MeasurementTexts.h"
#include "shell/ShellTexts.h"

namespace corva::shell {
namespace {

QPushButton* Button(const QString& label, const QString& tip, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(label, parent);
    button->setToolTip(tip);
    button->setAccessibleName(name);
    return button;
}

}  // namespace

ToolDialog::ToolDialog(AppContext& context, pages::FullInterfacePage& page, const UiText& title,
                       QWidget* parent)
    : QDialog(parent), context_{context}, page_{page}, form_{new QFormLayout} {
    setWindowTitle(Pick(title));
    setAccessibleName(QString::fromStdString(title.english));
    result_ = new QLabel(this);
    result_->setWordWrap(true);
    result_->setMinimumHeight(48);
    result_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    result_->setAccessibleName(QStringLiteral("Result"));
    preview_ = Button(Pick(text::kPreview), Pick(text::kPreviewTip), QStringLiteral("Preview"), this);
    apply_ = Button(Pick(text::kApply), Pick(text::kApplyTip), QStringLiteral("Apply"), this);
    close_ = Button(Pick(text::kCloseTool), Pick(text::kCloseToolTip), QStringLiteral("Close"), this);
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

void ToolDialog::Refuse(const QString& why) {
    ShowResult(why, false);
    context_.messages().ShowPlain(why, windowTitle());
    emit PreviewFinished();
}

void ToolDialog::ShowResult(const QString& text, bool applicable) {
    result_->setText(text);
    apply_->setEnabled(applicable);
}

QWidget* ToolDialog::FileChooser(QLineEdit* field, const UiText& fieldTip, const QString& filter) {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    field->setToolTip(Pick(fieldTip));
    auto* browse = Button(Pick(text::kBrowseFile), Pick(text::kBrowseTip),
                          field->accessibleName() + QStringLiteral(" browse"), row);
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
