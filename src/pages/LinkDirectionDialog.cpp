#include "pages/LinkDirectionDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "pages/PageTexts.h"

namespace corva::pages {
namespace {

QString Text(const UiText& text, UiLanguage language) {
    return QString::fromStdString(text.In(language));
}

}  // namespace

LinkDirectionDialog::LinkDirectionDialog(const QString& left, const QString& right,
                                         UiLanguage language, QWidget* parent)
    : QDialog(parent),
      leftToRight_{
          new QRadioButton(Text(page_text::kCopyLeftToRight, language).arg(left, right), this)},
      rightToLeft_{
          new QRadioButton(Text(page_text::kCopyRightToLeft, language).arg(left, right), this)} {
    setWindowTitle(Text(page_text::kLinkDialogTitle, language));
    setAccessibleName(Text(Tr("Page", "Link channels", "accessible name"), language));
    auto* question = new QLabel(Text(page_text::kLinkDialogText, language).arg(left, right), this);
    question->setWordWrap(true);
    leftToRight_->setAccessibleName(
        Text(Tr("Page", "Copy left to right", "accessible name"), language));
    rightToLeft_->setAccessibleName(
        Text(Tr("Page", "Copy right to left", "accessible name"), language));
    leftToRight_->setChecked(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
    ok->setText(Text(page_text::kOk, language));
    cancel->setText(Text(page_text::kCancel, language));
    ok->setAccessibleName(Text(Tr("Page", "OK", "accessible name"), language));
    cancel->setAccessibleName(Text(Tr("Page", "Cancel", "accessible name"), language));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(10);
    layout->addWidget(question);
    layout->addWidget(leftToRight_);
    layout->addWidget(rightToLeft_);
    layout->addWidget(buttons);
    setMinimumWidth(380);
}

LinkDirection LinkDirectionDialog::direction() const {
    return rightToLeft_->isChecked() ? LinkDirection::RightToLeft : LinkDirection::LeftToRight;
}

std::optional<LinkDirection> LinkDirectionDialog::Ask(const QString& left, const QString& right,
                                                      UiLanguage language, QWidget* parent) {
    LinkDirectionDialog dialog(left, right, language, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.direction();
}

}  // namespace corva::pages
