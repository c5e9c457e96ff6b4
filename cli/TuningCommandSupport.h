// What the tuning commands (import-eq, auto-eq, align) share: their common options, working
// either on the processor or on a preset file without one, and the report printed at the end.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "CliDevice.h"
#include "CliOptions.h"
#include "ExitCode.h"

namespace corva::cli {

// The arguments of a tuning command: positional ones in order, the flags it knows, and the
// values of its options.
struct TuningArguments {
    std::vector<std::string> positional;
    bool dryRun = false;
    std::string file;  // --file: a .qvms or .wkcs/.kpdm preset instead of the processor
    std::vector<std::pair<std::string, std::string>> values;  // --name VALUE
    std::vector<std::string> flags;                           // other --name
    UiText error;                                             // when the line is wrong

    std::optional<std::string> Value(const std::string& name) const;
    bool Flag(const std::string& name) const;
};

// Reads the command's arguments: `valueOptions` take one value, `flagOptions` none;
// --dry-run and --file are known to every tuning command.
TuningArguments ParseTuningArguments(const std::vector<std::string>& args,
                                     const std::vector<std::string>& valueOptions,
                                     const std::vector<std::string>& flagOptions);

// Runs `work` on the session it applies to and prints the report it leaves in `report`:
// - with --file, on that preset file without a processor; unless a dry run the file is
//   written back (safely) once the work succeeded;
// - otherwise on the processor: connect, work, wait until everything is sent, disconnect.
// Protected tuning is refused before `work` runs. `work` gets whether to change anything.
using TuningWork = std::function<ExitCode(TuningSession& session, bool apply, std::string& report)>;
ExitCode RunOnTuning(CliDevice& device, const TuningArguments& arguments, const TuningWork& work);

// --smooth N (1..48) into `fraction` when given; the usage error's exit code when wrong.
std::optional<ExitCode> ReadSmoothing(const CliDevice& device, const TuningArguments& arguments,
                                      int& fraction);

// The refusal of an edit while the tuning is protected.
UiText ProtectedRefusal();

// Rounded for reports: 2 decimals.
double Rounded(double value, int decimals = 2);

}  // namespace corva::cli
