// Texts of the measurement window, as catalogue entries.
#pragma once

#include "core/UiText.h"

namespace corva::shell::text {

inline const UiText kMeasureEntry = Tr("Window", "Measure...");
inline const UiText kMeasureTitle = Tr("Window", "Measure the car");

inline const UiText kInputDevice = Tr("Window", "Microphone input");
inline const UiText kInputDeviceTip =
    Tr("Window", "The sound card input the measuring microphone is on");
inline const UiText kOutputDevice = Tr("Window", "Output to the processor");
inline const UiText kOutputDeviceTip =
    Tr("Window", "The sound card output wired to the processor's input");
inline const UiText kDefaultDevice = Tr("Window", "System default");
inline const UiText kMicCalibration = Tr("Window", "Mic calibration");
inline const UiText kMicCalibrationTip =
    Tr("Window", "The microphone's calibration file (frequency, dB); leave empty for none");
inline const UiText kBrowseMicTip = Tr("Window", "Choose the microphone's calibration file");
inline const UiText kSweepLength = Tr("Window", "Sweep length (s)");
inline const UiText kSweepLengthTip =
    Tr("Window", "Seconds of each sweep: longer sweeps stand further above the noise");
inline const UiText kPositions = Tr("Window", "Mic positions");
inline const UiText kPositionsTip =
    Tr("Window", "How many microphone positions are measured and averaged");
inline const UiText kCalibrationTarget = Tr("Window", "Target");
inline const UiText kCalibrationTargetTip =
    Tr("Window", "The curve Apply EQ and Calibrate all fit every channel to");

inline const UiText kInputMeter = Tr("Window", "Input level");
inline const UiText kInputMeterTip =
    Tr("Window", "The microphone's peak level expected for the sweep, in dBFS");
inline const UiText kMeterText = Tr("Window", "%1 dBFS");
inline const UiText kLevelGood = Tr("Window", "Level good.");
inline const UiText kLevelTest = Tr("Window", "Test level");
inline const UiText kLevelTestTip =
    Tr("Window", "Play a short, quiet test tone and check the microphone's level before any sweep");
inline const UiText kTestingLevel = Tr("Window", "Playing a quiet test tone...");

inline const UiText kMeasure = Tr("Window", "Measure");
inline const UiText kMeasureTip =
    Tr("Window", "Sweep every output alone and measure its response and arrival time");
inline const UiText kCancelRun = Tr("Window", "Cancel");
inline const UiText kCancelRunTip =
    Tr("Window", "Stop after the current sweep; the mutes are put back, nothing changes");
inline const UiText kNextPosition = Tr("Window", "Next position");
inline const UiText kNextPositionTip =
    Tr("Window", "The microphone is at its next position: measure on");
inline const UiText kRunProgress = Tr("Window", "Progress");
inline const UiText kRunProgressTip = Tr("Window", "Sweeps done of all sweeps of the run");
inline const UiText kPlaying = Tr("Window", "Playing %1, position %2 of %3");
inline const UiText kMoveMicrophone =
    Tr("Window", "Move the microphone to position %1, then press Next position.");
inline const UiText kRunCancelled =
    Tr("Window", "Stopped; the mutes are as they were and nothing was changed.");
inline const UiText kMutesNotRestored =
    Tr("Window", "The processor's mute state could not be put back: check the mutes.");
inline const UiText kRunDone = Tr("Window", "Measured. Saved in %1");
inline const UiText kMeasureNeedsConnection = Tr("Window", "Connect to the processor first.");
inline const UiText kMeasureProtected = Tr("Window", "The tuning is protected: unlock it first.");

inline const UiText kResultsTable = Tr("Window", "Results");
inline const UiText kResultsTableTip =
    Tr("Window", "Per channel: arrival time, distance, proposed delay and errors");
inline const UiText kColumnChannel = Tr("Window", "Channel");
inline const UiText kColumnArrival = Tr("Window", "Arrival (ms)");
inline const UiText kColumnDistanceCm = Tr("Window", "Farther (cm)");
inline const UiText kColumnDistanceIn = Tr("Window", "Farther (in)");
inline const UiText kColumnDelay = Tr("Window", "Proposed delay");
inline const UiText kColumnBefore = Tr("Window", "Error before (dB)");
inline const UiText kColumnAfter = Tr("Window", "Error after (dB)");
inline const UiText kImpulseView = Tr("Window", "Impulse responses");
inline const UiText kImpulseViewTip =
    Tr("Window", "The start of every channel's impulse response with its arrival mark");

inline const UiText kApplyAlignment = Tr("Window", "Apply alignment");
inline const UiText kApplyAlignmentTip =
    Tr("Window", "Set the proposed delays as one undo step, then measure again to check");
inline const UiText kApplyEq = Tr("Window", "Apply EQ");
inline const UiText kApplyEqTip =
    Tr("Window", "Fit every channel's bands to the target as one undo step, then measure again");
inline const UiText kCalibrateAll = Tr("Window", "Calibrate all");
inline const UiText kCalibrateAllTip =
    Tr("Window", "Measure, align, fit to the target and check again, all as one undo step");
inline const UiText kVerifying = Tr("Window", "Measuring again to check...");
inline const UiText kVerified =
    Tr("Window", "Applied as one undo step; the check is dotted on the graph.");
inline const UiText kShowSaved = Tr("Window", "Show saved...");
inline const UiText kShowSavedTip =
    Tr("Window", "Show a saved measurement on the graph with its channel");
inline const UiText kShowSavedCaption = Tr("Window", "Show a saved measurement");
inline const UiText kCloseMeasure = Tr("Window", "Close");
inline const UiText kCloseMeasureTip = Tr("Window", "Close the window; a run is cancelled first");

}  // namespace corva::shell::text
