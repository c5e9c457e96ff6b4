// The channel settings window's texts in both languages. Accessible names stay English, as on
// the rest of the page.
#pragma once

#include "core/UiText.h"

namespace corva::pages::settings_text {

inline const UiText kOpenButton{"Channel settings...", "通道设置..."};
inline const UiText kOpenButtonTip{
    "Name, limiter, EQ mode, input routing, band types and listening positions of the current "
    "channel (Alt+S)",
    "当前通道的名称、限幅器、均衡模式、输入分配、频段类型和听音位置（Alt+S）"};
inline const UiText kTitle{"Channel settings: %1", "通道设置: %1"};
inline const UiText kChannelTab{"Channel", "通道"};
inline const UiText kBandsTab{"Band types", "频段类型"};
inline const UiText kPositionsTab{"Listening positions", "听音位置"};
inline const UiText kReadOnly{"The tuning is protected: these values are shown read-only.",
                              "音效已加密：参数只读显示。"};

inline const UiText kName{"Name", "名称"};
inline const UiText kNameTip{
    "Name of the channel, at most 7 characters (a Chinese character counts as 2); Enter applies "
    "it",
    "通道名称, 最多 7 个字符（一个汉字占 2 个）; 回车生效"};
inline const UiText kNameNotInCodePage{"The name has a character the processor cannot store.",
                                       "名称中有处理器无法保存的字符。"};
inline const UiText kEqMode{"EQ mode", "均衡模式"};
inline const UiText kEqModeTip{
    "PEQ: frequency, gain and Q of each band; GEQ: fixed bands, only the gain is dragged. Linked "
    "channels follow",
    "PEQ: 每段可调频率、增益和 Q 值; GEQ: 固定频段, 只拖动增益。联动通道同时改变"};

inline const UiText kLimiter{"Limiter", "限幅器"};
inline const UiText kThreshold{"Threshold", "限幅电平"};
inline const UiText kThresholdTip{"Limiter threshold, -30.0 to +6.0 dBu",
                                  "限幅电平, -30.0 至 +6.0 dBu"};
inline const UiText kAttack{"Attack", "响应时间"};
inline const UiText kAttackTip{"Limiter attack, 0.3 to 100 ms", "限幅响应时间, 0.3 至 100 ms"};
inline const UiText kRelease{"Release", "释放时间"};
inline const UiText kReleaseTip{"Limiter release, a multiple of the attack",
                                "限幅释放时间, 响应时间的倍数"};

inline const UiText kRouting{"Input routing", "输入分配"};
inline const UiText kRoutingUnlock{"Edit the input routing", "编辑输入分配"};
inline const UiText kRoutingUnlockTip{
    "The shares decide which inputs feed this output: a wrong value silences it or feeds it "
    "another source",
    "分配比例决定哪些输入送到本输出: 错误的值会使其无声或接入其他信号"};
inline const UiText kRoutingWarning{
    "These shares change which inputs feed this output channel.",
    "这些比例改变送到本输出通道的输入。"};
inline const UiText kInput{"Input %1", "输入 %1"};
inline const UiText kShareTip{"Share of input %1 that feeds %2, 0 to 100 %",
                              "输入 %1 送到 %2 的比例, 0 至 100 %"};

inline const UiText kBand{"Band", "频段"};
inline const UiText kFrequency{"Frequency", "频率"};
inline const UiText kType{"Type", "类型"};
inline const UiText kShelfSlope{"Shelf slope", "搁架斜率"};
inline const UiText kPeak{"Peak", "峰值"};
inline const UiText kLowShelf{"Low shelf", "低搁架"};
inline const UiText kHighShelf{"High shelf", "高搁架"};
inline const UiText kTypeTip{"Band %1 type: peak, low shelf or high shelf (a shelf has no Q)",
                             "第%1段类型: 峰值、低搁架或高搁架（搁架无 Q 值）"};
inline const UiText kShelfSlopeTip{"Band %1 shelf slope", "第%1段搁架斜率"};

inline const UiText kCurrentPosition{"Position in use", "当前听音位置"};
inline const UiText kCurrentPositionTip{"The listening position the processor uses",
                                        "处理器使用的听音位置"};
inline const UiText kPositionDelayTip{"Delay of %1 in position %2 (%3)",
                                      "听音位置 %2 中 %1 的延时（%3）"};
inline const UiText kPositionsNote{
    "Delays of the four listening positions, in the delay page's unit (%1).",
    "四个听音位置的延时, 单位与延时页相同（%1）。"};

}  // namespace corva::pages::settings_text
