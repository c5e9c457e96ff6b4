// The channel settings window's texts, as catalogue entries. Accessible names stay English, as on
// the rest of the page.
#pragma once

#include <array>

#include "core/UiText.h"

namespace corva::pages::settings_text {

inline const UiText kOpenButton = Tr("Page", "Channel settings...");
inline const UiText kOpenButtonTip =
    Tr("Page",
       "Name, limiter, EQ mode, input routing, band types and listening positions of the current "
       "channel (Alt+S)");
inline const UiText kTitle = Tr("Page", "Channel settings: %1");
inline const UiText kChannelTab = Tr("Page", "Channel");
inline const UiText kBandsTab = Tr("Page", "Band types");
inline const UiText kPositionsTab = Tr("Page", "Listening positions");
inline const UiText kReadOnly =
    Tr("Page", "The tuning is protected: these values are shown read-only.");

inline const UiText kName = Tr("Page", "Name");
inline const UiText kNameTip =
    Tr("Page",
       "Name of the channel, at most 7 characters (a Chinese character counts as 2); Enter applies "
       "it");
inline const UiText kNameNotInCodePage =
    Tr("Page", "The name has a character the processor cannot store.");
inline const UiText kEqMode = Tr("Page", "EQ mode");
inline const UiText kEqModeTip = Tr(
    "Page",
    "PEQ: frequency, gain and Q of each band; GEQ: fixed bands, only the gain is dragged. Linked "
    "channels follow");

inline const UiText kLimiter = Tr("Page", "Limiter");
inline const UiText kThreshold = Tr("Page", "Threshold");
inline const UiText kThresholdTip = Tr("Page", "Limiter threshold, -30.0 to +6.0 dBu");
inline const UiText kAttack = Tr("Page", "Attack");
inline const UiText kAttackTip = Tr("Page", "Limiter attack, 0.3 to 100 ms");
inline const UiText kRelease = Tr("Page", "Release");
inline const UiText kReleaseTip = Tr("Page", "Limiter release, a multiple of the attack");

inline const UiText kRouting = Tr("Page", "Input routing");
inline const UiText kRoutingUnlock = Tr("Page", "Edit the input routing");
inline const UiText kRoutingUnlockTip =
    Tr("Page",
       "The shares decide which inputs feed this output: a wrong value silences it or feeds it "
       "another source");
inline const UiText kRoutingWarning =
    Tr("Page", "These shares change which inputs feed this output channel.");
inline const UiText kInput = Tr("Page", "Input %1");
inline const UiText kShareTip = Tr("Page", "Share of input %1 that feeds %2, 0 to 100 %");

// The EQ modes, in the order of the processor's mode flag; short names in every language.
inline const std::array<UiText, 2> kEqModes{Tr("Page", "PEQ"), Tr("Page", "GEQ")};

inline const UiText kBand = Tr("Page", "Band");
inline const UiText kFrequency = Tr("Page", "Frequency");
inline const UiText kType = Tr("Page", "Type");
inline const UiText kShelfSlope = Tr("Page", "Shelf slope");
inline const UiText kPeak = Tr("Page", "Peak");
inline const UiText kLowShelf = Tr("Page", "Low shelf");
inline const UiText kHighShelf = Tr("Page", "High shelf");
inline const UiText kTypeTip =
    Tr("Page", "Band %1 type: peak, low shelf or high shelf (a shelf has no Q)");
inline const UiText kShelfSlopeTip = Tr("Page", "Band %1 shelf slope");

inline const UiText kCurrentPosition = Tr("Page", "Position in use");
inline const UiText kCurrentPositionTip = Tr("Page", "The listening position the processor uses");
inline const UiText kPositionDelayTip = Tr("Page", "Delay of %1 in position %2 (%3)");
inline const UiText kPositionsNote =
    Tr("Page", "Delays of the four listening positions, in the delay page's unit (%1).");

}  // namespace corva::pages::settings_text
