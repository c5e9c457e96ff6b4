#include "TuningCommandSupport.h"

#include <cmath>
#include <cstdio>

#include "CommandSupport.h"
#include "commands/TuningFiles.h"

namespace corva::cli {

std::optional<std::string> TuningArguments::Value(const std::string& name) const {
    for (const auto& [key, value] : values) {
        if (key == name) {
            return value;
        }
    }
    return std::nullopt;
}

bool TuningArguments::Flag(const std::string& name) const {
    for (const auto& flag : flags) {
        if (flag == name) {
            return true;
        }
    }
    return false;
}

TuningArguments ParseTuningArguments(const std::vector<std::string>& args,
                                     const std::vector<std::string>& valueOptions,
                                     const std::vector<std::string>& flagOptions) {
    TuningArguments parsed;
    const auto known = [](const std::vector<std::string>& names, const std::string& arg) {
        for (const auto& name : names) {
            if (name == arg) {
                return true;
            }
        }
        return false;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--dry-run") {
            parsed.dryRun = true;
        } else if (arg == "--file" || known(valueOptions, arg)) {
            if (i + 1 >= args.size() || parsed.Value(arg) ||
                (arg == "--file" && !parsed.file.empty())) {
                parsed.error = Tr("CommandLine", "%1 takes one value").Arg(arg);
                return parsed;
            }
            if (arg == "--file") {
                parsed.file = args[++i];
            } else {
                parsed.values.emplace_back(arg, args[i + 1]);
                ++i;
            }
        } else if (known(flagOptions, arg)) {
            parsed.flags.push_back(arg);
        } else if (arg.rfind("--", 0) == 0) {
            parsed.error = Tr("CommandLine", "unknown option %1").Arg(arg);
            return parsed;
        } else {
            parsed.positional.push_back(arg);
        }
    }
    return parsed;
}

std::optional<ExitCode> ReadSmoothing(const CliDevice& device, const TuningArguments& arguments,
                                      int& fraction) {
    const auto smooth = arguments.Value("--smooth");
    if (!smooth) {
        return std::nullopt;
    }
    const auto value = ParseInteger(*smooth);
    if (!value || *value < 1 || *value > 48) {
        return UsageError(device,
                          Tr("CommandLine", "--smooth takes N = 1..48 for 1/N-octave smoothing"),
                          *smooth);
    }
    fraction = *value;
    return std::nullopt;
}

UiText ProtectedRefusal() {
    return Tr("CommandLine", "The tuning is protected: unlock it before editing.");
}

namespace {

ExitCode OnFile(CliDevice& device, const TuningArguments& arguments, const TuningWork& work) {
    const std::string& path = arguments.file;
    const TuningFileKind kind = TuningFileKindOf(path);
    if (kind != TuningFileKind::Single && kind != TuningFileKind::Music) {
        return UsageError(device, TuningFileKindError(".qvms, .wkcs or .kpdm"), path);
    }
    TuningSession session;
    const TuningFileLoad load = LoadTuningFile(session, path);
    if (!load.status.ok()) {
        device.PrintError(load.status.message(), path);
        return kFileError;
    }
    if (session.IsProtected()) {
        device.PrintError(ProtectedRefusal());
        return kRefused;
    }
    std::string report;
    const ExitCode worked = work(session, !arguments.dryRun, report);
    if (worked == kDone && !arguments.dryRun) {
        const Status written = kind == TuningFileKind::Single ? WriteLiveAsSingleFile(session, path)
                                                              : WriteLiveAsMusicFile(session, path);
        if (!written.ok()) {
            device.PrintError(written.message());
            return kFileError;
        }
    }
    std::fputs(report.c_str(), stdout);
    return worked;
}

}  // namespace

ExitCode RunOnTuning(CliDevice& device, const TuningArguments& arguments, const TuningWork& work) {
    if (!arguments.file.empty()) {
        return OnFile(device, arguments, work);
    }
    return WithProcessor(device, [&] {
        if (TuningProtected(device)) {
            device.PrintError(ProtectedRefusal());
            return kRefused;
        }
        std::string report;
        const ExitCode worked = work(device.session(), !arguments.dryRun, report);
        if (!report.empty() && report.back() == '\n') {
            report.pop_back();
        }
        if (!report.empty()) {
            // Printed once the processor has answered every frame of the change.
            device.PrintWhenSent(report);
        }
        return worked;
    });
}

double Rounded(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

}  // namespace corva::cli
