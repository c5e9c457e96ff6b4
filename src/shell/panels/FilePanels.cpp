#include "shell/panels/FilePanels.h"

#include <QButtonGroup>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "commands/DocumentFileIo.h"
#include "commands/PresetFilePaths.h"
#include "controls/FlatButton.h"
#include "controls/PresetButton.h"
#include "shell/app/AppContext.h"
#include "shell/app/NameAndTip.h"
#include "shell/app/ShellStyle.h"
#include "shell/app/ShellTexts.h"
#include "shell/dialogs/PresetNameField.h"
#include "shell/panels/FileTexts.h"
#include "shell/panels/PresetStrip.h"
#include "shell/panels/ReplaceQuestion.h"
#include "shell/panels/TuningFileActions.h"

namespace corva::shell {
namespace {

constexpr int kStripHeightPx = 113;

// The name field's own colours: dark blue ground, light grey text, grey-blue placeholder.
void PaintNameField(QLineEdit* field) {
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, QColor(37, 57, 99));
    palette.setColor(QPalette::Text, QColor(205, 205, 205));
    palette.setColor(QPalette::PlaceholderText, QColor(92, 108, 142));
    palette.setColor(QPalette::Highlight, QColor(92, 108, 142));
    field->setPalette(palette);
}

QWidget* ControlsHost(QWidget* parent, QLayout* layout) {
    auto* host = new QWidget(parent);
    host->setLayout(layout);
    return host;
}

}  // namespace

// ---- Save panel ----

SavePanel::SavePanel(AppContext& context, ConnectionDriver& connection, TuningFileActions& files,
                     QWidget* parent)
    : FloatingPanel(context, PanelSlot::Save, text::kSave, DragArea::Header, parent),
      files_{files},
      current_{new QRadioButton(this)},
      all_{new QRadioButton(this)},
      name_{new PresetNameField(DoubleByteRule::Align, this)},
      browse_{new controls::FlatButton(controls::ButtonTone::Raised, this)},
      save_{new controls::FlatButton(controls::ButtonTone::Accent, this)},
      strip_{new PresetStrip(context, connection, *this, PresetAction::SaveAs, StripShade::Save,
                             this)} {
    setObjectName(QStringLiteral("savePanel"));
    Language& language = context.language();

    current_->setObjectName(QStringLiteral("saveCurrentChoice"));
    all_->setObjectName(QStringLiteral("saveAllChoice"));
    language.BindText(current_, text::kCurrentSoundEffects);
    language.BindText(all_, text::kFullSoundAndConfiguration);
    BindNameAndTip(language, current_, text::kCurrentSoundEffects, text::kCurrentChoiceTip);
    BindNameAndTip(language, all_, text::kFullSoundAndConfiguration, text::kAllChoiceTip);
    auto* choices = new QButtonGroup(this);
    choices->addButton(current_);
    choices->addButton(all_);
    current_->setChecked(true);

    name_->setObjectName(QStringLiteral("saveNameField"));
    name_->setFixedHeight(30);
    // The placeholder shows until the field first has the focus.
    language.Bind(name_, text::kFileNamePlaceholder, [this](const QString& placeholder) {
        name_->setPlaceholderText(name_->everFocused() ? QString() : placeholder);
    });
    connect(name_, &PresetNameField::FirstFocused, name_,
            [this] { name_->setPlaceholderText(QString()); });
    BindNameAndTip(language, name_, text::kFileNameField, text::kFileNameTip);
    PaintNameField(name_);

    browse_->setObjectName(QStringLiteral("saveBrowseButton"));
    language.BindText(browse_, text::kBrowseSave);
    BindNameAndTip(language, browse_, text::kBrowseSave, text::kBrowseSaveTip);
    save_->setObjectName(QStringLiteral("saveNamedButton"));
    language.BindText(save_, text::kSaveNamed);
    BindNameAndTip(language, save_, text::kSaveNamed, text::kSaveNamedTip);
    connect(browse_, &QAbstractButton::clicked, this, &SavePanel::SaveWithDialog);
    connect(save_, &QAbstractButton::clicked, this, &SavePanel::SaveWithName);
    connect(name_, &QLineEdit::returnPressed, this, &SavePanel::SaveWithName);

    strip_->setFixedHeight(kStripHeightPx);

    auto* choiceRow = new QVBoxLayout;
    choiceRow->setSpacing(2);
    choiceRow->addWidget(current_);
    choiceRow->addWidget(all_);
    auto* nameRow = new QHBoxLayout;
    nameRow->setSpacing(6);
    nameRow->addWidget(name_, 1);
    nameRow->addWidget(browse_);
    nameRow->addWidget(save_);
    auto* controlsLayout = new QVBoxLayout;
    controlsLayout->setContentsMargins(12, 6, 12, 8);
    controlsLayout->setSpacing(6);
    controlsLayout->addLayout(choiceRow);
    controlsLayout->addLayout(nameRow);

    body()->setContentsMargins(0, 0, 0, 0);
    body()->setSpacing(0);
    body()->addWidget(strip_);
    body()->addWidget(ControlsHost(this, controlsLayout), 1);

    // Keyboard order: the choices, the name, browse, save, then the presets.
    setTabOrder(current_, all_);
    setTabOrder(all_, name_);
    setTabOrder(name_, browse_);
    setTabOrder(browse_, save_);
    setTabOrder(save_, strip_->button(1));
}

SaveMode SavePanel::mode() const {
    return all_->isChecked() ? SaveMode::All : SaveMode::Current;
}

void SavePanel::SaveWithDialog() {
    const Hold hold(*this);  // the chooser and the boxes take the activation
    if (mode() == SaveMode::All) {
        if (files_.StoreAllPresets(this)) {
            emit CloseRequested(slot());
        }
        return;
    }
    if (auto refused = files_.presetFiles().ProtectionRefusal()) {
        files_.ShowMessage(*refused);
        return;
    }
    SettingsStore& settings = context().settings();
    const QString chosen = context().fileChooser().ChooseSavePath(
        this, context().language().Pick(text::kSaveSingleCaption),
        settings.GetPath(PathKind::SinglePreset), QStringLiteral("*.qvms"));
    if (chosen.isEmpty()) {
        return;
    }
    settings.PutPath(PathKind::SinglePreset, QFileInfo(chosen).absolutePath());
    const std::string path =
        StorePathWithExtension(QFile::encodeName(chosen).toStdString(), kSingleFileExtension);
    if (!MayReplaceCompleted(context(), chosen, QFile::decodeName(path.c_str()))) {
        return;
    }
    const PresetFileOutcome saved = files_.presetFiles().SaveCurrentAs(path);
    if (saved.ok) {
        emit CloseRequested(slot());
        return;
    }
    files_.Report(saved);
}

void SavePanel::SaveWithName() {
    if (!name_->everFocused()) {
        name_->TakeFocus();
        return;
    }
    const Hold hold(*this);
    const std::string folder = QFile::encodeName(context().settings().DataFolder()).toStdString();
    const std::string name = QFile::encodeName(name_->text()).toStdString();
    // No dialog asked about a typed name: an existing file of that name is asked about here
    // (not while the tuning is protected: the save is refused then anyway).
    const std::string path = PresetFileCommands::NamedFilePath(folder, name, mode());
    if (!files_.presetFiles().ProtectionRefusal() &&
        !MayReplace(context(), QFile::decodeName(path.c_str()))) {
        return;
    }
    const PresetFileOutcome outcome = files_.presetFiles().SaveUnderName(folder, name, mode());
    files_.Report(outcome);
}

// ---- Open panel ----

OpenPanel::OpenPanel(AppContext& context, ConnectionDriver& connection, TuningFileActions& files,
                     QWidget* parent)
    : FloatingPanel(context, PanelSlot::Open, text::kOpen, DragArea::Header, parent),
      files_{files},
      open_{new controls::FlatButton(controls::ButtonTone::Accent, this)},
      strip_{
          new PresetStrip(context, connection, *this, PresetAction::Load, StripShade::Open, this)} {
    setObjectName(QStringLiteral("openPanel"));
    Language& language = context.language();
    open_->setObjectName(QStringLiteral("openFileButton"));
    language.BindText(open_, text::kOpenFile);
    BindNameAndTip(language, open_, text::kOpenFile, text::kOpenFileTip);
    connect(open_, &QAbstractButton::clicked, this, &OpenPanel::OpenWithDialog);

    auto* hint = new QLabel(this);
    hint->setObjectName(QStringLiteral("openHint"));
    hint->setAlignment(Qt::AlignCenter);
    hint->setWordWrap(true);
    QPalette quiet = hint->palette();
    quiet.setColor(QPalette::WindowText, colour::kQuietInk);
    hint->setPalette(quiet);
    // The hint follows the strip's action, in the language current now.
    const auto hintText = [this] {
        return strip_->action() == PresetAction::Load     ? text::kOpenHint
               : strip_->action() == PresetAction::SaveAs ? text::kOpenHintSave
                                                          : text::kOpenHintDelete;
    };
    const auto showHint = [this, hint, hintText] {
        hint->setText(this->context().language().Pick(hintText()));
    };
    language.OnChange(hint, showHint);
    connect(strip_, &PresetStrip::ActionChanged, hint, showHint);
    showHint();

    strip_->setFixedHeight(kStripHeightPx);
    auto* button = new QHBoxLayout;
    button->addStretch(1);
    button->addWidget(open_);
    button->addStretch(1);
    auto* row = new QVBoxLayout;
    row->setContentsMargins(12, 8, 12, 10);
    row->setSpacing(8);
    row->addWidget(hint);
    row->addLayout(button);
    row->addStretch(1);

    body()->setContentsMargins(0, 0, 0, 0);
    body()->setSpacing(0);
    body()->addWidget(strip_);
    body()->addWidget(ControlsHost(this, row), 1);
    setTabOrder(open_, strip_->button(1));
}

void OpenPanel::OpenWithDialog() {
    const Hold hold(*this);
    const QString chosen = context().fileChooser().ChooseOpenPath(
        this, context().language().Pick(text::kOpenPresetCaption),
        context().settings().DataFolder(), QStringLiteral("*.qvms *.qvma"));
    if (chosen.isEmpty()) {
        return;
    }
    if (files_.OpenPresetFile(chosen)) {
        emit CloseRequested(slot());
    }
}

}  // namespace corva::shell
