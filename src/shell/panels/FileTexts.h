// The texts of the save and open panels, the preset strip, the preset-name dialog, the
// Program dialog and the music-file and mode-file commands, as catalogue entries.
#pragma once

#include "core/UiText.h"

namespace corva::shell::text {

// Preset strip.
inline const UiText kPresetStrip = Tr("Window", "Presets in the processor", "preset strip");
inline const UiText kPresetStripScrollTip = Tr("Window", "Scroll through the 15 presets");
inline const UiText kLoadMachinePreset = Tr("Window", "Load Machine Preset");
inline const UiText kSaveAsMachinePreset = Tr("Window", "Save As Machine Preset");
inline const UiText kDeleteMachinePreset = Tr("Window", "Delete Machine Preset");
inline const UiText kPresetButtonTipLoad =
    Tr("Window", "Click: load this preset. Right-click or the menu key: choose what a click does");
inline const UiText kPresetButtonTipSave = Tr(
    "Window",
    "Click: store the current tuning here. Right-click or the menu key: choose what a click does");
inline const UiText kPresetButtonTipDelete =
    Tr("Window",
       "Click: delete this preset's name. Right-click or the menu key: choose what a click does");

// Preset-name dialog.
inline const UiText kPresetNameTitle = Tr("Window", "Please enter the preset name");
inline const UiText kPresetNumber = Tr("Window", "No.");
inline const UiText kPresetNameField = Tr("Window", "Preset name", "field label");
inline const UiText kPresetNameTip =
    Tr("Window", "At most 13 characters (a Chinese character counts as two)");
inline const UiText kOk = Tr("Window", "OK");
inline const UiText kCancel = Tr("Window", "Cancel");
inline const UiText kOkTip = Tr("Window", "Store the preset under this name");
inline const UiText kCancelTip = Tr("Window", "Close without storing");

// Save panel.
inline const UiText kCurrentSoundEffects = Tr("Window", "Current sound effects");
inline const UiText kFullSoundAndConfiguration =
    Tr("Window", "Full sound and configuration information");
inline const UiText kCurrentChoiceTip =
    Tr("Window", "Save the current tuning as a single preset file (.qvms)");
inline const UiText kAllChoiceTip =
    Tr("Window", "Read every preset of the processor and save them all in one file (.qvma)");
inline const UiText kFileNamePlaceholder = Tr("Window", "Please enter a file name");
inline const UiText kFileNameField = Tr("Window", "File name");
inline const UiText kFileNameTip = Tr("Window", "Saved in the DataFile folder under this name");
inline const UiText kBrowseSave = Tr("Window", "Save as...");
inline const UiText kBrowseSaveTip =
    Tr("Window", "Choose the file's folder and name in a file dialog");
inline const UiText kSaveNamed = Tr("Window", "Save");
inline const UiText kSaveNamedTip =
    Tr("Window", "Save under the typed name in the DataFile folder");

// Open panel.
inline const UiText kOpenFile = Tr("Window", "Open file...");
inline const UiText kOpenFileTip =
    Tr("Window", "Open a preset file (.qvms or .qvma) and send it to the processor");

// What a click on the strip does now, shown on the strip itself.
inline const UiText kStripModeLoad = Tr("Window", "Click: load a preset");
inline const UiText kStripModeSave = Tr("Window", "Click: store the current tuning into a preset");
inline const UiText kStripModeDelete =
    Tr("Window", "Click: DELETE a preset's name (right-click to change)");
inline const UiText kOpenHintSave =
    Tr("Window",
       "Click a preset to store the current tuning into it, or open a preset file from the PC.");
inline const UiText kOpenHintDelete =
    Tr("Window",
       "Delete mode: a click deletes that preset's name. Right-click a preset to load again.");
inline const UiText kOpenHint =
    Tr("Window", "Click a preset to load it, or open a preset file from the PC.");

// File dialogs.
inline const UiText kSaveSingleCaption = Tr("Window", "Save the current tuning");
inline const UiText kSaveAllCaption = Tr("Window", "Save all presets");
inline const UiText kOpenPresetCaption = Tr("Window", "Open a preset file");
inline const UiText kRecallAllCaption = Tr("Window", "Recall all presets from a file");
inline const UiText kStoreMusicCaption = Tr("Window", "Store a music file");
inline const UiText kLoadMusicCaption = Tr("Window", "Load a music file");
inline const UiText kSaveModeCaption = Tr("Window", "Save a mode file");
inline const UiText kOpenModeCaption = Tr("Window", "Open a mode file");

// The "More" menu's file entries.
inline const UiText kStoreMusicFile = Tr("Window", "Store a music file...");
inline const UiText kLoadMusicFile = Tr("Window", "Load a music file...");
inline const UiText kSaveModeFile = Tr("Window", "Save a mode file...");
inline const UiText kOpenModeFile = Tr("Window", "Open a mode file...");

// Program dialog.
inline const UiText kProgramTitle = Tr("Window", "File");
inline const UiText kIdColumn = Tr("Window", "ID");
inline const UiText kNameColumn = Tr("Window", "Name");
inline const UiText kPresetList = Tr("Window", "Presets in the processor", "preset list");
inline const UiText kPresetListTip = Tr("Window", "Up and Down choose a preset");
inline const UiText kIdLabel = Tr("Window", "ID:");
inline const UiText kNameLabel = Tr("Window", "Name:");
inline const UiText kProgramNameTip = Tr("Window", "At most 13 letters, digits or signs");
inline const UiText kStore = Tr("Window", "Store");
inline const UiText kRecall = Tr("Window", "Recall");
inline const UiText kDelete = Tr("Window", "Delete");
inline const UiText kStoreTip =
    Tr("Window", "Store the current tuning as the chosen preset under this name");
inline const UiText kRecallTip = Tr("Window", "Make the chosen preset the current tuning");
inline const UiText kDeleteTip = Tr("Window", "Delete the chosen preset's name");
inline const UiText kPcProgram = Tr("Window", "PC Program");
inline const UiText kRecallAllFromPc = Tr("Window", "Recall all data from PC");
inline const UiText kRecallOneFromPc = Tr("Window", "Recall data from PC");
inline const UiText kStoreAllToPc = Tr("Window", "Store all data to PC");
inline const UiText kStoreOneToPc = Tr("Window", "Store data to PC");
inline const UiText kRecallFromPcTip = Tr("Window", "Read the chosen kind of file from the PC");
inline const UiText kStoreToPcTip = Tr("Window", "Write the chosen kind of file to the PC");
inline const UiText kRecallPcButton = Tr("Window", "Recall from the PC");
inline const UiText kStorePcButton = Tr("Window", "Store to the PC");

}  // namespace corva::shell::text
