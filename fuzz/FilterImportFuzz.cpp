// Arbitrary bytes offered as a REW or Equalizer APO filter file, imported into a channel: a
// plan only ever holds values the processor can store, refuses without applying the rest,
// and reports finite deviations.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "dsp/values/BandCodes.h"
#include "model/TuningSession.h"
#include "tuning/FilterImport.h"

namespace {

void CheckPlan(const corva::tuning::FilterImport& plan) {
    using corva::tuning::ImportOutcome;
    for (const auto& band : plan.settings.bands) {
        if (band.frequencyHz < 20 || band.frequencyHz > 20000 || band.gainCode < 0 ||
            band.gainCode > corva::kBandGainCodeMax || band.bandwidthIndex < 0 ||
            band.bandwidthIndex > corva::kBandwidthIndexMax || band.slope < 0 || band.slope > 1) {
            std::abort();
        }
    }
    for (const auto* crossover : {&plan.settings.highPass, &plan.settings.lowPass}) {
        if (*crossover && ((*crossover)->frequencyHz < 20 || (*crossover)->frequencyHz > 20000)) {
            std::abort();
        }
    }
    if (plan.settings.highPass && plan.settings.lowPass &&
        plan.settings.highPass->frequencyHz > plan.settings.lowPass->frequencyHz) {
        std::abort();
    }
    for (const auto& entry : plan.filters) {
        if (!std::isfinite(entry.deviationDb)) {
            std::abort();
        }
    }
    if (!std::isfinite(plan.largestDeviationDb)) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const corva::tuning::FilterFileRead read = corva::tuning::ParseFilterFile(text);
    if (!read.status.ok()) {
        if (!read.filters.empty() && read.status.message().empty()) {
            std::abort();
        }
        return 0;
    }
    static const corva::TuningSession session;
    static const corva::OutputView current = session.Snapshot().outputs[4];
    using corva::tuning::RestPolicy;
    const auto strict = corva::tuning::PlanFilterImport(read, 4, current, RestPolicy::RefuseAll);
    const auto rest = corva::tuning::PlanFilterImport(read, 4, current, RestPolicy::ApplyRest);
    CheckPlan(strict);
    CheckPlan(rest);
    // Asking to apply the rest never refuses what the strict plan accepts.
    if (!strict.refused && rest.refused) {
        std::abort();
    }
    return 0;
}
