#include "pages/FullInterfacePage.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "pages/EqEditorPanel.h"
#include "pages/GraphPalette.h"
#include "pages/ResponseGraph.h"
#include "text/CodePage.h"

namespace corva::pages {
namespace {

constexpr int kGraphHeightPx = 318;

const UiText kChooserLabel{"Output channel", "输出通道"};
const UiText kChannelButtonTip{"Show and edit this output channel", "显示并编辑此输出通道"};
const UiText kLockedNotice{
    "The tuning is protected: its values are hidden. Unlock it with its password "
    "(More, Unlock) to edit it.",
    "音效已加密：参数已隐藏。请用密码解锁（更多 → 解锁）后再编辑。"};

}  // namespace

FullInterfacePage::FullInterfacePage(TuningSession& session, ConfirmQuestion confirm,
                                     QWidget* parent)
    : QWidget(parent),
      session_{session},
      editor_{session},
      channels_{new QButtonGroup(this)},
      chooserLabel_{new QLabel(this)},
      lockedNotice_{new QLabel(this)},
      graph_{new ResponseGraph(session, this)},
      eqEditor_{new EqEditorPanel(session, editor_, std::move(confirm), this)} {
    setObjectName(QStringLiteral("fullInterfacePage"));
    auto* chooser = new QHBoxLayout;
    chooser->setSpacing(6);
    chooser->addWidget(chooserLabel_);
    for (int c = 0; c < kOutputChannelCount; ++c) {
        auto* button = new QPushButton(this);
        button->setCheckable(true);
        button->setMinimumWidth(84);
        button->setFocusPolicy(Qt::StrongFocus);
        const QColor colour = kChannelColours[static_cast<std::size_t>(c)];
        button->setStyleSheet(
            QStringLiteral("QPushButton{border-left:4px solid %1;padding:3px 10px;}"
                           "QPushButton:checked{background:%2;font-weight:bold;}")
                .arg(colour.name(), colour.lighter(185).name()));
        channels_->addButton(button, c);
        chooser->addWidget(button);
    }
    chooser->addStretch();
    channels_->button(0)->setChecked(true);
    connect(channels_, &QButtonGroup::idClicked, this, &FullInterfacePage::SetCurrentChannel);

    lockedNotice_->setWordWrap(true);
    lockedNotice_->setAlignment(Qt::AlignCenter);
    lockedNotice_->hide();
    graph_->setFixedHeight(kGraphHeightPx);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 6);
    layout->setSpacing(6);
    layout->addLayout(chooser);
    layout->addWidget(graph_);
    layout->addWidget(eqEditor_, 0, Qt::AlignHCenter);
    layout->addWidget(lockedNotice_, 1);
    layout->addStretch();

    connect(eqEditor_, &EqEditorPanel::Edited, graph_, &ResponseGraph::RefreshFromSession);
    ShowTexts();
    RefreshAll();
}

QAbstractButton* FullInterfacePage::channelButton(int channel) const {
    return channels_->button(channel);
}

void FullInterfacePage::SetCurrentChannel(int channel) {
    if (channel < 0 || channel >= kOutputChannelCount) {
        return;
    }
    channel_ = channel;
    channels_->button(channel)->setChecked(true);
    graph_->SetCurrentChannel(channel);
    eqEditor_->SetCurrentChannel(channel);
}

void FullInterfacePage::SetLanguage(UiLanguage language) {
    language_ = language;
    graph_->SetLanguage(language);
    eqEditor_->SetLanguage(language);
    ShowTexts();
}

void FullInterfacePage::SetEditingVisible(bool visible) {
    editingVisible_ = visible;
    graph_->setVisible(visible);
    eqEditor_->setVisible(visible);
    for (QAbstractButton* button : channels_->buttons()) {
        button->setEnabled(visible);
    }
    lockedNotice_->setVisible(!visible);
}

void FullInterfacePage::OnSessionChanged(const SessionEvent& event) {
    if (event.change == SessionChange::MainVolume) {
        return;  // shown by the main volume panel, not here
    }
    RefreshAll();
}

void FullInterfacePage::RefreshAll() {
    Show(session_.Snapshot());
}

void FullInterfacePage::Show(const TuningSnapshot& snapshot) {
    for (int c = 0; c < kOutputChannelCount; ++c) {
        const auto& view = snapshot.outputs[static_cast<std::size_t>(c)];
        // Channel 1's name slot carries the password while protected: no name then.
        const bool hidden = c == 0 && snapshot.isProtected;
        const QString name =
            hidden ? QString() : QString::fromStdString(DecodeRecordText(view.name)).trimmed();
        names_[static_cast<std::size_t>(c)] =
            name.isEmpty() ? QString::fromLatin1(kDefaultChannelNames[static_cast<std::size_t>(c)])
                           : name;
        QAbstractButton* button = channels_->button(c);
        button->setText(view.linked ? names_[static_cast<std::size_t>(c)] + QStringLiteral(" ∞")
                                    : names_[static_cast<std::size_t>(c)]);
        button->setAccessibleName(
            QStringLiteral("Channel %1 %2").arg(c + 1).arg(names_[static_cast<std::size_t>(c)]));
    }
    graph_->SetChannelNames(names_);
    graph_->Refresh(snapshot);
    eqEditor_->Refresh(snapshot);
    SetEditingVisible(!snapshot.isProtected);
}

void FullInterfacePage::ShowTexts() {
    const auto pick = [this](const UiText& text) {
        return QString::fromStdString(text.In(language_));
    };
    chooserLabel_->setText(pick(kChooserLabel));
    lockedNotice_->setText(pick(kLockedNotice));
    for (QAbstractButton* button : channels_->buttons()) {
        button->setToolTip(pick(kChannelButtonTip));
    }
    setAccessibleName(language_ == UiLanguage::Chinese ? QStringLiteral("完整界面")
                                                       : QStringLiteral("Full interface page"));
}

}  // namespace corva::pages
