#include "pages/FullInterfacePage.h"

#include <algorithm>

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStringList>
#include <QVBoxLayout>

#include "pages/EqEditorPanel.h"
#include "pages/GraphPalette.h"
#include "pages/ResponseGraph.h"
#include "text/CodePage.h"

namespace corva::pages {
namespace {

constexpr int kGraphHeightPx = 318;

const UiText kChooserLabel{"Output channel", "输出通道"};
const UiText kChannelButtonTip{"Show and edit output channel %1 (Alt+%1)",
                               "显示并编辑输出通道 %1（Alt+%1）"};
const UiText kLinkedWith{"Linked with %1", "与%1联动"};
const UiText kNotLinked{"Not linked", "未联动"};
const UiText kChannelNamed{"channel %1 (%2)", "通道 %1（%2）"};

constexpr int kUnlinked = -1;  // no group lead: the button has no outline

// A channel button's own colour strip on the left; linked buttons add a dashed outline in the
// colour of their group's first channel, so a linked pair reads as one at a glance.
QString ChooserStyle(int channel, int groupLead) {
    const QColor colour = kChannelColours[static_cast<std::size_t>(channel)];
    const QString outline =
        groupLead == kUnlinked
            ? QString()
            : QStringLiteral("border:2px dashed %1;")
                  .arg(kChannelColours[static_cast<std::size_t>(groupLead)].name());
    return QStringLiteral(
               "QPushButton{%3border-left:4px solid %1;padding:3px 10px;}"
               "QPushButton:checked{background:%2;font-weight:bold;}")
        .arg(colour.name(), colour.lighter(185).name(), outline);
}
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
        button->setStyleSheet(ChooserStyle(c, kUnlinked));
        channels_->addButton(button, c);
        chooser->addWidget(button);
        // Alt+digit: free of the window's own keys (Enter, Esc, Ctrl+S) and of the arrows and
        // Tab that move along the value fields, and reachable with one hand.
        auto* shortcut = new QShortcut(
            QKeySequence(QKeyCombination(Qt::AltModifier, static_cast<Qt::Key>(Qt::Key_1 + c))),
            this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, c] { SetCurrentChannel(c); });
        shortcuts_.at(static_cast<std::size_t>(c)) = shortcut;
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
    SelectFirstShapingBand(session_.Snapshot());
}

void FullInterfacePage::SelectFirstShapingBand(const TuningSnapshot& snapshot) {
    const auto& bands = snapshot.outputs[static_cast<std::size_t>(channel_)].bands;
    const auto shaping = std::find_if(bands.begin(), bands.end(),
                                      [](const BandView& band) { return !band.bypassed; });
    graph_->SetCurrentBand(shaping == bands.end() ? 0 : static_cast<int>(shaping - bands.begin()));
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
    for (QShortcut* shortcut : shortcuts_) {
        shortcut->setEnabled(visible);
    }
    lockedNotice_->setVisible(!visible);
}

void FullInterfacePage::OnSessionChanged(const SessionEvent& event) {
    if (event.change == SessionChange::MainVolume) {
        return;  // shown by the main volume panel, not here
    }
    const TuningSnapshot snapshot = session_.Snapshot();
    Show(snapshot);
    // A tuning just read from the processor opens on a band that shapes the sound.
    if (event.change == SessionChange::Synchronised && snapshot.synchronised) {
        SelectFirstShapingBand(snapshot);
    }
}

void FullInterfacePage::RefreshAll() {
    Show(session_.Snapshot());
}

void FullInterfacePage::Show(const TuningSnapshot& snapshot) {
    for (int c = 0; c < kOutputChannelCount; ++c) {
        auto& partners = linkPartners_[static_cast<std::size_t>(c)];
        partners.clear();
        for (int other = 0; other < kOutputChannelCount; ++other) {
            if (other != c && snapshot.outputs[static_cast<std::size_t>(other)].linkGroup ==
                                  snapshot.outputs[static_cast<std::size_t>(c)].linkGroup) {
                partners.push_back(other);
            }
        }
    }
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
    ShowLinkMarks();
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
    for (int c = 0; c < kOutputChannelCount; ++c) {
        channels_->button(c)->setToolTip(pick(kChannelButtonTip).arg(c + 1));
    }
    ShowLinkMarks();
    setAccessibleName(language_ == UiLanguage::Chinese ? QStringLiteral("完整界面")
                                                       : QStringLiteral("Full interface page"));
}

// The style sheet is set only when a button's mark changes: restyling is the costly part of a
// refresh, and most refreshes change no link.
void FullInterfacePage::ShowLinkMarks() {
    const auto pick = [this](const UiText& text) {
        return QString::fromStdString(text.In(language_));
    };
    for (int c = 0; c < kOutputChannelCount; ++c) {
        const auto& partners = linkPartners_[static_cast<std::size_t>(c)];
        QAbstractButton* button = channels_->button(c);
        QStringList named;
        for (const int other : partners) {
            named << pick(kChannelNamed)
                         .arg(QString::number(other + 1), names_[static_cast<std::size_t>(other)]);
        }
        button->setAccessibleDescription(
            partners.empty() ? pick(kNotLinked)
                             : pick(kLinkedWith).arg(named.join(QStringLiteral(", "))));
        const int groupLead = partners.empty() ? kUnlinked : std::min(c, partners.front());
        const QString style = ChooserStyle(c, groupLead);
        if (button->styleSheet() != style) {
            button->setStyleSheet(style);
        }
    }
}

}  // namespace corva::pages
