// Texts of the measurement tools as catalogue entries: filter import, auto-EQ and alignment from
// distances.
#pragma once

#include "core/UiText.h"

namespace corva::shell::text {

inline const UiText kImportFiltersEntry = Tr("Window", "Import filters...");
inline const UiText kAutoEqEntry = Tr("Window", "Auto-EQ...");
inline const UiText kAlignEntry = Tr("Window", "Align from distances...");
inline const UiText kSnapshotsEntry = Tr("Window", "Snapshots...");

inline const UiText kImportFiltersTitle = Tr("Window", "Import filters");
inline const UiText kAutoEqTitle = Tr("Window", "Auto-EQ");
inline const UiText kAlignTitle = Tr("Window", "Align from distances");

inline const UiText kForChannel = Tr("Window", "Output channel: %1");
inline const UiText kFile = Tr("Window", "File");
inline const UiText kBrowseFile = Tr("Window", "Browse...");
inline const UiText kFilterFileTip =
    Tr("Window", "A REW \"Filter Settings\" text or an Equalizer APO configuration");
inline const UiText kMeasurementFileTip =
    Tr("Window", "A REW text export or an FRD file of the channel");
inline const UiText kBrowseTip = Tr("Window", "Choose the file");
inline const UiText kApplyRest = Tr("Window", "Apply what the processor can hold, skip the rest");
inline const UiText kApplyRestTip =
    Tr("Window", "Without this, a filter the processor cannot take refuses the whole import");
inline const UiText kPreview = Tr("Window", "Preview");
inline const UiText kPreviewTip =
    Tr("Window", "Compute the result and show it on the graph; nothing is sent");
inline const UiText kApply = Tr("Window", "Apply");
inline const UiText kApplyTip =
    Tr("Window", "Send the previewed result to the channel as one step");
inline const UiText kCloseTool = Tr("Window", "Close");
inline const UiText kCloseToolTip = Tr("Window", "Close; the measurement stays on the graph");
inline const UiText kWorking = Tr("Window", "Working...");
inline const UiText kApplied = Tr("Window", "Applied.");
inline const UiText kChooseFileFirst = Tr("Window", "Choose a file first.");

inline const UiText kTarget = Tr("Window", "Target");
inline const UiText kTargetTip = Tr("Window", "The curve the channel should follow");
inline const UiText kTargetFlat = Tr("Window", "Flat");
inline const UiText kTargetHouse = Tr("Window", "House curve");
inline const UiText kTargetFile = Tr("Window", "From a file");
inline const UiText kTargetFileTip = Tr("Window", "A target curve in the measurement formats");
inline const UiText kMaxBoost = Tr("Window", "Largest boost (dB)");
inline const UiText kMaxBoostTip =
    Tr("Window", "No band and no point of the bands' sum goes above this");
inline const UiText kRange = Tr("Window", "Fit range (Hz)");
inline const UiText kRangeLowTip = Tr("Window", "Lowest frequency the fit looks at");
inline const UiText kRangeHighTip = Tr("Window", "Highest frequency the fit looks at");
inline const UiText kSmoothing = Tr("Window", "Smoothing (1/N octave)");
inline const UiText kSmoothingTip =
    Tr("Window", "Smooths the measurement over 1/N octave before the fit; 0 leaves it as measured");
inline const UiText kHideMeasurement = Tr("Window", "Hide measurement");
inline const UiText kHideMeasurementTip = Tr("Window", "Take the measurement off the graph");
inline const UiText kFitFigures =
    Tr("Window",
       "Error over the range: RMS %1 dB, largest %2 dB before; RMS %3 dB, "
       "largest %4 dB after, with %5 bands.");

inline const UiText kImportSummary =
    Tr("Window", "%1 bands used; largest deviation from the file's curve %2 dB.");
inline const UiText kImportPreamp = Tr("Window", "The file's preamp of %1 dB is not applied.");

inline const UiText kDistanceUnit = Tr("Window", "Unit");
inline const UiText kDistanceUnitTip = Tr("Window", "Unit of the distances");
inline const UiText kCentimetres = Tr("Window", "cm");
inline const UiText kInches = Tr("Window", "in");
inline const UiText kDistanceTip =
    Tr("Window", "Distance from the listening seat to %1; leave empty to keep its delay");
inline const UiText kNotANumberDistance =
    Tr("Window", "%1: enter a distance of 0 or more, or leave it empty.");
inline const UiText kNoDistances = Tr("Window", "Enter at least one distance.");
inline const UiText kAlignedDelay = Tr("Window", "%1: %2 ms");
inline const UiText kAlignedLimited =
    Tr("Window", "%1: %2 ms (limited: the processor delays at most 5.396 ms)");

}  // namespace corva::shell::text
