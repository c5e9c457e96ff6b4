// The EQ editor panel's own texts in both languages: headings, buttons and tooltips. The
// accessible names stay English (see EqBandColumn).
#pragma once

#include "core/UiText.h"

namespace corva::pages::eq_text {

inline const UiText kTitle{"Output EQ", "输出均衡"};
inline const UiText kBypassAll{"ByPass All", "全部直通"};
inline const UiText kResetAll{"Reset All", "全部重置"};
inline const UiText kBypassAllTip{"Bypass every band of this channel, or restore them",
                                  "直通或恢复本通道的所有均衡段"};
inline const UiText kResetAllTip{"Reset every band of this channel to its default",
                                 "把本通道的所有均衡段恢复为默认值"};
inline const UiText kNothingRaised{
    "No band is raised: every band is flat, so there is nothing to bypass or restore.",
    "没有提升的频段：所有频段都是平直的，无可直通或恢复。"};
// The band's "BY" switch keeps its short label in both languages.
inline const UiText kBandBypass{"BY", "BY"};
inline const UiText kGainTip{"Band %1 gain, -20.0 to +20.0 dB", "第%1段增益, -20.0 至 +20.0 dB"};
inline const UiText kFrequencyTip{"Band %1 frequency, 20 to 20000 Hz",
                                  "第%1段频率, 20 至 20000 Hz"};
inline const UiText kQTip{"Band %1 Q, 0.404 to 28.85", "第%1段 Q 值, 0.404 至 28.85"};
inline const UiText kBypassTip{"Band %1 bypass: on leaves the band flat",
                               "第%1段直通: 打开时该段不起作用"};

}  // namespace corva::pages::eq_text
