// The full interface page's own texts as catalogue entries: the channel strips, the crossover
// controls, the delay page, the main volume panel, the pair links and the switch between the
// EQ editor and the strips. Accessible names are entries of their own ("accessible name") that
// Chinese keeps English, so scripts and tests find the controls by the same names.
#pragma once

#include <string>

#include <QString>

#include "core/UiText.h"

namespace corva::pages {

// The pages' texts are UTF-8 in the engine and QString on screen.
inline QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// A channel's accessible name: `name` filled with the channel's number (from 0) and its name.
inline QString ChannelAccessibleName(const UiText& name, int channel, const QString& channelName,
                                     UiLanguage language) {
    return Text(name.Arg(std::to_string(channel + 1)).Arg(channelName.toStdString()).In(language));
}

}  // namespace corva::pages

namespace corva::pages::page_text {

// ---- Lower area ----
inline const UiText kShowEq = Tr("Page", "Output EQ");
inline const UiText kShowStrips = Tr("Page", "Channels");
inline const UiText kShowEqTip = Tr("Page", "Show the 31-band EQ of the current channel (Alt+E)");
inline const UiText kShowStripsTip =
    Tr("Page", "Show the gain, polarity and mute of all six channels (Alt+C)");

// ---- Channel strips ----
inline const UiText kStripButtonTip = Tr("Page", "Make %1 the current channel");
inline const UiText kStripGainTip =
    Tr("Page", "Gain of %1, -60.0 to 0.0 dB; linked channels keep their offsets");
inline const UiText kStripGainUpTip = Tr("Page", "Raise the gain of %1 by 0.1 dB");
inline const UiText kStripGainDownTip = Tr("Page", "Lower the gain of %1 by 0.1 dB");
inline const UiText kStripPolarityTip =
    Tr("Page", "Polarity of %1: normal (Pol+) or inverted (Pol-)");
inline const UiText kStripMuteTip = Tr("Page", "Sound of %1: On, or OFF (muted)");

// ---- Crossovers ----
inline const UiText kCrossoverTitle = Tr("Page", "Crossover");
inline const UiText kHighPass = Tr("Page", "High pass");
inline const UiText kLowPass = Tr("Page", "Low pass");
inline const UiText kCrossoverFrequencyTip = Tr("Page", "%1 frequency, 20 to 20000 Hz");
inline const UiText kCrossoverKindTip = Tr("Page", "%1 filter kind");
inline const UiText kCrossoverSlopeTip = Tr("Page", "%1 slope; 6 dB/Oct is always Linkwitz-Riley");

// ---- Delay page ----
inline const UiText kDelayTitle = Tr("Page", "Delay");
inline const UiText kDelayUnitTip = Tr("Page", "Unit of the delay fields");
inline const UiText kDelayMs = Tr("Page", "Ms");
inline const UiText kDelayCm = Tr("Page", "Cm");
inline const UiText kDelayFieldTip = Tr("Page", "Delay of %1, 0 to 5.396 ms (0 to 187 cm)");
inline const UiText kDelayButtonTip = Tr("Page", "Make %1 the current channel");
inline const UiText kListeningPosition = Tr("Page", "Position: %1");
inline const UiText kListeningPositionTip =
    Tr("Page", "The listening position the processor uses (its own table)");

// ---- Main volume ----
inline const UiText kVolumeTitle = Tr("Page", "Volume");
inline const UiText kVolumeTip = Tr("Page", "Main volume, OFF or -59 to +6 dB");
inline const UiText kMasterMute = Tr("Page", "Mute");
inline const UiText kMasterMuteTip = Tr("Page", "Mute or unmute every output");

// ---- Pair links ----
inline const UiText kLinkTip = Tr("Page", "Link %1 and %2: edits on one are repeated on the other");
inline const UiText kUnlinkTip = Tr("Page", "%1 and %2 are linked; press to unlink them");
inline const UiText kLinkDialogTitle = Tr("Page", "Link channels");
inline const UiText kLinkDialogText =
    Tr("Page",
       "Before %1 and %2 are linked their settings must be made equal. Which way should they be "
       "copied?");
inline const UiText kCopyLeftToRight = Tr("Page", "Copy %1 to %2 (left to right)");
inline const UiText kCopyRightToLeft = Tr("Page", "Copy %2 to %1 (right to left)");
inline const UiText kOk = Tr("Page", "OK");
inline const UiText kCancel = Tr("Page", "Cancel");

}  // namespace corva::pages::page_text
