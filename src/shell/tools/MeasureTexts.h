// Texts of the measurement window in both languages.
#pragma once

#include "core/UiText.h"

namespace corva::shell::text {

inline const UiText kMeasureEntry{"Measure...", "测量..."};
inline const UiText kMeasureTitle{"Measure the car", "测量车辆"};

inline const UiText kInputDevice{"Microphone input", "麦克风输入"};
inline const UiText kInputDeviceTip{"The sound card input the measuring microphone is on",
                                    "测量麦克风所接的声卡输入"};
inline const UiText kOutputDevice{"Output to the processor", "输出到处理器"};
inline const UiText kOutputDeviceTip{"The sound card output wired to the processor's input",
                                     "连接到处理器输入的声卡输出"};
inline const UiText kDefaultDevice{"System default", "系统默认"};
inline const UiText kMicCalibration{"Mic calibration", "麦克风校准"};
inline const UiText kMicCalibrationTip{
    "The microphone's calibration file (frequency, dB); leave empty for none",
    "麦克风校准文件（频率、dB）；留空则不校准"};
inline const UiText kBrowseMicTip{"Choose the microphone's calibration file", "选择麦克风校准文件"};
inline const UiText kSweepLength{"Sweep length (s)", "扫频时长 (秒)"};
inline const UiText kSweepLengthTip{
    "Seconds of each sweep: longer sweeps stand further above the noise",
    "每次扫频的秒数：扫频越长，越能高出噪声"};
inline const UiText kPositions{"Mic positions", "麦克风位置数"};
inline const UiText kPositionsTip{"How many microphone positions are measured and averaged",
                                  "测量并平均的麦克风位置数"};
inline const UiText kCalibrationTarget{"Target", "目标"};
inline const UiText kCalibrationTargetTip{
    "The curve Apply EQ and Calibrate all fit every channel to",
    "应用均衡和全部校准时各通道拟合的曲线"};

inline const UiText kInputMeter{"Input level", "输入电平"};
inline const UiText kInputMeterTip{"The microphone's peak level expected for the sweep, in dBFS",
                                   "扫频时麦克风的预计峰值电平 (dBFS)"};
inline const UiText kMeterText{"%1 dBFS", "%1 dBFS"};
inline const UiText kLevelGood{"Level good.", "电平合适。"};
inline const UiText kLevelTest{"Test level", "测试电平"};
inline const UiText kLevelTestTip{
    "Play a short, quiet test tone and check the microphone's level before any sweep",
    "播放一段短而轻的测试音，在扫频前检查麦克风电平"};
inline const UiText kTestingLevel{"Playing a quiet test tone...", "正在播放轻柔的测试音..."};

inline const UiText kMeasure{"Measure", "测量"};
inline const UiText kMeasureTip{
    "Sweep every output alone and measure its response and arrival time",
    "逐个单独扫频每个输出，测量其响应和到达时间"};
inline const UiText kCancelRun{"Cancel", "取消"};
inline const UiText kCancelRunTip{
    "Stop after the current sweep; the mutes are put back, nothing changes",
    "当前扫频后停止；恢复静音状态，不做任何更改"};
inline const UiText kNextPosition{"Next position", "下一位置"};
inline const UiText kNextPositionTip{"The microphone is at its next position: measure on",
                                     "麦克风已在下一位置：继续测量"};
inline const UiText kRunProgress{"Progress", "进度"};
inline const UiText kRunProgressTip{"Sweeps done of all sweeps of the run", "本次已完成的扫频数"};
inline const UiText kPlaying{"Playing %1, position %2 of %3", "正在播放 %1，位置 %2 / %3"};
inline const UiText kMoveMicrophone{"Move the microphone to position %1, then press Next position.",
                                    "请将麦克风移到位置 %1，然后按“下一位置”。"};
inline const UiText kRunCancelled{"Stopped; the mutes are as they were and nothing was changed.",
                                  "已停止；静音状态已恢复，未做任何更改。"};
inline const UiText kMutesNotRestored{
    "The processor's mute state could not be put back: check the mutes.",
    "无法恢复处理器的静音状态：请检查静音设置。"};
inline const UiText kRunDone{"Measured. Saved in %1", "测量完成。已保存到 %1"};
inline const UiText kMeasureNeedsConnection{"Connect to the processor first.", "请先连接处理器。"};
inline const UiText kMeasureProtected{"The tuning is protected: unlock it first.",
                                      "调音已保护：请先解锁。"};

inline const UiText kResultsTable{"Results", "结果"};
inline const UiText kResultsTableTip{
    "Per channel: arrival time, distance, proposed delay and errors",
    "各通道：到达时间、距离、建议延时和误差"};
inline const UiText kColumnChannel{"Channel", "通道"};
inline const UiText kColumnArrival{"Arrival (ms)", "到达 (毫秒)"};
inline const UiText kColumnDistanceCm{"Farther (cm)", "更远 (厘米)"};
inline const UiText kColumnDistanceIn{"Farther (in)", "更远 (英寸)"};
inline const UiText kColumnDelay{"Proposed delay", "建议延时"};
inline const UiText kColumnBefore{"Error before (dB)", "之前误差 (dB)"};
inline const UiText kColumnAfter{"Error after (dB)", "之后误差 (dB)"};
inline const UiText kImpulseView{"Impulse responses", "脉冲响应"};
inline const UiText kImpulseViewTip{
    "The start of every channel's impulse response with its arrival mark",
    "各通道脉冲响应的开头及其到达标记"};

inline const UiText kApplyAlignment{"Apply alignment", "应用对齐"};
inline const UiText kApplyAlignmentTip{
    "Set the proposed delays as one undo step, then measure again to check",
    "将建议延时作为一步应用，然后重新测量检查"};
inline const UiText kApplyEq{"Apply EQ", "应用均衡"};
inline const UiText kApplyEqTip{
    "Fit every channel's bands to the target as one undo step, then measure again",
    "将各通道频段拟合到目标作为一步应用，然后重新测量"};
inline const UiText kCalibrateAll{"Calibrate all", "全部校准"};
inline const UiText kCalibrateAllTip{
    "Measure, align, fit to the target and check again, all as one undo step",
    "测量、对齐、拟合目标并再次检查，全部作为一步"};
inline const UiText kVerifying{"Measuring again to check...", "正在重新测量检查..."};
inline const UiText kVerified{"Applied as one undo step; the check is dotted on the graph.",
                              "已作为一步应用；检查结果以点线显示在曲线图上。"};
inline const UiText kShowSaved{"Show saved...", "显示已保存..."};
inline const UiText kShowSavedTip{"Show a saved measurement on the graph with its channel",
                                  "在曲线图上与其通道一起显示已保存的测量"};
inline const UiText kShowSavedCaption{"Show a saved measurement", "显示已保存的测量"};
inline const UiText kCloseMeasure{"Close", "关闭"};
inline const UiText kCloseMeasureTip{"Close the window; a run is cancelled first",
                                     "关闭窗口；正在进行的测量会先取消"};

}  // namespace corva::shell::text
