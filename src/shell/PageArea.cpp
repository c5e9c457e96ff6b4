#include "shell/PageArea.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

#include "shell/Language.h"
#include "shell/ShellStyle.h"
#include "shell/ShellTexts.h"

namespace corva::shell {

PageArea::PageArea(Language& language, QWidget* parent)
    : QFrame(parent), title_{new QLabel(this)}, hint_{new QLabel(this)} {
    setObjectName(QStringLiteral("pageArea"));
    title_->setObjectName(QStringLiteral("pageAreaTitle"));
    title_->setFont(ShellFont(FontSize::Title, QFont::DemiBold));
    title_->setAlignment(Qt::AlignCenter);
    hint_->setFont(ShellFont(FontSize::Normal));
    hint_->setAlignment(Qt::AlignCenter);
    QPalette quiet = title_->palette();
    quiet.setColor(QPalette::WindowText, colour::kQuietInk);
    title_->setPalette(quiet);
    hint_->setPalette(quiet);
    language.BindText(title_, text::kPageAreaTitle);
    language.BindText(hint_, text::kPageAreaHint);

    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(title_);
    layout->addSpacing(6);
    layout->addWidget(hint_);
    layout->addStretch();
}

QString PageArea::title() const {
    return title_->text();
}

void PageArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), colour::kBackground);
    const QRectF card = QRectF(rect()).adjusted(14.5, 14.5, -14.5, -14.5);
    painter.setBrush(colour::kCard);
    painter.setPen(QPen(colour::kLine, 1.2, Qt::DashLine));
    painter.drawRoundedRect(card, 12, 12);

    // The program's mark, large and faint, above the area's name.
    const QPixmap mark = ProgramIcon().pixmap(64, 64);
    painter.setOpacity(0.18);
    painter.drawPixmap(QPointF((width() - mark.width()) / 2.0, title_->y() - mark.height() - 18),
                       mark);
    painter.setOpacity(1.0);
}

}  // namespace corva::shell
