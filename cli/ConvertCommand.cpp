#include "ConvertCommand.h"

#include "CommandSupport.h"
#include "commands/TuningFiles.h"

namespace corva::cli {
namespace {

UiText ConvertWriteError() {
    return Tr("CommandLine", "The converted file cannot be written!");
}

}  // namespace

ExitCode RunConvert(CliDevice& device, const CliOptions& options) {
    if (auto usage = RequireArguments(device, options, 2, "convert IN OUT")) {
        return *usage;
    }
    const std::string& in = options.args[0];
    const std::string& out = options.args[1];
    const TuningFileKind from = TuningFileKindOf(in);
    const TuningFileKind to = TuningFileKindOf(out);
    const bool musicToSingle = from == TuningFileKind::Music && to == TuningFileKind::Single;
    const bool singleToMusic = from == TuningFileKind::Single && to == TuningFileKind::Music;
    if (!musicToSingle && !singleToMusic) {
        return UsageError(device,
                          Tr("CommandLine",
                             "convert takes a music file (.wkcs, .kpdm) and a single preset "
                             "file (.qvms), in either order"),
                          in + " " + out);
    }
    if (auto refused = RefuseOutputPath(device, out)) {
        return *refused;
    }
    TuningSession session;
    const TuningFileLoad load = LoadTuningFile(session, in);
    if (!load.status.ok()) {
        device.PrintError(load.status.message(), ReadFailureDetail(in, device.language()));
        return kFileError;
    }
    if (musicToSingle && session.IsProtected()) {
        device.PrintError(ProtectedTuningRefusal(), in);
        return kRefused;
    }
    // A single file carries no protection, so a music file made from one is an open one.
    const Status written =
        musicToSingle ? WriteLiveAsSingleFile(session, out) : WriteLiveAsMusicFile(session, out);
    if (!written.ok()) {
        return ReportWriteFailure(device, ConvertWriteError(), out, written);
    }
    device.Say(WroteMessage(out));
    return kDone;
}

}  // namespace corva::cli
