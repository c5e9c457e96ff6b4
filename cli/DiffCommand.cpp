#include "DiffCommand.h"

#include <array>
#include <cstdio>
#include <memory>
#include <optional>

#include "CommandSupport.h"
#include "JsonText.h"
#include "commands/StoredPresetTable.h"
#include "files/ParameterDifferenceLines.h"
#include "text/CodePage.h"

namespace corva::cli {
namespace {

struct Source {
    enum class Kind { File, Live, Preset } kind = Kind::File;
    std::string text;  // as given
    int preset = 0;
};

std::optional<Source> ParseSource(const std::string& text) {
    Source source;
    source.text = text;
    if (text == "live") {
        source.kind = Source::Kind::Live;
    } else if (text.rfind("preset:", 0) == 0) {
        const auto preset = ParsePresetNumber(std::string_view(text).substr(7));
        if (!preset) {
            return std::nullopt;
        }
        source.kind = Source::Kind::Preset;
        source.preset = *preset;
    }
    return source;
}

using DiffLine = DifferenceLine;  // channel, parameter, A, B

std::string JsonOf(const Source& a, const Source& b, const std::vector<DiffLine>& lines) {
    JsonText json;
    json.Field("a", a.text);
    json.Field("b", b.text);
    json.Field("equal", lines.empty());
    json.ObjectArray("differences", static_cast<int>(lines.size()), [&](JsonText& item, int i) {
        const DiffLine& line = lines[static_cast<std::size_t>(i)];
        item.Field("channel", line[0]);
        item.Field("parameter", line[1]);
        item.Field("a", line[2]);
        item.Field("b", line[3]);
    });
    return json.Text();
}

std::string PresetName(const TuningSession& session, int preset) {
    return DecodeRecordText(session.Snapshot().presetNames[static_cast<std::size_t>(preset - 1)]);
}

// Two complete files hold 15 stored presets each beside the live tuning: every one of them is
// compared, its name too, one line per differing cell named "preset:N".
void AddStoredPresetDifferences(std::vector<DiffLine>& lines, UiLanguage language,
                                const TuningSession& first, const TuningSession& second) {
    const UiText nameLabel = Tr("CommandLine", "Name");
    for (int preset = 1; preset <= kPresetCount; ++preset) {
        const std::string prefix = "preset:" + std::to_string(preset);
        const std::string firstName = PresetName(first, preset);
        const std::string secondName = PresetName(second, preset);
        if (firstName != secondName) {
            lines.push_back({prefix, nameLabel.In(language), firstName, secondName});
        }
        AddDifferenceLines(lines, language, prefix + " ",
                           StoredPresetTable(first, preset, DelayUnit::Milliseconds),
                           StoredPresetTable(second, preset, DelayUnit::Milliseconds));
    }
}

ExitCode Compare(CliDevice& device, const CliOptions& options, const Source& a, const Source& b,
                 const ParameterTable& first, const ParameterTable& second,
                 const std::vector<DiffLine>& more = {}) {
    std::vector<DiffLine> lines;
    const UiLanguage language = device.language();
    AddDifferenceLines(lines, language, "", first, second);
    lines.insert(lines.end(), more.begin(), more.end());
    std::fputs(
        options.json ? (JsonOf(a, b, lines) + "\n").c_str() : AlignedColumnsText(lines).c_str(),
        stdout);
    return lines.empty() ? kDone : kDifferent;
}

}  // namespace

ExitCode RunDiff(CliDevice& device, const CliOptions& options) {
    const UiText usage =
        Tr("CommandLine", "usage: diff A B (each a preset file, live or preset:N)");
    if (options.args.size() != 2) {
        return UsageError(device, usage);
    }
    std::array<Source, 2> sources;
    std::array<std::optional<ParameterTable>, 2> tables;
    std::array<std::unique_ptr<TuningSession>, 2> fileSessions;
    bool needsProcessor = false;
    for (std::size_t i = 0; i < 2; ++i) {
        const auto source = ParseSource(options.args[i]);
        if (!source) {
            return UsageError(device, usage, options.args[i]);
        }
        sources[i] = *source;
        if (source->kind != Source::Kind::File) {
            needsProcessor = true;
            continue;
        }
        const TuningFileKind kind = TuningFileKindOf(source->text);
        if (kind == TuningFileKind::Other || kind == TuningFileKind::Mode) {
            return UsageError(device, TuningFileKindError(".qvms, .qvma, .wkcs or .kpdm"),
                              source->text);
        }
        fileSessions[i] = std::make_unique<TuningSession>();
        TuningSession& session = *fileSessions[i];
        const TuningFileLoad load = LoadTuningFile(session, source->text);
        if (!load.status.ok()) {
            device.PrintError(load.status.message(), source->text);
            return kFileError;
        }
        if (session.IsProtected()) {
            return RefuseProtectedValues(device);  // its values are not shown anywhere
        }
        tables[i] = BuildParameterTable(session, DelayUnit::Milliseconds);
    }
    if (!needsProcessor) {
        std::vector<DiffLine> presets;
        if (TuningFileKindOf(sources[0].text) == TuningFileKind::Complete &&
            TuningFileKindOf(sources[1].text) == TuningFileKind::Complete) {
            AddStoredPresetDifferences(presets, device.language(), *fileSessions[0],
                                       *fileSessions[1]);
        }
        return Compare(device, options, sources[0], sources[1], *tables[0], *tables[1], presets);
    }
    return WithProcessor(device, [&] {
        if (TuningProtected(device)) {
            return RefuseProtectedValues(device);
        }
        // The delay row shows the current listening position's delays.
        if (!ReadListeningTable(device)) {
            return kLinkError;
        }
        for (std::size_t i = 0; i < 2; ++i) {
            if (sources[i].kind == Source::Kind::Preset &&
                !ReadStoredPresetOutputs(device.session(), sources[i].preset)) {
                device.PrintError(Tr("CommandLine", "Not connected: nothing was read."));
                return kLinkError;
            }
        }
        if (!device.WaitUntilSent()) {
            return TimedOut(device,
                            Tr("CommandLine", "Time-out: the stored preset did not arrive."));
        }
        for (std::size_t i = 0; i < 2; ++i) {
            if (sources[i].kind == Source::Kind::Live) {
                tables[i] = BuildParameterTable(device.session(), DelayUnit::Milliseconds);
            } else if (sources[i].kind == Source::Kind::Preset) {
                tables[i] =
                    StoredPresetTable(device.session(), sources[i].preset, DelayUnit::Milliseconds);
            }
        }
        return Compare(device, options, sources[0], sources[1], *tables[0], *tables[1]);
    });
}

}  // namespace corva::cli
