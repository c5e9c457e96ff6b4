// The texts of the save and open panels, the preset strip, the preset-name dialog, the
// Program dialog and the music-file and mode-file commands, as English/Chinese pairs.
#pragma once

#include "core/UiText.h"

namespace corva::shell::text {

// Preset strip.
inline const UiText kPresetStrip{"Presets in the processor", "设备中的预置音效"};
inline const UiText kPresetStripScrollTip{"Scroll through the 15 presets", "滚动查看 15 个预置"};
inline const UiText kLoadMachinePreset{"Load Machine Preset", "加载 机器预置音效"};
inline const UiText kSaveAsMachinePreset{"Save As Machine Preset", "另存为 机器预置音效"};
inline const UiText kDeleteMachinePreset{"Delete Machine Preset", "删除 机器预置音效"};
inline const UiText kPresetButtonTipLoad{
    "Click: load this preset. Right-click or the menu key: choose what a click does",
    "单击：加载此预置。右键或菜单键：选择单击的作用"};
inline const UiText kPresetButtonTipSave{
    "Click: store the current tuning here. Right-click or the menu key: choose what a click does",
    "单击：将当前音效存储到此处。右键或菜单键：选择单击的作用"};
inline const UiText kPresetButtonTipDelete{
    "Click: delete this preset's name. Right-click or the menu key: choose what a click does",
    "单击：删除此预置的名称。右键或菜单键：选择单击的作用"};

// Preset-name dialog.
inline const UiText kPresetNameTitle{"Please enter the preset name", "请输入音效名"};
inline const UiText kPresetNumber{"No.", "序号:"};
inline const UiText kPresetNameField{"Preset name", "音效名"};
inline const UiText kPresetNameTip{"At most 13 characters (a Chinese character counts as two)",
                                   "最多 13 个字符（一个汉字算两个）"};
inline const UiText kOk{"OK", "确定"};
inline const UiText kCancel{"Cancel", "取消"};
inline const UiText kOkTip{"Store the preset under this name", "以此名称存储预置"};
inline const UiText kCancelTip{"Close without storing", "关闭，不存储"};

// Save panel.
inline const UiText kCurrentSoundEffects{"Current sound effects", "当前音效"};
inline const UiText kFullSoundAndConfiguration{"Full sound and configuration information",
                                               "全部音效和配置信息"};
inline const UiText kCurrentChoiceTip{"Save the current tuning as a single preset file (.qvms)",
                                      "将当前音效保存为单个音效文件（.qvms）"};
inline const UiText kAllChoiceTip{
    "Read every preset of the processor and save them all in one file (.qvma)",
    "读取设备中的全部预置，并保存到一个文件（.qvma）"};
inline const UiText kFileNamePlaceholder{"Please enter a file name", "请输入文件名称"};
inline const UiText kFileNameField{"File name", "文件名称"};
inline const UiText kFileNameTip{"Saved in the DataFile folder under this name",
                                 "以此名称保存在 DataFile 文件夹中"};
inline const UiText kBrowseSave{"Save as...", "另存为..."};
inline const UiText kBrowseSaveTip{"Choose the file's folder and name in a file dialog",
                                   "在文件对话框中选择文件夹和文件名"};
inline const UiText kSaveNamed{"Save", "保存"};
inline const UiText kSaveNamedTip{"Save under the typed name in the DataFile folder",
                                  "以输入的名称保存到 DataFile 文件夹"};

// Open panel.
inline const UiText kOpenFile{"Open file...", "打开文件..."};
inline const UiText kOpenFileTip{"Open a preset file (.qvms or .qvma) and send it to the processor",
                                 "打开音效文件（.qvms 或 .qvma）并发送到设备"};

// What a click on the strip does now, shown on the strip itself.
inline const UiText kStripModeLoad{"Click: load a preset", "单击：加载预置"};
inline const UiText kStripModeSave{"Click: store the current tuning into a preset",
                                   "单击：将当前音效存储到预置"};
inline const UiText kStripModeDelete{"Click: DELETE a preset's name (right-click to change)",
                                     "单击：删除预置名称（右键可更改）"};
inline const UiText kOpenHintSave{
    "Click a preset to store the current tuning into it, or open a preset file from the PC.",
    "单击预置即可将当前音效存储到其中，或从电脑打开音效文件。"};
inline const UiText kOpenHintDelete{
    "Delete mode: a click deletes that preset's name. Right-click a preset to load again.",
    "删除模式：单击将删除该预置的名称。右键单击预置可改回加载。"};
inline const UiText kOpenHint{"Click a preset to load it, or open a preset file from the PC.",
                              "单击预置即可加载，或从电脑打开音效文件。"};

// File dialogs.
inline const UiText kSaveSingleCaption{"Save the current tuning", "保存当前音效"};
inline const UiText kSaveAllCaption{"Save all presets", "保存所有音效"};
inline const UiText kOpenPresetCaption{"Open a preset file", "打开音效文件"};
inline const UiText kRecallAllCaption{"Recall all presets from a file", "从文件调用所有音效"};
inline const UiText kStoreMusicCaption{"Store a music file", "存储音乐文件"};
inline const UiText kLoadMusicCaption{"Load a music file", "加载音乐文件"};
inline const UiText kSaveModeCaption{"Save a mode file", "保存模式文件"};
inline const UiText kOpenModeCaption{"Open a mode file", "打开模式文件"};

// The "More" menu's file entries.
inline const UiText kStoreMusicFile{"Store a music file...", "存储音乐文件..."};
inline const UiText kLoadMusicFile{"Load a music file...", "加载音乐文件..."};
inline const UiText kSaveModeFile{"Save a mode file...", "保存模式文件..."};
inline const UiText kOpenModeFile{"Open a mode file...", "打开模式文件..."};

// Program dialog.
inline const UiText kProgramTitle{"File", "文件"};
inline const UiText kIdColumn{"ID", "ID"};
inline const UiText kNameColumn{"Name", "组名"};
inline const UiText kPresetList{"Presets in the processor", "设备中的预置"};
inline const UiText kPresetListTip{"Up and Down choose a preset", "上下键选择预置"};
inline const UiText kIdLabel{"ID:", "组号："};
inline const UiText kNameLabel{"Name:", "组名："};
inline const UiText kProgramNameTip{"At most 13 letters, digits or signs",
                                    "最多 13 个字母、数字或符号"};
inline const UiText kStore{"Store", "存储"};
inline const UiText kRecall{"Recall", "调用"};
inline const UiText kDelete{"Delete", "删除"};
inline const UiText kStoreTip{"Store the current tuning as the chosen preset under this name",
                              "以此名称将当前音效存储为所选预置"};
inline const UiText kRecallTip{"Make the chosen preset the current tuning", "调用所选预置"};
inline const UiText kDeleteTip{"Delete the chosen preset's name", "删除所选预置的名称"};
inline const UiText kPcProgram{"PC Program", "电脑程序"};
inline const UiText kRecallAllFromPc{"Recall all data from PC", "从电脑调用所有组数据"};
inline const UiText kRecallOneFromPc{"Recall data from PC", "从电脑调用单组数据"};
inline const UiText kStoreAllToPc{"Store all data to PC", "存储所有组数据到电脑"};
inline const UiText kStoreOneToPc{"Store data to PC", "存储单组数据到电脑"};
inline const UiText kRecallFromPcTip{"Read the chosen kind of file from the PC",
                                     "从电脑读取所选类型的文件"};
inline const UiText kStoreToPcTip{"Write the chosen kind of file to the PC",
                                  "将所选类型的文件写入电脑"};
inline const UiText kRecallPcButton{"Recall from the PC", "从电脑调用"};
inline const UiText kStorePcButton{"Store to the PC", "存储到电脑"};

}  // namespace corva::shell::text
