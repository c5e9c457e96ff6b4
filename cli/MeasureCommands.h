// audio-devices, measure and calibrate: the sound devices there are, sweeps of chosen outputs
// through the processor (arrival times and REW-readable exports), and the car's one-step
// calibration. Ctrl-C stops a run with the processor's mute state put back.
#pragma once

#include "CliDevice.h"
#include "CliOptions.h"
#include "ExitCode.h"

namespace corva::cli {

ExitCode RunAudioDevices(CliDevice& device, const CliOptions& options);
ExitCode RunMeasure(CliDevice& device, const CliOptions& options);
ExitCode RunCalibrate(CliDevice& device, const CliOptions& options);

}  // namespace corva::cli
