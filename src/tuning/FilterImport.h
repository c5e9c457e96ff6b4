// Filters from a REW or Equalizer APO file placed on one output channel: each filter snapped
// to the processor's steps (bands for peaking filters and shelves, the crossovers for high-
// and low-pass), with a report of what each became and how far its curve is from the file's.
// The plan is complete before anything changes; the edit API applies it in one step.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/UiText.h"
#include "model/EqualizerSettings.h"
#include "model/TuningSnapshot.h"
#include "tuning/FilterFile.h"

namespace corva::tuning {

enum class ImportOutcome {
    Applied,      // became a band or a crossover
    Flat,         // 0 dB: nothing to apply
    Off,          // switched off in the file
    Empty,        // an unused slot of the file
    Unsupported,  // a type the processor has no filter for
    NoRoom,       // more filters than bands, or a second high-/low-pass
};

enum class ImportTarget { None, Band, HighPass, LowPass };

struct ImportedFilter {
    FileFilter filter;
    ImportOutcome outcome = ImportOutcome::Applied;
    ImportTarget target = ImportTarget::None;
    int band = -1;  // 0..30 when it became a band
    BandSetting bandSetting;
    CrossoverSetting crossoverSetting;
    double deviationDb = 0.0;  // processor's curve against the file's, 20 Hz..20 kHz
    bool gainLimited = false;  // the file's gain lies beyond the band's range and was limited
    UiText note;               // why it was not applied
};

enum class RestPolicy {
    RefuseAll,  // unsupported or surplus filters refuse the import
    ApplyRest,  // apply what the processor can hold and report the rest
};

struct FilterImport {
    std::vector<ImportedFilter> filters;  // the file's filters for the channel, in order
    EqualizerSettings settings;           // the channel's equaliser after the import
    bool refused = false;                 // nothing may be applied
    UiText refusal;
    int bandsUsed = 0;
    // The whole file against the whole import (applied filters only), 20 Hz..20 kHz.
    double largestDeviationDb = 0.0;
    Response fileResponse{};         // the file's ideal curve (every filter that is on)
    Response processorResponse{};    // the bands and crossovers the import sets
    std::optional<double> preampDb;  // reported, not applied: the channel gain stays
};

// Plans the import of `file` into output channel `channel`, whose current values are
// `current` (bands not used by the file become flat; crossovers the file does not set stay).
// Filters chosen by APO "Channel:" lines for other outputs are left out.
FilterImport PlanFilterImport(const FilterFileRead& file, int channel, const OutputView& current,
                              RestPolicy policy);

}  // namespace corva::tuning
