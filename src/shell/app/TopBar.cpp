#include "shell/app/TopBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "controls/ConnectButton.h"
#include "controls/FlatButton.h"
#include "controls/GlyphButton.h"
#include "controls/LockButton.h"
#include "shell/app/Language.h"
#include "shell/app/ShellStyle.h"
#include "shell/app/ShellTexts.h"
#include "shell/dialogs/LockTexts.h"
#include "shell/tools/MeasureTexts.h"
#include "shell/tools/MeasurementTexts.h"

namespace corva::shell {
namespace {

QWidget* Separator(QWidget* parent) {
    auto* line = new QWidget(parent);
    line->setFixedSize(1, 26);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour::kLine);
    line->setPalette(palette);
    return line;
}

}  // namespace

TopBar::TopBar(Language& language, QWidget* parent)
    : QWidget(parent),
      language_{language},
      connect_{new controls::ConnectButton(this)},
      chooser_{new controls::FlatButton(controls::ButtonTone::Quiet, this)},
      state_{new QLabel(this)},
      lock_{new controls::LockButton(this)},
      more_{new controls::FlatButton(controls::ButtonTone::Quiet, this)},
      settings_{new controls::FlatButton(controls::ButtonTone::Quiet, this)},
      save_{new controls::FlatButton(controls::ButtonTone::Quiet, this)},
      open_{new controls::FlatButton(controls::ButtonTone::Quiet, this)},
      minimise_{new controls::GlyphButton(controls::Glyph::Minimise, this)},
      close_{new controls::GlyphButton(controls::Glyph::Close, this)},
      moreMenu_{new QMenu(this)} {
    setFixedHeight(kTopBarHeight);

    auto* mark = new QLabel(this);
    mark->setPixmap(ProgramIcon().pixmap(28, 28));
    auto* title = new QLabel(this);
    title->setObjectName(QStringLiteral("programTitle"));
    title->setFont(ShellFont(FontSize::Title, QFont::Bold));
    language_.BindText(title, text::kWindowTitle);

    connect_->setObjectName(QStringLiteral("connectButton"));
    chooser_->setObjectName(QStringLiteral("connectionChooser"));
    chooser_->setText(QStringLiteral("\u25BE"));  // a small downward triangle
    language_.Bind(chooser_, text::kConnectionChooser,
                   [this](const QString& name) { chooser_->setAccessibleName(name); });
    language_.Bind(chooser_, text::kConnectionChooserTip,
                   [this](const QString& tip) { chooser_->setToolTip(tip); });
    state_->setObjectName(QStringLiteral("connectionState"));
    state_->setFont(ShellFont(FontSize::Small));
    QPalette quiet = state_->palette();
    quiet.setColor(QPalette::WindowText, colour::kQuietInk);
    state_->setPalette(quiet);

    lock_->setObjectName(QStringLiteral("lockButton"));
    more_->setObjectName(QStringLiteral("moreButton"));
    settings_->setObjectName(QStringLiteral("settingsButton"));
    save_->setObjectName(QStringLiteral("saveButton"));
    open_->setObjectName(QStringLiteral("openButton"));
    minimise_->setObjectName(QStringLiteral("minimiseButton"));
    close_->setObjectName(QStringLiteral("closeButton"));
    language_.BindText(more_, text::kMore);
    language_.BindText(settings_, text::kSettings);
    language_.BindText(save_, text::kSave);
    language_.BindText(open_, text::kOpen);
    language_.Bind(minimise_, text::kMinimise,
                   [this](const QString& tip) { minimise_->setToolTip(tip); });
    language_.Bind(close_, text::kClose, [this](const QString& tip) { close_->setToolTip(tip); });

    // Commands that have no control in the standard layout; each entry is enabled once its
    // command exists.
    moreMenu_->setObjectName(QStringLiteral("moreMenu"));
    for (const UiText* label :
         {&text::kProgramDialog, &text::kMusicFiles, &text::kModeFiles, &text::kParameterReport,
          &text::kProtectUnlock, &text::kImportFiltersEntry, &text::kAutoEqEntry,
          &text::kAlignEntry, &text::kSnapshotsEntry, &text::kMeasureEntry}) {
        QAction* action = moreMenu_->addAction(QString());
        action->setEnabled(false);
        language_.BindText(action, *label);
    }
    connect(more_, &QAbstractButton::clicked, this,
            [this] { moreMenu_->popup(more_->mapToGlobal(QPoint(0, more_->height() + 2))); });

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 0, 10, 2);
    layout->setSpacing(6);
    layout->addWidget(mark);
    layout->addSpacing(4);
    layout->addWidget(title);
    layout->addSpacing(28);
    layout->addWidget(connect_);
    layout->addWidget(chooser_);
    layout->addSpacing(6);
    layout->addWidget(state_);
    layout->addStretch(1);
    layout->addWidget(lock_);
    layout->addWidget(more_);
    layout->addWidget(Separator(this));
    layout->addWidget(settings_);
    layout->addWidget(save_);
    layout->addWidget(open_);
    layout->addSpacing(10);
    layout->addWidget(Separator(this));
    layout->addSpacing(4);
    layout->addWidget(minimise_);
    layout->addWidget(close_);

    language_.OnChange(this, [this] {
        ApplyConnectionLook();
        ApplyLockLook();
    });
    ApplyConnectionLook();
    ApplyLockLook();
}

void TopBar::PlaceHistoryControls(QWidget* controls) {
    auto* row = static_cast<QHBoxLayout*>(layout());
    row->insertWidget(row->indexOf(state_) + 1, controls);
    row->insertSpacing(row->indexOf(controls), 8);
}

QAction* TopBar::moreAction(MoreCommand command) {
    return moreMenu_->actions().value(static_cast<int>(command));
}

QString TopBar::stateText() const {
    return state_->text();
}

void TopBar::SetConnectionLook(ConnectionLook look) {
    look_ = look;
    ApplyConnectionLook();
}

void TopBar::SetLocked(bool locked) {
    lock_->SetLocked(locked);
    ApplyLockLook();
}

void TopBar::ApplyLockLook() {
    // The word says where the tuning stands; the name and tip say what pressing does.
    const bool locked = lock_->locked();
    lock_->setText(language_.Pick(locked ? text::kLockedLabel : text::kUnlockedLabel));
    lock_->setAccessibleName(
        language_.Pick(locked ? text::kLockButtonUnlock : text::kLockButtonProtect));
    lock_->setToolTip(
        language_.Pick(locked ? text::kLockButtonUnlockTip : text::kLockButtonProtectTip));
    lock_->updateGeometry();
}

void TopBar::ApplyConnectionLook() {
    // The button names what it does; the lamp and the line beside it say where things stand.
    switch (look_) {
        case ConnectionLook::Disconnected:
            connect_->SetLamp(controls::LampState::Off);
            connect_->setText(language_.Pick(text::kConnect));
            state_->setText(language_.Pick(text::kNotConnected));
            break;
        case ConnectionLook::Reading:
            connect_->SetLamp(controls::LampState::Waiting);
            connect_->setText(language_.Pick(text::kDisconnect));
            state_->setText(language_.Pick(text::kReading));
            break;
        case ConnectionLook::Synchronised:
            connect_->SetLamp(controls::LampState::On);
            connect_->setText(language_.Pick(text::kDisconnect));
            state_->setText(language_.Pick(text::kOnline));
            break;
        case ConnectionLook::Updating:
            connect_->SetLamp(controls::LampState::Waiting);
            connect_->setText(language_.Pick(text::kDisconnect));
            state_->setText(language_.Pick(text::kUpdatingFirmware));
            break;
    }
    connect_->updateGeometry();
}

void TopBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    QWidget* frame = window();
    if (frame->isMaximized()) {
        return;  // a maximised window stays put; a double click brings it back
    }
    QWindow* handle = frame->windowHandle();
    if (handle != nullptr && handle->startSystemMove()) {
        return;
    }
    dragOffset_ = event->globalPosition().toPoint() - frame->pos();
}

void TopBar::mouseMoveEvent(QMouseEvent* event) {
    if (dragOffset_) {
        window()->move(event->globalPosition().toPoint() - *dragOffset_);
    }
}

void TopBar::mouseReleaseEvent(QMouseEvent* event) {
    dragOffset_.reset();
    QWidget::mouseReleaseEvent(event);
}

void TopBar::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    dragOffset_.reset();
    QWidget* frame = window();
    if (frame->isMaximized()) {
        frame->showNormal();
    } else {
        frame->showMaximized();
    }
}

void TopBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient shade(0, 0, 0, height());
    shade.setColorAt(0.0, Qt::white);
    shade.setColorAt(1.0, colour::kBar);
    painter.fillRect(rect(), shade);
    painter.fillRect(QRect(0, 0, width(), 3), colour::kAccent);
    painter.setPen(colour::kLine);
    painter.drawLine(0, height() - 1, width(), height() - 1);
}

}  // namespace corva::shell
