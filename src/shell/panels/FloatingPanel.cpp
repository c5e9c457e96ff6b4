#include "shell/panels/FloatingPanel.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "controls/GlyphButton.h"
#include "shell/app/AppContext.h"
#include "shell/app/ShellStyle.h"
#include "shell/app/ShellTexts.h"

namespace corva::shell {

FloatingPanel::FloatingPanel(AppContext& context, PanelSlot slot, const UiText& title,
                             DragArea dragArea, QWidget* parent)
    : QFrame(parent, Qt::Tool | Qt::FramelessWindowHint),
      context_{context},
      slot_{slot},
      dragArea_{dragArea},
      body_{new QVBoxLayout} {
    setFixedSize(kPanelWidth, kPanelHeight);
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* titleLabel = new QLabel(this);
    titleLabel->setObjectName(QStringLiteral("panelTitle"));
    titleLabel->setFont(ShellFont(FontSize::Normal, QFont::DemiBold));
    titleLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    context_.language().BindText(titleLabel, title);

    auto* close = new controls::GlyphButton(controls::Glyph::Close, this);
    close->setObjectName(QStringLiteral("panelClose"));
    close->setFixedSize(30, 24);
    context_.language().Bind(close, text::kClose,
                             [close](const QString& tip) { close->setToolTip(tip); });
    connect(close, &QAbstractButton::clicked, this, [this] { emit CloseRequested(slot_); });

    auto* header = new QHBoxLayout;
    header->setContentsMargins(12, 3, 4, 0);
    header->addWidget(titleLabel);
    header->addStretch();
    header->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 0, 1, 1);
    layout->setSpacing(0);
    auto* headerHost = new QWidget(this);
    headerHost->setFixedHeight(kPanelHeaderHeight);
    headerHost->setLayout(header);
    headerHost->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    layout->addWidget(headerHost);
    body_->setContentsMargins(16, 12, 16, 14);
    body_->setSpacing(10);
    layout->addLayout(body_, 1);
}

QPoint KeptInside(QPoint wanted, QSize panel, const QRect& window, const QRect& screen) {
    QPoint placed = wanted;
    for (const QRect& bounds : {window, screen}) {
        if (bounds.isEmpty()) {
            continue;
        }
        placed.setX(std::min(placed.x(), bounds.right() + 1 - panel.width()));
        placed.setX(std::max(placed.x(), bounds.left()));
        placed.setY(std::min(placed.y(), bounds.bottom() + 1 - panel.height()));
        placed.setY(std::max(placed.y(), bounds.top()));
    }
    return placed;
}

void FloatingPanel::PlaceUnder(const QWidget* anchor, int gapPx) {
    if (!anchor) {
        return;
    }
    const QPoint wanted = anchor->mapToGlobal(QPoint(0, anchor->height() + gapPx));
    const QWidget* window = anchor->window();
    const QRect windowRect(window->mapToGlobal(QPoint(0, 0)), window->size());
    const QScreen* screen = window->screen();
    const QSize panelSize = isVisible() ? size() : size().expandedTo(sizeHint());
    move(KeptInside(wanted, panelSize, windowRect, screen ? screen->availableGeometry() : QRect()));
}

bool FloatingPanel::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate) {
        // Decide once the activation has settled: the new active window may be our own box.
        QTimer::singleShot(0, this, &FloatingPanel::CloseIfInactive);
    }
    return QFrame::event(event);
}

bool FloatingPanel::KeptOpen() const {
    return context_.busy || holds_ > 0 || QApplication::activeModalWidget() != nullptr;
}

void FloatingPanel::CloseIfInactive() {
    if (isVisible() && !isActiveWindow() && !KeptOpen()) {
        emit CloseRequested(slot_);
    }
}

void FloatingPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colour::kBackground);
    painter.fillRect(QRect(0, 0, width(), kPanelHeaderHeight), colour::kBar);
    painter.setPen(colour::kLine);
    painter.drawLine(0, kPanelHeaderHeight, width(), kPanelHeaderHeight);
    painter.setPen(QPen(colour::kAccent.lighter(140), 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.fillRect(QRect(0, 0, width(), 2), colour::kAccent);
}

void FloatingPanel::mousePressEvent(QMouseEvent* event) {
    const bool inDragArea =
        dragArea_ == DragArea::Anywhere || event->position().y() < kPanelHeaderHeight;
    if (event->button() == Qt::LeftButton && inDragArea) {
        dragging_ = true;
        dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
        event->accept();
        return;
    }
    QFrame::mousePressEvent(event);
}

void FloatingPanel::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - dragOffset_);
        event->accept();
        return;
    }
    QFrame::mouseMoveEvent(event);
}

void FloatingPanel::mouseReleaseEvent(QMouseEvent* event) {
    dragging_ = false;
    QFrame::mouseReleaseEvent(event);
}

}  // namespace corva::shell
