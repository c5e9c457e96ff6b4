// How the page's value fields step: frequencies by fractions of an octave on the processor's
// whole Hz steps (a linear step is far too coarse at 20 Hz and far too fine at 10 kHz).
#pragma once

#include "controls/ValueField.h"
#include "dsp/values/EntryLimits.h"

namespace corva::pages {

inline void UseFrequencySteps(controls::ValueField& field) {
    field.SetRange(kLowestFrequencyHz, kHighestFrequencyHz);
    field.SetStepRule([](double frequencyHz, int steps, bool coarse) {
        const int perStep =
            coarse ? kFrequencyCoarseStepTwentyFourths : kFrequencyFineStepTwentyFourths;
        return static_cast<double>(
            SteppedFrequencyHz(static_cast<int>(frequencyHz), steps * perStep));
    });
}

}  // namespace corva::pages
