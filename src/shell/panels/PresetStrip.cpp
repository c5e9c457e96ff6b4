#include "shell/panels/PresetStrip.h"

#include <algorithm>

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "commands/PresetFileMessages.h"
#include "controls/PresetButton.h"
#include "shell/app/AppContext.h"
#include "shell/app/ConnectionDriver.h"
#include "shell/app/NameAndTip.h"
#include "shell/app/ShellStyle.h"
#include "shell/app/ShellTexts.h"
#include "shell/dialogs/PresetNameDialog.h"
#include "shell/panels/FileTexts.h"
#include "shell/panels/FloatingPanel.h"
#include "shell/panels/SafetyCopy.h"
#include "shell/panels/StoredPresetCopy.h"
#include "text/CodePage.h"

namespace corva::shell {
namespace {

constexpr int kCellWidthPx = 80;  // 15 cells: the strip is 1200 pixels wide
constexpr int kScrollLinePx = 10;
constexpr int kScrollPagePx = 100;
const QColor kLabelInk{181, 183, 184};

std::size_t Index(int preset) {
    return static_cast<std::size_t>(preset - 1);
}

// A scroll area whose sideways steps stay the strip's own: Qt sets the page step to the
// viewport's width whenever it lays the scroll bars out again.
class StripScrollArea : public QScrollArea {
public:
    using QScrollArea::QScrollArea;

    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool handled = QScrollArea::eventFilter(watched, event);
        KeepSteps();
        return handled;
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QScrollArea::resizeEvent(event);
        KeepSteps();
    }

private:
    void KeepSteps() {
        horizontalScrollBar()->setSingleStep(kScrollLinePx);
        horizontalScrollBar()->setPageStep(kScrollPagePx);
    }
};

}  // namespace

PresetStrip::PresetStrip(AppContext& context, ConnectionDriver& connection, FloatingPanel& panel,
                         PresetAction action, StripShade shade, QWidget* parent)
    : QWidget(parent),
      context_{context},
      connection_{connection},
      panel_{panel},
      presets_{context.session(), context.controller()},
      action_{action},
      shade_{shade},
      scroll_{new StripScrollArea(this)},
      mode_{new QLabel(this)},
      menu_{new QMenu(this)} {
    setObjectName(QStringLiteral("presetStrip"));
    Language& language = context_.language();
    language.Bind(this, text::kPresetStrip,
                  [this](const QString& name) { setAccessibleName(name); });

    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("presetStripContent"));
    auto* row = new QHBoxLayout(content);
    row->setContentsMargins(0, 4, 0, 0);
    row->setSpacing(0);
    QPalette labelPalette;
    labelPalette.setColor(QPalette::WindowText, kLabelInk);
    for (int p = 1; p <= kPresetCount; ++p) {
        auto* cell = new QVBoxLayout;
        cell->setSpacing(2);
        auto* button = new controls::PresetButton(content);
        button->setObjectName(QStringLiteral("presetButton%1").arg(p));
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        button->installEventFilter(this);
        connect(button, &QAbstractButton::clicked, this, [this, p] { Act(p); });
        connect(button, &QWidget::customContextMenuRequested, this,
                [this, p, button](const QPoint& at) { OpenMenu(p, button->mapToGlobal(at)); });
        auto* label = new QLabel(content);
        label->setObjectName(QStringLiteral("presetLabel%1").arg(p));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setPalette(labelPalette);
        label->setFont(ShellFont(FontSize::Small));
        label->setFixedWidth(kCellWidthPx);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        cell->addWidget(button, 0, Qt::AlignHCenter);
        cell->addWidget(label);
        row->addLayout(cell);
        buttons_[Index(p)] = button;
        labels_[Index(p)] = label;
    }
    content->setFixedWidth(kCellWidthPx * kPresetCount);

    scroll_->setObjectName(QStringLiteral("presetStripScroll"));
    scroll_->setWidget(content);
    // The strip's own backdrop shows through the viewport and the row of presets.
    content->setAutoFillBackground(false);
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->viewport()->setAutoFillBackground(false);
    scroll_->setStyleSheet(QStringLiteral("QScrollArea { background: transparent; }"));
    QScrollBar* bar = scroll_->horizontalScrollBar();
    BindNameAndTip(language, bar, text::kPresetStrip, text::kPresetStripScrollTip);

    // The click's action is always in sight: a delete mode must not surprise anyone.
    mode_->setObjectName(QStringLiteral("presetStripMode"));
    mode_->setFont(ShellFont(FontSize::Small));
    mode_->setContentsMargins(8, 1, 8, 0);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(mode_);
    layout->addWidget(scroll_, 1);

    menu_->setObjectName(QStringLiteral("presetMenu"));
    const std::array<std::pair<const UiText*, PresetAction>, 3> entries = {{
        {&text::kLoadMachinePreset, PresetAction::Load},
        {&text::kSaveAsMachinePreset, PresetAction::SaveAs},
        {&text::kDeleteMachinePreset, PresetAction::Delete},
    }};
    for (const auto& [label, chosen] : entries) {
        QAction* entry = menu_->addAction(QString());
        language.BindText(entry, *label);
        connect(entry, &QAction::triggered, this,
                [this, chosen] { ChooseAction(menuPreset_, chosen); });
    }

    language.OnChange(this, [this] {
        Refresh();
        ApplyTips();
    });
    connect(&context_.poster(), &NoticePoster::SessionChanged, this,
            [this](const SessionEvent& event) {
                if (event.change == SessionChange::Presets ||
                    event.change == SessionChange::Synchronised) {
                    Refresh();
                }
            });
    connect(&connection_, &ConnectionDriver::NoticeHandled, this, [this](const Notice& notice) {
        if (notice.id == NoticeId::OutputsReceived) {
            Refresh();
        }
    });
    Refresh();
    ApplyTips();
}

controls::PresetButton* PresetStrip::button(int preset) const {
    return buttons_[Index(preset)];
}

QLabel* PresetStrip::label(int preset) const {
    return labels_[Index(preset)];
}

void PresetStrip::Refresh() {
    const TuningSnapshot snapshot = context_.session().Snapshot();
    const Language& language = context_.language();
    for (int p = 1; p <= kPresetCount; ++p) {
        const std::string name = DecodeRecordText(snapshot.presetNames[Index(p)]);
        labels_[Index(p)]->setText(language.Pick(MachinePresets::StripLabel(p, name)));
        buttons_[Index(p)]->SetLook(name.empty() ? controls::PresetLook::Empty
                                                 : controls::PresetLook::Named);
        // The label's text (name or "Preset%d") is what a screen reader says for the button.
        buttons_[Index(p)]->setAccessibleName(labels_[Index(p)]->text());
    }
}

void PresetStrip::ApplyTips() {
    const UiText& tip = action_ == PresetAction::Load     ? text::kPresetButtonTipLoad
                        : action_ == PresetAction::SaveAs ? text::kPresetButtonTipSave
                                                          : text::kPresetButtonTipDelete;
    const Language& language = context_.language();
    for (int p = 1; p <= kPresetCount; ++p) {
        buttons_[Index(p)]->setToolTip(language.Pick(tip));
    }
    const UiText& mode = action_ == PresetAction::Load     ? text::kStripModeLoad
                         : action_ == PresetAction::SaveAs ? text::kStripModeSave
                                                           : text::kStripModeDelete;
    mode_->setText(language.Pick(mode));
    QPalette ink = mode_->palette();
    ink.setColor(QPalette::WindowText,
                 action_ == PresetAction::Delete ? QColor(255, 140, 120) : kLabelInk);
    mode_->setPalette(ink);
    mode_->setAccessibleName(mode_->text());
}

void PresetStrip::OpenMenu(int preset, QPoint globalPos) {
    menuPreset_ = preset;
    menu_->popup(globalPos);
}

void PresetStrip::ChooseAction(int preset, PresetAction action) {
    const bool changed = action_ != action;
    action_ = action;
    ApplyTips();
    if (changed) {
        emit ActionChanged(action);
    }
    Act(preset);
}

void PresetStrip::Act(int preset) {
    if (preset < 1 || preset > kPresetCount) {
        return;
    }
    ++busy_;
    {
        const FloatingPanel::Hold hold(panel_);  // boxes and dialogs take the activation
        switch (action_) {
            case PresetAction::Load:
                LoadPreset(preset);
                break;
            case PresetAction::SaveAs:
                SavePresetAs(preset);
                break;
            case PresetAction::Delete:
                DeletePreset(preset);
                break;
        }
    }
    --busy_;
    Refresh();
    ApplyTips();
}

void PresetStrip::LoadPreset(int preset) {
    if (!KeepSafetyCopy(context_, SnapshotReason::Recall)) {
        return;
    }
    const auto refused = presets_.Load(preset);
    if (refused) {
        Show(refused);
        return;
    }
    connection_.NoteBulkTransfer();
}

void PresetStrip::SavePresetAs(int preset) {
    if (const auto refused = presets_.StripRefusal()) {
        Show(refused);
        return;
    }
    PresetNameDialog dialog(preset, ToQString(DecodeRecordText(presets_.Name(preset))),
                            context_.language(), this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    // The field holds only what the record's code page can carry.
    const std::string name = EncodeRecordText(dialog.name().toStdString()).value_or(std::string());
    if (const auto refused = presets_.SaveAsRefusal(preset, name)) {
        Show(refused);
        return;
    }
    // A named preset is kept among the safety copies before it is overwritten.
    ++busy_;
    KeepStoredPresetThen(context_, preset, this, [this, preset, name] {
        --busy_;
        const FloatingPanel::Hold hold(panel_);
        const auto refused = presets_.SaveAs(preset, name);
        if (refused) {
            Show(refused);
            return;
        }
        connection_.NoteBulkTransfer();
        Refresh();
    });
}

void PresetStrip::DeletePreset(int preset) {
    const auto refused = presets_.Delete(preset, [this](const UiText& question) {
        const Language& language = context_.language();
        return context_.messages().AskYesNo(language.Pick(question),
                                            language.Pick(text::kWindowTitle));
    });
    Show(refused);
}

void PresetStrip::Show(const std::optional<UserMessage>& message) {
    if (!message) {
        return;
    }
    const Language& language = context_.language();
    if (message->style == MessageStyle::Timed) {
        // The one timed notice of the strip asks for a name, under its own caption.
        context_.messages().ShowTimed(language.Pick(message->text),
                                      language.Pick(EnterNameCaption()));
        return;
    }
    Present(context_.messages(), language, *message);
}

bool PresetStrip::eventFilter(QObject* watched, QEvent* event) {
    auto* button = qobject_cast<controls::PresetButton*>(watched);
    if (button == nullptr) {
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::FocusIn) {
        scroll_->ensureWidgetVisible(button, 4, 0);
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const auto at = std::find(buttons_.begin(), buttons_.end(), button);
        const auto index = static_cast<int>(at - buttons_.begin());
        const int step = key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
        if (step != 0 && at != buttons_.end()) {
            const int next = std::clamp(index + step, 0, kPresetCount - 1);
            buttons_[static_cast<std::size_t>(next)]->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PresetStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor top = shade_ == StripShade::Save ? QColor(42, 62, 104) : QColor(34, 50, 88);
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0.0, top);
    fill.setColorAt(1.0, top.darker(125));
    painter.fillRect(rect(), fill);
}

}  // namespace corva::shell
