// The EQ editor panel's own texts as catalogue entries: headings, buttons and tooltips. The
// accessible names stay English (see EqBandColumn).
#pragma once

#include "core/UiText.h"

namespace corva::pages::eq_text {

inline const UiText kTitle = Tr("Page", "Output EQ");
inline const UiText kBypassAll = Tr("Page", "ByPass All");
inline const UiText kResetAll = Tr("Page", "Reset All");
inline const UiText kBypassAllTip =
    Tr("Page", "Bypass every band of this channel, or restore them");
inline const UiText kResetAllTip = Tr("Page", "Reset every band of this channel to its default");
inline const UiText kNothingRaised =
    Tr("Page", "No band is raised: every band is flat, so there is nothing to bypass or restore.");
// The band's short "BY" switch label, kept as it stands in English and Chinese.
inline const UiText kBandBypass = Tr("Page", "BY");
inline const UiText kGainTip = Tr("Page", "Band %1 gain, -20.0 to +20.0 dB");
inline const UiText kFrequencyTip = Tr("Page", "Band %1 frequency, 20 to 20000 Hz");
inline const UiText kQTip = Tr("Page", "Band %1 Q, 0.404 to 28.85");
inline const UiText kBypassTip = Tr("Page", "Band %1 bypass: on leaves the band flat");

}  // namespace corva::pages::eq_text
