#include "shell/dialogs/PresetNameDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/app/NameAndTip.h"
#include "shell/dialogs/PresetNameField.h"
#include "shell/panels/FileTexts.h"

namespace corva::shell {

PresetNameDialog::PresetNameDialog(int preset, const QString& currentName, Language& language,
                                   QWidget* parent)
    : QDialog(parent),
      field_{new PresetNameField(DoubleByteRule::Align, this)},
      ok_{new QPushButton(this)},
      cancel_{new QPushButton(this)} {
    setObjectName(QStringLiteral("presetNameDialog"));
    setModal(true);
    language.Bind(this, text::kPresetNameTitle, [this](const QString& t) { setWindowTitle(t); });

    auto* number = new QLabel(this);
    number->setObjectName(QStringLiteral("presetNumber"));
    language.Bind(number, text::kPresetNumber, [number, preset](const QString& prefix) {
        number->setText(prefix + QString::number(preset));
    });
    field_->setObjectName(QStringLiteral("presetNameField"));
    field_->setText(currentName);
    field_->selectAll();
    field_->setMinimumWidth(200);
    BindNameAndTip(language, field_, text::kPresetNameField, text::kPresetNameTip);
    number->setBuddy(field_);

    ok_->setObjectName(QStringLiteral("presetNameOk"));
    ok_->setDefault(true);
    language.BindText(ok_, text::kOk);
    BindNameAndTip(language, ok_, text::kOk, text::kOkTip);
    cancel_->setObjectName(QStringLiteral("presetNameCancel"));
    language.BindText(cancel_, text::kCancel);
    BindNameAndTip(language, cancel_, text::kCancel, text::kCancelTip);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(number);
    row->addWidget(field_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    field_->setFocus();
}

QString PresetNameDialog::name() const {
    return field_->text();
}

}  // namespace corva::shell
