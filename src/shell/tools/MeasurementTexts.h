// Texts of the measurement tools in both languages: filter import, auto-EQ and alignment from
// distances.
#pragma once

#include "core/UiText.h"

namespace corva::shell::text {

inline const UiText kImportFiltersEntry{"Import filters...", "导入滤波器..."};
inline const UiText kAutoEqEntry{"Auto-EQ...", "自动均衡..."};
inline const UiText kAlignEntry{"Align from distances...", "按距离对齐..."};
inline const UiText kSnapshotsEntry{"Snapshots...", "快照..."};

inline const UiText kImportFiltersTitle{"Import filters", "导入滤波器"};
inline const UiText kAutoEqTitle{"Auto-EQ", "自动均衡"};
inline const UiText kAlignTitle{"Align from distances", "按距离对齐"};

inline const UiText kForChannel{"Output channel: %1", "输出通道: %1"};
inline const UiText kFile{"File", "文件"};
inline const UiText kBrowseFile{"Browse...", "浏览..."};
inline const UiText kFilterFileTip{"A REW \"Filter Settings\" text or an Equalizer APO configuration",
                                   "REW 滤波器设置文本或 Equalizer APO 配置文件"};
inline const UiText kMeasurementFileTip{"A REW text export or an FRD file of the channel",
                                        "该通道的 REW 文本导出或 FRD 文件"};
inline const UiText kBrowseTip{"Choose the file", "选择文件"};
inline const UiText kApplyRest{"Apply what the processor can hold, skip the rest",
                               "应用设备能保存的滤波器，跳过其余的"};
inline const UiText kApplyRestTip{
    "Without this, a filter the processor cannot take refuses the whole import",
    "不选时，只要有一个设备无法保存的滤波器，整个导入就会被拒绝"};
inline const UiText kPreview{"Preview", "预览"};
inline const UiText kPreviewTip{"Compute the result and show it on the graph; nothing is sent",
                                "计算结果并显示在曲线图上；不发送任何数据"};
inline const UiText kApply{"Apply", "应用"};
inline const UiText kApplyTip{"Send the previewed result to the channel as one step",
                              "把预览的结果作为一步发送到该通道"};
inline const UiText kCloseTool{"Close", "关闭"};
inline const UiText kCloseToolTip{"Close; the measurement stays on the graph",
                                  "关闭；测量曲线保留在曲线图上"};
inline const UiText kWorking{"Working...", "正在计算..."};
inline const UiText kApplied{"Applied.", "已应用。"};
inline const UiText kChooseFileFirst{"Choose a file first.", "请先选择文件。"};

inline const UiText kTarget{"Target", "目标"};
inline const UiText kTargetTip{"The curve the channel should follow", "通道应当达到的曲线"};
inline const UiText kTargetFlat{"Flat", "平直"};
inline const UiText kTargetHouse{"House curve", "车内曲线"};
inline const UiText kTargetFile{"From a file", "来自文件"};
inline const UiText kTargetFileTip{"A target curve in the measurement formats",
                                   "测量格式的目标曲线文件"};
inline const UiText kMaxBoost{"Largest boost (dB)", "最大提升 (dB)"};
inline const UiText kMaxBoostTip{"No band and no point of the bands' sum goes above this",
                                 "任何频段及其总和都不会高于此值"};
inline const UiText kRange{"Fit range (Hz)", "拟合范围 (Hz)"};
inline const UiText kRangeLowTip{"Lowest frequency the fit looks at", "拟合的最低频率"};
inline const UiText kRangeHighTip{"Highest frequency the fit looks at", "拟合的最高频率"};
inline const UiText kSmoothing{"Smoothing (1/N octave)", "平滑 (1/N 倍频程)"};
inline const UiText kSmoothingTip{"Smooths the measurement over 1/N octave before the fit; 0 leaves it as measured",
                                  "拟合前按 1/N 倍频程平滑测量曲线；0 表示不平滑"};
inline const UiText kHideMeasurement{"Hide measurement", "隐藏测量曲线"};
inline const UiText kHideMeasurementTip{"Take the measurement off the graph", "从曲线图上移除测量曲线"};
inline const UiText kFitFigures{"Error over the range: RMS %1 dB, largest %2 dB before; RMS %3 dB, "
                                "largest %4 dB after, with %5 bands.",
                                "范围内误差: 之前 RMS %1 dB，最大 %2 dB；之后 RMS %3 dB，最大 %4 dB，"
                                "使用 %5 个频段。"};

inline const UiText kImportSummary{"%1 bands used; largest deviation from the file's curve %2 dB.",
                                   "使用 %1 个频段；与文件曲线的最大偏差 %2 dB。"};
inline const UiText kImportPreamp{"The file's preamp of %1 dB is not applied.",
                                  "文件的前置增益 %1 dB 不会被应用。"};

inline const UiText kDistanceUnit{"Unit", "单位"};
inline const UiText kDistanceUnitTip{"Unit of the distances", "距离的单位"};
inline const UiText kCentimetres{"cm", "厘米"};
inline const UiText kInches{"in", "英寸"};
inline const UiText kDistanceTip{"Distance from the listening seat to %1; leave empty to keep its delay",
                                 "听音位置到 %1 的距离；留空则保持其延时"};
inline const UiText kNotANumberDistance{"%1: enter a distance of 0 or more, or leave it empty.",
                                        "%1: 请输入 0 或更大的距离，或留空。"};
inline const UiText kNoDistances{"Enter at least one distance.", "请至少输入一个距离。"};
inline const UiText kAlignedDelay{"%1: %2 ms", "%1: %2 毫秒"};
inline const UiText kAlignedLimited{"%1: %2 ms (limited: the processor delays at most 5.396 ms)",
                                    "%1: %2 毫秒（已限制：设备最多延时 5.396 毫秒）"};

}  // namespace corva::shell::text
