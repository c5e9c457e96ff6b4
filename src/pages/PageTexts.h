// The full interface page's own texts in both languages: the channel strips, the crossover
// controls, the delay page, the main volume panel, the pair links and the switch between the
// EQ editor and the strips. Accessible names stay English so scripts and tests can find them.
#pragma once

#include <string>

#include <QString>

#include "core/UiText.h"

namespace corva::pages {

// The pages' texts are UTF-8 in the engine and QString on screen.
inline QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

}  // namespace corva::pages

namespace corva::pages::page_text {

// ---- Lower area ----
inline const UiText kShowEq{"Output EQ", "输出均衡"};
inline const UiText kShowStrips{"Channels", "通道"};
inline const UiText kShowEqTip{"Show the 31-band EQ of the current channel (Alt+E)",
                               "显示当前通道的31段均衡（Alt+E）"};
inline const UiText kShowStripsTip{"Show the gain, polarity and mute of all six channels (Alt+C)",
                                   "显示六个通道的增益、相位和静音（Alt+C）"};

// ---- Channel strips ----
inline const UiText kStripButtonTip{"Make %1 the current channel", "把 %1 设为当前通道"};
inline const UiText kStripGainTip{"Gain of %1, -60.0 to 0.0 dB; linked channels keep their offsets",
                                  "%1 的增益, -60.0 至 0.0 dB；联动通道保持差值"};
inline const UiText kStripGainUpTip{"Raise the gain of %1 by 0.1 dB", "%1 的增益提高 0.1 dB"};
inline const UiText kStripGainDownTip{"Lower the gain of %1 by 0.1 dB", "%1 的增益降低 0.1 dB"};
inline const UiText kStripPolarityTip{"Polarity of %1: normal (Pol+) or inverted (Pol-)",
                                      "%1 的相位: 正相或反相"};
inline const UiText kStripMuteTip{"Sound of %1: On, or OFF (muted)", "%1 的声音: 开音或静音"};

// ---- Crossovers ----
inline const UiText kCrossoverTitle{"Crossover", "分频"};
inline const UiText kHighPass{"High pass", "高通"};
inline const UiText kLowPass{"Low pass", "低通"};
inline const UiText kCrossoverFrequencyTip{"%1 frequency, 20 to 20000 Hz",
                                           "%1频率, 20 至 20000 Hz"};
inline const UiText kCrossoverKindTip{"%1 filter kind", "%1滤波器类型"};
inline const UiText kCrossoverSlopeTip{"%1 slope; 6 dB/Oct is always Linkwitz-Riley",
                                       "%1斜率；6 dB/Oct 总是宁克"};

// ---- Delay page ----
inline const UiText kDelayTitle{"Delay", "延时"};
inline const UiText kDelayUnitTip{"Unit of the delay fields", "延时的单位"};
inline const UiText kDelayMs{"Ms", "毫秒"};
inline const UiText kDelayCm{"Cm", "厘米"};
inline const UiText kDelayFieldTip{"Delay of %1, 0 to 5.396 ms (0 to 187 cm)",
                                   "%1 的延时, 0 至 5.396 毫秒（0 至 187 厘米）"};
inline const UiText kDelayButtonTip{"Make %1 the current channel", "把 %1 设为当前通道"};
inline const UiText kListeningPosition{"Position: %1", "听音位置: %1"};
inline const UiText kListeningPositionTip{
    "The listening position the processor uses (its own table)", "设备当前使用的听音位置"};

// ---- Main volume ----
inline const UiText kVolumeTitle{"Volume", "主音量"};
inline const UiText kVolumeTip{"Main volume, OFF or -59 to +6 dB", "主音量, 关闭或 -59 至 +6 dB"};
inline const UiText kMasterMute{"Mute", "静音"};
inline const UiText kMasterMuteTip{"Mute or unmute every output", "所有输出静音或取消静音"};

// ---- Pair links ----
inline const UiText kLinkTip{"Link %1 and %2: edits on one are repeated on the other",
                             "联动 %1 和 %2: 一个通道的调节同时作用于另一个"};
inline const UiText kUnlinkTip{"%1 and %2 are linked; press to unlink them",
                               "%1 和 %2 已联动；按下取消联动"};
inline const UiText kLinkDialogTitle{"Link channels", "通道联动"};
inline const UiText kLinkDialogText{
    "Before %1 and %2 are linked their settings must be made equal. Which way should they be "
    "copied?",
    "联动 %1 和 %2 之前必须使两者的设置相同。请选择复制方向："};
inline const UiText kCopyLeftToRight{"Copy %1 to %2 (left to right)", "把 %1 复制到 %2（左到右）"};
inline const UiText kCopyRightToLeft{"Copy %2 to %1 (right to left)", "把 %2 复制到 %1（右到左）"};
inline const UiText kOk{"OK", "确定"};
inline const UiText kCancel{"Cancel", "取消"};

}  // namespace corva::pages::page_text
