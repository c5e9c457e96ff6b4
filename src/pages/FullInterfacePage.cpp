#include "pages/FullInterfacePage.h"

#include <algorithm>

#include <QButtonGroup>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QStringList>
#include <QVBoxLayout>

#include "controls/PaintCachedPushButton.h"
#include "controls/ValueField.h"
#include "pages/ChannelSettingsDialog.h"
#include "pages/ChannelSettingsTexts.h"
#include "pages/ChannelStrip.h"
#include "pages/CompactGainsRow.h"
#include "pages/CrossoverControls.h"
#include "pages/DelayPanel.h"
#include "pages/EqEditorPanel.h"
#include "pages/GraphPalette.h"
#include "pages/LinkDirectionDialog.h"
#include "pages/MainVolumePanel.h"
#include "pages/PageTexts.h"
#include "pages/ResponseGraph.h"
#include "text/CodePage.h"

namespace corva::pages {
namespace {

constexpr int kGraphMinimumHeightPx = 300;
constexpr int kChooserMinimumWidthPx = 76;
constexpr int kChooserMaximumWidthPx = 110;
constexpr int kChooserFramePx = 4 + 2 + 2 * 10 + 4;  // colour strip, outline, padding, margin
constexpr int kEditorColumnWidthPx = 352;
constexpr int kVolumeColumnWidthPx = 76;
constexpr std::array<std::array<int, 2>, kPairCount> kPairs{{{0, 1}, {2, 3}, {4, 5}}};

const UiText kPageName = Tr("Page", "Full interface page");
const UiText kChannelName = Tr("Page", "Channel %1 %2", "accessible name");
const UiText kChooserLabel = Tr("Page", "Output channel");
const UiText kChannelButtonTip = Tr("Page", "Show and edit output channel %1 (Alt+%1)");
const UiText kLinkedWith = Tr("Page", "Linked with %1");
const UiText kNotLinked = Tr("Page", "Not linked");
const UiText kChannelNamed = Tr("Page", "channel %1 (%2)");

constexpr int kUnlinked = -1;  // no group lead: the button has no outline

// A channel button's own colour strip on the left; linked buttons add a dashed outline in the
// colour of their group's first channel, so a linked pair reads as one at a glance.
QString ChooserStyle(int channel, int groupLead) {
    const QColor colour = kChannelColours[static_cast<std::size_t>(channel)];
    // Unlinked buttons keep a clear border of the same width, so a link moves nothing.
    const QString outline =
        groupLead == kUnlinked
            ? QStringLiteral("border:2px solid transparent;")
            : QStringLiteral("border:2px dashed %1;")
                  .arg(kChannelColours[static_cast<std::size_t>(groupLead)].name());
    return QStringLiteral(
               "QPushButton{%3border-left:4px solid %1;padding:3px 10px;}"
               "QPushButton:checked{background:%2;font-weight:bold;}")
        .arg(colour.name(), colour.lighter(185).name(), outline);
}
const UiText kLinkButton = Tr("Page", "Link");

// Alt plus a letter, for the window as a whole.
QShortcut* AltShortcut(Qt::Key key, QWidget* parent) {
    auto* shortcut = new QShortcut(QKeySequence(QKeyCombination(Qt::AltModifier, key)), parent);
    shortcut->setContext(Qt::WindowShortcut);
    return shortcut;
}

QPushButton* LowerAreaButton(QWidget* parent) {
    auto* button = new controls::PaintCachedPushButton(parent);
    button->setCheckable(true);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setStyleSheet(
        QStringLiteral("QPushButton{padding:3px 12px;min-width:92px;}"
                       "QPushButton:checked{background:#d9ddf2;font-weight:bold;}"));
    return button;
}

const UiText kLockedNotice = Tr(
    "Page",
    "The tuning is protected: its values are shown read-only. To edit them, press the padlock "
    "button \"Locked\" in the top bar (or More, \"Protect or unlock...\") and enter the password.");

}  // namespace

FullInterfacePage::FullInterfacePage(TuningSession& session, ConfirmQuestion confirm,
                                     QWidget* parent)
    : QWidget(parent),
      session_{session},
      editor_{session},
      channels_{new QButtonGroup(this)},
      lowerButtons_{new QButtonGroup(this)},
      chooserLabel_{new QLabel(this)},
      lockedNotice_{new QLabel(this)},
      settingsButton_{new controls::PaintCachedPushButton(this)},
      graph_{new ResponseGraph(session, this)},
      crossover_{new CrossoverControls(editor_, this)},
      delay_{new DelayPanel(editor_, this)},
      volume_{new MainVolumePanel(editor_, this)},
      editorColumn_{new QWidget(this)},
      eqEditor_{new EqEditorPanel(session, editor_, std::move(confirm), this)},
      gainsRow_{new CompactGainsRow(editor_, this)},
      stripsRow_{new QWidget(this)} {
    setObjectName(QStringLiteral("fullInterfacePage"));
    linkQuestion_ = [this](int pair) {
        const auto& [left, right] = kPairs.at(static_cast<std::size_t>(pair));
        return LinkDirectionDialog::Ask(names_.at(static_cast<std::size_t>(left)),
                                        names_.at(static_cast<std::size_t>(right)), language_,
                                        this);
    };

    // The chooser row: each pair's link button sits between its two channels.
    auto* chooser = new QHBoxLayout;
    chooser->setSpacing(6);
    chooser->addWidget(chooserLabel_);
    for (int c = 0; c < kOutputChannelCount; ++c) {
        auto* button = new controls::PaintCachedPushButton(this);
        button->setCheckable(true);
        button->setMinimumWidth(kChooserMinimumWidthPx);
        button->setMaximumWidth(kChooserMaximumWidthPx);
        button->setFocusPolicy(Qt::StrongFocus);
        button->setStyleSheet(ChooserStyle(c, kUnlinked));
        channels_->addButton(button, c);
        chooser->addWidget(button);
        if (c % 2 == 0) {
            auto* link = new controls::PaintCachedPushButton(this);
            link->setCheckable(true);
            link->setFocusPolicy(Qt::StrongFocus);
            link->setStyleSheet(
                QStringLiteral("QPushButton{padding:3px 6px;min-width:36px;}"
                               "QPushButton:checked{background:#d9ddf2;font-weight:bold;}"));
            links_.at(static_cast<std::size_t>(c / 2)) = link;
            chooser->addWidget(link);
            connect(link, &QPushButton::clicked, this, [this, c] { TogglePairLink(c / 2); });
        } else {
            chooser->addSpacing(10);
        }
        // Alt+digit: free of the window's own keys (Enter, Esc, Ctrl+S) and of the arrows and
        // Tab that move along the value fields, and reachable with one hand.
        auto* shortcut = AltShortcut(static_cast<Qt::Key>(Qt::Key_1 + c), this);
        connect(shortcut, &QShortcut::activated, this, [this, c] { SetCurrentChannel(c); });
        shortcuts_.at(static_cast<std::size_t>(c)) = shortcut;
    }
    chooser->addStretch();
    channels_->button(0)->setChecked(true);
    connect(channels_, &QButtonGroup::idClicked, this, &FullInterfacePage::SetCurrentChannel);

    for (const LowerArea area : {LowerArea::EqEditor, LowerArea::ChannelStrips}) {
        QPushButton* button = LowerAreaButton(this);
        lowerButtons_->addButton(button, static_cast<int>(area));
        chooser->addWidget(button);
        const Qt::Key key = area == LowerArea::EqEditor ? Qt::Key_E : Qt::Key_C;
        QShortcut* shortcut = AltShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, [this, area] { ShowLowerArea(area); });
        shortcuts_.at(static_cast<std::size_t>(kOutputChannelCount) +
                      static_cast<std::size_t>(area)) = shortcut;
    }
    connect(lowerButtons_, &QButtonGroup::idClicked, this,
            [this](int area) { ShowLowerArea(static_cast<LowerArea>(area)); });
    settingsButton_->setObjectName(QStringLiteral("channelSettingsButton"));
    settingsButton_->setFocusPolicy(Qt::StrongFocus);
    chooser->addWidget(settingsButton_);
    connect(settingsButton_, &QPushButton::clicked, this, [this] { OpenChannelSettings(); });
    connect(AltShortcut(Qt::Key_S, this), &QShortcut::activated, this,
            [this] { OpenChannelSettings(); });

    lockedNotice_->setWordWrap(true);
    lockedNotice_->setAlignment(Qt::AlignCenter);
    lockedNotice_->setObjectName(QStringLiteral("lockedNotice"));
    lockedNotice_->setStyleSheet(QStringLiteral(
        "QLabel{background:#fbe3e3;color:#7a1010;border:1px solid #e0a0a0;padding:3px;}"));
    lockedNotice_->hide();
    graph_->setMinimumHeight(kGraphMinimumHeightPx);

    auto* column = new QVBoxLayout(editorColumn_);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(12);
    column->addWidget(crossover_);
    column->addWidget(delay_);
    column->addStretch();
    editorColumn_->setFixedWidth(kEditorColumnWidthPx);
    volume_->setFixedWidth(kVolumeColumnWidthPx);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(10);
    middle->addWidget(graph_, 1);
    middle->addWidget(editorColumn_);
    middle->addWidget(volume_);

    auto* strips = new QHBoxLayout(stripsRow_);
    strips->setContentsMargins(0, 0, 0, 0);
    strips->setSpacing(8);
    for (int c = 0; c < kOutputChannelCount; ++c) {
        auto* strip = new ChannelStrip(c, editor_, stripsRow_);
        strips_.at(static_cast<std::size_t>(c)) = strip;
        strips->addWidget(strip, 1);
        connect(strip, &ChannelStrip::ChannelChosen, this, &FullInterfacePage::SetCurrentChannel);
    }
    stripsRow_->setFixedHeight(kEqPanelHeightPx);
    stripsRow_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 6);
    layout->setSpacing(6);
    layout->addLayout(chooser);
    layout->addWidget(lockedNotice_);
    layout->addLayout(middle, 1);
    layout->addWidget(gainsRow_);
    layout->addWidget(eqEditor_);
    layout->addWidget(stripsRow_);

    // The graph and the EQ columns share the selected band.
    connect(graph_, &ResponseGraph::BandSelected, eqEditor_, &EqEditorPanel::SetSelectedBand);
    connect(eqEditor_, &EqEditorPanel::BandEdited, this, &FullInterfacePage::SelectBand);
    connect(delay_, &DelayPanel::ChannelChosen, this, &FullInterfacePage::SetCurrentChannel);
    connect(delay_, &DelayPanel::UnitChanged, this, [this](DelayUnit unit) {
        if (settings_ != nullptr) {
            settings_->SetDelayUnit(unit);
        }
    });
    lowerAreaButton(LowerArea::EqEditor)->setChecked(true);
    ShowTexts();
    RefreshAll();
}

QAbstractButton* FullInterfacePage::channelButton(int channel) const {
    return channels_->button(channel);
}

ChannelSettingsDialog& FullInterfacePage::OpenChannelSettings() {
    if (settings_ == nullptr) {
        settings_ = new ChannelSettingsDialog(session_, editor_, this);
        settings_->SetLanguage(language_);
        settings_->SetDelayUnit(delay_->unit());
        settings_->SetChannel(channel_, names_[static_cast<std::size_t>(channel_)]);
    }
    settings_->show();
    settings_->raise();
    settings_->activateWindow();
    return *settings_;
}

QAbstractButton* FullInterfacePage::lowerAreaButton(LowerArea area) const {
    return lowerButtons_->button(static_cast<int>(area));
}

std::vector<controls::ValueField*> FullInterfacePage::ValueFieldsInRingOrder() const {
    std::vector<controls::ValueField*> fields{crossover_->frequencyField(CrossoverFilter::HighPass),
                                              crossover_->frequencyField(CrossoverFilter::LowPass)};
    for (int c = 0; c < kOutputChannelCount; ++c) {
        fields.push_back(delay_->field(c));
    }
    fields.push_back(volume_->field());
    for (const ChannelStrip* strip : strips_) {
        fields.push_back(strip->gainField());
    }
    for (int c = 0; c < kOutputChannelCount; ++c) {
        fields.push_back(gainsRow_->gainField(c));  // shown instead of the strips with the EQ
    }
    for (controls::ValueField* field : eqEditor_->ValueFieldsInRingOrder()) {
        fields.push_back(field);
    }
    return fields;
}

void FullInterfacePage::SetCurrentChannel(int channel) {
    if (channel < 0 || channel >= kOutputChannelCount || channel == channel_) {
        return;
    }
    channel_ = channel;
    channels_->button(channel)->setChecked(true);
    graph_->SetCurrentChannel(channel);
    eqEditor_->SetCurrentChannel(channel);
    crossover_->SetCurrentChannel(channel);
    const TuningSnapshot snapshot = session_.Snapshot();
    ShowCurrentCrossover(snapshot);
    ShowSelectMarks(snapshot);
    SelectFirstShapingBand(snapshot);
    if (settings_ != nullptr) {
        settings_->SetChannel(channel, names_[static_cast<std::size_t>(channel)]);
    }
}

void FullInterfacePage::SelectFirstShapingBand(const TuningSnapshot& snapshot) {
    const auto& bands = snapshot.outputs[static_cast<std::size_t>(channel_)].bands;
    const auto shaping = std::find_if(bands.begin(), bands.end(),
                                      [](const BandView& band) { return !band.bypassed; });
    SelectBand(shaping == bands.end() ? 0 : static_cast<int>(shaping - bands.begin()));
}

void FullInterfacePage::SelectBand(int band) {
    graph_->SetCurrentBand(band);
    eqEditor_->SetSelectedBand(graph_->currentBand());
}

void FullInterfacePage::SetLanguage(UiLanguage language) {
    language_ = language;
    graph_->SetLanguage(language);
    eqEditor_->SetLanguage(language);
    crossover_->SetLanguage(language);
    delay_->SetLanguage(language);
    volume_->SetLanguage(language);
    for (ChannelStrip* strip : strips_) {
        strip->SetLanguage(language);
    }
    gainsRow_->SetLanguage(language);
    if (settings_ != nullptr) {
        settings_->SetLanguage(language);
    }
    ShowTexts();
}

void FullInterfacePage::ShowLowerArea(LowerArea area) {
    lowerArea_ = area;
    lowerAreaButton(area)->setChecked(true);
    eqEditor_->setVisible(area == LowerArea::EqEditor);
    gainsRow_->setVisible(area == LowerArea::EqEditor);
    stripsRow_->setVisible(area == LowerArea::ChannelStrips);
}

void FullInterfacePage::SetLinkDirectionQuestion(LinkDirectionQuestion question) {
    linkQuestion_ = std::move(question);
}

void FullInterfacePage::TogglePairLink(int pair) {
    if (pair < 0 || pair >= kPairCount) {
        return;
    }
    // The change event of the link (or of the unlink) shows it on the whole page.
    editor_.TogglePairLink(pair, [this, pair] { return linkQuestion_(pair); });
    links_.at(static_cast<std::size_t>(pair))->setChecked(editor_.IsPairLinked(pair));
}

// Protected tuning stays on screen: values and curves are shown, every control that would
// change them is disabled, and choosing what to look at (channel, lower area) still works.
void FullInterfacePage::SetEditingVisible(bool visible) {
    editingVisible_ = visible;
    graph_->setEnabled(visible);
    crossover_->setEnabled(visible);
    for (int c = 0; c < kOutputChannelCount; ++c) {
        delay_->field(c)->setEnabled(visible);
        strips_.at(static_cast<std::size_t>(c))->setEnabled(visible);
    }
    eqEditor_->setEnabled(visible);
    gainsRow_->setEnabled(visible);
    for (QAbstractButton* link : links_) {
        link->setEnabled(visible);
    }
    lockedNotice_->setVisible(!visible);
}

void FullInterfacePage::OnSessionChanged(const SessionEvent& event) {
    switch (event.change) {
        case SessionChange::History:
        case SessionChange::Presets:
            return;  // nothing the page shows
        case SessionChange::MainVolume:
            volume_->Show(session_.Snapshot());
            return;
        case SessionChange::Outputs:
            ShowOutputs(session_.Snapshot(), event.channels);
            return;
        default:
            break;
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

bool FullInterfacePage::LinksOrNamesChanged(const TuningSnapshot& snapshot) const {
    for (std::size_t c = 0; c < snapshot.outputs.size(); ++c) {
        if (snapshot.outputs[c].linkGroup != shownGroups_[c] ||
            snapshot.outputs[c].name != shownRecordNames_[c]) {
            return true;
        }
    }
    return false;
}

void FullInterfacePage::ShowOutputs(const TuningSnapshot& snapshot, std::uint8_t channels) {
    if (LinksOrNamesChanged(snapshot)) {
        Show(snapshot);
        return;
    }
    graph_->Refresh(snapshot);  // redraws only the curves that changed
    if ((channels >> channel_) & 1U) {
        eqEditor_->Refresh(snapshot);
        ShowCurrentCrossover(snapshot);
    }
    delay_->Show(snapshot, names_);
    gainsRow_->Show(snapshot, names_);
    for (int c = 0; c < kOutputChannelCount; ++c) {
        if ((channels >> c) & 1U) {
            strips_.at(static_cast<std::size_t>(c))
                ->Show(snapshot.outputs[static_cast<std::size_t>(c)],
                       names_[static_cast<std::size_t>(c)]);
        }
    }
}

void FullInterfacePage::ReadNames(const TuningSnapshot& snapshot) {
    for (int c = 0; c < kOutputChannelCount; ++c) {
        const auto& view = snapshot.outputs[static_cast<std::size_t>(c)];
        // Channel 1's name slot carries the password while protected: no name then.
        const bool hidden = c == 0 && snapshot.isProtected;
        const QString name =
            hidden ? QString() : QString::fromStdString(DecodeRecordText(view.name)).trimmed();
        names_[static_cast<std::size_t>(c)] =
            name.isEmpty() ? QString::fromLatin1(kDefaultChannelNames[static_cast<std::size_t>(c)])
                           : name;
        auto& partners = linkPartners_[static_cast<std::size_t>(c)];
        partners.clear();
        for (int other = 0; other < kOutputChannelCount; ++other) {
            if (other != c &&
                snapshot.outputs[static_cast<std::size_t>(other)].linkGroup == view.linkGroup) {
                partners.push_back(other);
            }
        }
    }
}

void FullInterfacePage::Show(const TuningSnapshot& snapshot) {
    ReadNames(snapshot);
    for (std::size_t c = 0; c < snapshot.outputs.size(); ++c) {
        shownGroups_[c] = snapshot.outputs[c].linkGroup;
        shownRecordNames_[c] = snapshot.outputs[c].name;
    }
    for (int c = 0; c < kOutputChannelCount; ++c) {
        const auto& view = snapshot.outputs[static_cast<std::size_t>(c)];
        const QString& name = names_[static_cast<std::size_t>(c)];
        QAbstractButton* button = channels_->button(c);
        button->setText(view.linked ? name + QStringLiteral(" ∞") : name);
        // As wide as the bold name with the link mark: linking changes no width.
        QFont bold = button->font();
        bold.setBold(true);
        button->setFixedWidth(std::clamp(
            QFontMetrics(bold).horizontalAdvance(name + QStringLiteral(" ∞")) + kChooserFramePx,
            kChooserMinimumWidthPx, kChooserMaximumWidthPx));
    }
    for (int pair = 0; pair < kPairCount; ++pair) {
        links_.at(static_cast<std::size_t>(pair))->setChecked(editor_.IsPairLinked(pair));
    }
    ShowLinkMarks();
    ShowTexts();
    graph_->SetChannelNames(names_);
    graph_->Refresh(snapshot);
    eqEditor_->Refresh(snapshot);
    ShowCurrentCrossover(snapshot);
    delay_->Show(snapshot, names_);
    volume_->Show(snapshot);
    ShowStrips(snapshot);
    if (settings_ != nullptr) {
        settings_->SetChannel(channel_, names_[static_cast<std::size_t>(channel_)]);
        settings_->Show(snapshot);
    }
    SetEditingVisible(!snapshot.isProtected);
}

void FullInterfacePage::ShowStrips(const TuningSnapshot& snapshot) {
    for (int c = 0; c < kOutputChannelCount; ++c) {
        strips_.at(static_cast<std::size_t>(c))
            ->Show(snapshot.outputs[static_cast<std::size_t>(c)],
                   names_[static_cast<std::size_t>(c)]);
    }
    gainsRow_->Show(snapshot, names_);
    ShowSelectMarks(snapshot);
}

void FullInterfacePage::ShowCurrentCrossover(const TuningSnapshot& snapshot) {
    crossover_->Show(snapshot.outputs[static_cast<std::size_t>(channel_)]);
}

// The current channel's strip and the strips of its link group are marked; on the delay page
// channels 5 and 6 are marked together while they share a group.
void FullInterfacePage::ShowSelectMarks(const TuningSnapshot& snapshot) {
    const int group = snapshot.outputs[static_cast<std::size_t>(channel_)].linkGroup;
    for (int c = 0; c < kOutputChannelCount; ++c) {
        strips_.at(static_cast<std::size_t>(c))
            ->SetSelected(snapshot.outputs[static_cast<std::size_t>(c)].linkGroup == group);
    }
    unsigned delayMarks = 1U << channel_;
    const bool subPairLinked = snapshot.outputs[4].linkGroup == snapshot.outputs[5].linkGroup;
    if (channel_ >= 4 && subPairLinked) {
        delayMarks |= (1U << 4) | (1U << 5);
    }
    delay_->SetMarkedChannels(delayMarks);
}

void FullInterfacePage::ShowTexts() {
    const auto pick = [this](const UiText& text) {
        return QString::fromStdString(text.In(language_));
    };
    chooserLabel_->setText(pick(kChooserLabel));
    lockedNotice_->setText(pick(kLockedNotice));
    for (int c = 0; c < kOutputChannelCount; ++c) {
        channels_->button(c)->setToolTip(pick(kChannelButtonTip).arg(c + 1));
        channels_->button(c)->setAccessibleName(ChannelAccessibleName(
            kChannelName, c, names_.at(static_cast<std::size_t>(c)), language_));
    }
    lowerAreaButton(LowerArea::EqEditor)
        ->setAccessibleName(pick(Tr("Page", "Show output EQ", "accessible name")));
    lowerAreaButton(LowerArea::ChannelStrips)
        ->setAccessibleName(pick(Tr("Page", "Show channel strips", "accessible name")));
    settingsButton_->setAccessibleName(pick(Tr("Page", "Channel settings", "accessible name")));
    for (int pair = 0; pair < kPairCount; ++pair) {
        QAbstractButton* link = links_.at(static_cast<std::size_t>(pair));
        const auto& [left, right] = kPairs.at(static_cast<std::size_t>(pair));
        link->setText(pick(kLinkButton));
        link->setAccessibleName(
            pick(Tr("Page", "Link pair %1", "accessible name").Arg(std::to_string(pair + 1))));
        link->setToolTip(pick(link->isChecked() ? page_text::kUnlinkTip : page_text::kLinkTip)
                             .arg(names_.at(static_cast<std::size_t>(left)),
                                  names_.at(static_cast<std::size_t>(right))));
    }
    lowerAreaButton(LowerArea::EqEditor)->setText(pick(page_text::kShowEq));
    lowerAreaButton(LowerArea::EqEditor)->setToolTip(pick(page_text::kShowEqTip));
    lowerAreaButton(LowerArea::ChannelStrips)->setText(pick(page_text::kShowStrips));
    lowerAreaButton(LowerArea::ChannelStrips)->setToolTip(pick(page_text::kShowStripsTip));
    settingsButton_->setText(pick(settings_text::kOpenButton));
    settingsButton_->setToolTip(pick(settings_text::kOpenButtonTip));
    ShowLinkMarks();
    setAccessibleName(pick(kPageName));
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
