#include "tuning/FilterImport.h"

#include <algorithm>
#include <cmath>

#include "dsp/values/BandCodes.h"
#include "dsp/values/EntryLimits.h"
#include "tuning/IdealFilters.h"
#include "tuning/ProcessorFit.h"

namespace corva::tuning {
namespace {

constexpr double kGainStepDb = 0.1;

bool HasGain(FileFilterType type) {
    return type == FileFilterType::Peaking || type == FileFilterType::LowShelf ||
           type == FileFilterType::HighShelf;
}

// The shelf slope a file fixes: 6 dB/oct is the processor's slope 0, 12 dB/oct slope 1;
// anything else (or a Q) leaves the choice to the curve.
int FixedShelfSlope(const FileFilter& filter) {
    if (!filter.slopeDbPerOctave || filter.q) {
        return -1;
    }
    if (std::abs(*filter.slopeDbPerOctave - 6.0) < 1e-9) {
        return 0;
    }
    if (std::abs(*filter.slopeDbPerOctave - 12.0) < 1e-9) {
        return 1;
    }
    return -1;
}

BandSetting FlatBand(const BandView& view) {
    BandSetting band;
    band.type = static_cast<FilterType>(view.type);
    band.slope = view.slope;
    band.frequencyHz = view.frequencyHz;
    band.gainCode = kBandGainCodeFlat;
    band.bandwidthIndex = view.bandwidthIndex;
    return band;
}

void Add(Response& sum, const Response& part) {
    for (std::size_t i = 0; i < sum.size(); ++i) {
        sum[i] += part[i];
    }
}

UiText UnsupportedNote(const FileFilter& filter) {
    return Tr("Measuring", "the processor has no %1 filter").Arg(filter.typeText);
}

}  // namespace

FilterImport PlanFilterImport(const FilterFileRead& file, int channel, const OutputView& current,
                              RestPolicy policy) {
    FilterImport plan;
    plan.preampDb = file.preampDb;
    for (int j = 0; j < output_block::kBandSlots; ++j) {
        plan.settings.bands[static_cast<std::size_t>(j)] =
            FlatBand(current.bands[static_cast<std::size_t>(j)]);
    }
    int unsupported = 0;
    int surplus = 0;
    int nextBand = 0;
    std::optional<int> highPassHz;
    std::optional<int> lowPassHz;
    for (const FileFilter& filter : file.filters) {
        if (!FilterIsForChannel(filter.channels, channel)) {
            continue;
        }
        ImportedFilter entry;
        entry.filter = filter;
        const Response ideal = IdealFilterResponse(filter);
        if (filter.type == FileFilterType::Empty) {
            entry.outcome = ImportOutcome::Empty;
        } else if (!filter.enabled) {
            entry.outcome = ImportOutcome::Off;
        } else if (filter.type == FileFilterType::Other) {
            entry.outcome = ImportOutcome::Unsupported;
            entry.note = UnsupportedNote(filter);
            ++unsupported;
        } else if (HasGain(filter.type) && BandGainCodeForDb(filter.gainDb) == kBandGainCodeFlat) {
            entry.outcome = ImportOutcome::Flat;
        } else if (HasGain(filter.type)) {
            if (nextBand >= output_block::kBandSlots) {
                entry.outcome = ImportOutcome::NoRoom;
                entry.note = Tr("Measuring", "all 31 bands are taken");
                ++surplus;
            } else {
                const BandFit fit =
                    filter.type == FileFilterType::Peaking
                        ? FitPeakingBand(ideal, filter.frequencyHz, filter.gainDb)
                        : FitShelf(ideal,
                                   filter.type == FileFilterType::LowShelf ? FilterType::LowShelf
                                                                           : FilterType::HighShelf,
                                   ShelfMidpointHz(filter), filter.gainDb, FixedShelfSlope(filter));
                entry.target = ImportTarget::Band;
                entry.gainLimited = std::abs(BandGainDb(fit.band.gainCode) - filter.gainDb) >
                                    kGainStepDb / 2 + 1e-9;
                entry.band = nextBand++;
                entry.bandSetting = fit.band;
                entry.deviationDb = fit.deviationDb;
            }
        } else {
            const bool high = filter.type == FileFilterType::HighPass;
            auto& taken = high ? highPassHz : lowPassHz;
            const CrossoverFit fit = FitCrossover(
                ideal, high ? FilterType::HighPass : FilterType::LowPass, filter.frequencyHz);
            if (taken) {
                entry.outcome = ImportOutcome::NoRoom;
                entry.note = high ? Tr("Measuring", "the high-pass is already taken")
                                  : Tr("Measuring", "the low-pass is already taken");
                ++surplus;
            } else {
                taken = fit.crossover.frequencyHz;
                entry.target = high ? ImportTarget::HighPass : ImportTarget::LowPass;
                entry.crossoverSetting = fit.crossover;
                entry.deviationDb = fit.deviationDb;
            }
        }
        plan.filters.push_back(std::move(entry));
    }

    // A high-pass never sits above the low-pass: the crossovers the file sets are dropped,
    // last one first, until the pair is in order again.
    const auto outOfOrder = [&] {
        return highPassHz.value_or(current.highPass.frequencyHz) >
               lowPassHz.value_or(current.lowPass.frequencyHz);
    };
    for (auto it = plan.filters.rbegin(); it != plan.filters.rend() && outOfOrder(); ++it) {
        if (it->target != ImportTarget::HighPass && it->target != ImportTarget::LowPass) {
            continue;
        }
        (it->target == ImportTarget::HighPass ? highPassHz : lowPassHz).reset();
        it->outcome = ImportOutcome::NoRoom;
        it->note = Tr("Measuring", "the high-pass would sit above the low-pass");
        it->target = ImportTarget::None;
        ++surplus;
    }

    for (auto& entry : plan.filters) {
        if (entry.outcome != ImportOutcome::Applied) {
            continue;
        }
        Add(plan.fileResponse, IdealFilterResponse(entry.filter));
        switch (entry.target) {
            case ImportTarget::Band:
                plan.settings.bands[static_cast<std::size_t>(entry.band)] = entry.bandSetting;
                Add(plan.processorResponse, BandResponse(entry.bandSetting));
                ++plan.bandsUsed;
                break;
            case ImportTarget::HighPass:
                plan.settings.highPass = entry.crossoverSetting;
                Add(plan.processorResponse,
                    CrossoverResponse(FilterType::HighPass, entry.crossoverSetting));
                break;
            case ImportTarget::LowPass:
                plan.settings.lowPass = entry.crossoverSetting;
                Add(plan.processorResponse,
                    CrossoverResponse(FilterType::LowPass, entry.crossoverSetting));
                break;
            case ImportTarget::None:
                break;
        }
    }
    plan.largestDeviationDb = LargestDeviationDb(plan.fileResponse, plan.processorResponse);

    const bool applicable =
        std::any_of(plan.filters.begin(), plan.filters.end(),
                    [](const auto& e) { return e.outcome == ImportOutcome::Applied; });
    if (plan.filters.empty()) {
        plan.refused = true;
        plan.refusal = Tr("Measuring", "The file has no filters for this channel.");
    } else if ((unsupported > 0 || surplus > 0) && policy == RestPolicy::RefuseAll) {
        plan.refused = true;
        const std::string counts = std::to_string(unsupported + surplus);
        plan.refusal = Tr("Measuring",
                          "%1 filter(s) cannot be placed on the processor; nothing was "
                          "applied. Ask to apply the rest to import the others.")
                           .Arg(counts);
    } else if (!applicable && unsupported + surplus > 0) {
        plan.refused = true;
        plan.refusal =
            Tr("Measuring", "None of the file's filters can be placed on the processor.");
    }
    return plan;
}

}  // namespace corva::tuning
