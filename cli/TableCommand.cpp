#include "TableCommand.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <optional>

#include "CommandSupport.h"
#include "JsonText.h"
#include "commands/TuningFiles.h"
#include "files/ParameterDifferenceLines.h"
#include "files/ParameterTable.h"
#include "files/export/ParameterTableExport.h"
#include "files/export/ReportFacts.h"

namespace corva::cli {
namespace {

// The workbook library prints its own error lines on stderr; the tool's one line says what
// went wrong, so stderr is closed to the library while it writes.
class LibraryStderrSilenced {
public:
    LibraryStderrSilenced() : saved_{::dup(STDERR_FILENO)} {
        std::fflush(stderr);
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved_ >= 0 && null >= 0) {
            ::dup2(null, STDERR_FILENO);
        }
        if (null >= 0) {
            ::close(null);
        }
    }
    ~LibraryStderrSilenced() {
        if (saved_ >= 0) {
            std::fflush(stderr);
            ::dup2(saved_, STDERR_FILENO);
            ::close(saved_);
        }
    }
    LibraryStderrSilenced(const LibraryStderrSilenced&) = delete;
    LibraryStderrSilenced& operator=(const LibraryStderrSilenced&) = delete;

private:
    int saved_;
};

Status ExportWorkbookQuietly(const ParameterTableText& text, const std::string& path) {
    const LibraryStderrSilenced quiet;
    return ExportXlsx(text, path);
}

struct TableRequest {
    std::string file;  // empty: the processor
    bool fileGiven = false;
    // The unit setting as the table reads it: 1 shows inches and 2 centimetres.
    DelayUnit unit = DelayUnit::Milliseconds;
    std::optional<std::string> xlsx;
    std::optional<std::string> csv;
    std::optional<std::string> pdf;
    bool Exports() const { return xlsx || csv || pdf; }
};

std::optional<DelayUnit> ParseUnit(const std::string& text) {
    if (text == "ms") {
        return DelayUnit::Milliseconds;
    }
    if (text == "in") {
        return DelayUnit::Centimetres;
    }
    if (text == "cm") {
        return DelayUnit::Inches;
    }
    return std::nullopt;
}

std::optional<TableRequest> ParseRequest(const std::vector<std::string>& args) {
    TableRequest request;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool takesValue =
            arg == "--unit" || arg == "--xlsx" || arg == "--csv" || arg == "--pdf";
        if (takesValue) {
            if (i + 1 >= args.size()) {
                return std::nullopt;
            }
            const std::string& value = args[++i];
            if (arg == "--unit") {
                const auto unit = ParseUnit(value);
                if (!unit) {
                    return std::nullopt;
                }
                request.unit = *unit;
            } else {
                (arg == "--xlsx"  ? request.xlsx
                 : arg == "--csv" ? request.csv
                                  : request.pdf) = value;
            }
        } else if (arg.rfind("--", 0) == 0 || request.fileGiven) {
            return std::nullopt;
        } else {
            request.file = arg;
            request.fileGiven = true;
        }
    }
    return request;
}

std::string PlainText(const ParameterTableText& table) {
    std::vector<std::vector<std::string>> rows{{table.headings.begin(), table.headings.end()}};
    for (const ParameterTextRow& row : table.rows) {
        rows.emplace_back(row.begin(), row.end());
    }
    return AlignedColumnsText(rows);
}

std::string JsonOf(const ParameterTableText& table) {
    JsonText json;
    json.Array("headings", std::vector<std::string>(table.headings.begin(), table.headings.end()));
    std::vector<std::vector<std::string>> rows;
    for (const auto& row : table.rows) {
        rows.emplace_back(row.begin(), row.end());
    }
    json.TextArrays("rows", rows);
    return json.Text();
}

ExitCode Output(CliDevice& device, const CliOptions& options, const TableRequest& request,
                const ParameterTable& table) {
    const ParameterTableText text = TableText(table, device.language());
    if (!request.Exports()) {
        std::fputs(options.json ? (JsonOf(text) + "\n").c_str() : PlainText(text).c_str(), stdout);
        return kDone;
    }
    const auto written = [&](const Status& status, const std::string& path) {
        if (!status.ok()) {
            (void)ReportWriteFailure(device, Tr("CommandLine", "The table cannot be exported!"),
                                     path, status);
            return false;
        }
        device.Say(WroteMessage(path));
        return true;
    };
    if (request.csv && !written(ExportCsv(text, *request.csv), *request.csv)) {
        return kFileError;
    }
    if (request.xlsx && !written(ExportWorkbookQuietly(text, *request.xlsx), *request.xlsx)) {
        return kFileError;
    }
    if (request.pdf && !written(RenderPdf(table, *request.pdf, device.language()), *request.pdf)) {
        return kFileError;
    }
    return kDone;
}

}  // namespace

bool TableNeedsGui(const CliOptions& options) {
    return options.command == "table" &&
           std::find(options.args.begin(), options.args.end(), "--pdf") != options.args.end();
}

ExitCode RunTable(CliDevice& device, const CliOptions& options) {
    const auto request = ParseRequest(options.args);
    if (!request) {
        return UsageError(device,
                          Tr("CommandLine",
                             "usage: table [FILE] [--unit ms|cm|in] [--xlsx OUT] [--csv OUT] "
                             "[--pdf OUT]"));
    }
    for (const auto* output : {&request->csv, &request->xlsx, &request->pdf}) {
        if (*output) {
            if (auto refused = RefuseOutputPath(device, **output)) {
                return *refused;
            }
        }
    }
    if (request->fileGiven) {
        const TuningFileKind kind = TuningFileKindOf(request->file);
        if (kind == TuningFileKind::Other || kind == TuningFileKind::Mode) {
            return UsageError(device, TuningFileKindError(".qvms, .qvma, .wkcs or .kpdm"),
                              request->file);
        }
        TuningSession session;
        const TuningFileLoad load = LoadTuningFile(session, request->file);
        if (!load.status.ok()) {
            device.PrintError(load.status.message(),
                              ReadFailureDetail(request->file, device.language()));
            return kFileError;
        }
        ParameterTable table = BuildParameterTable(session, request->unit);
        table.facts = FileReportFacts(session, request->file, load.header);
        return Output(device, options, *request, table);
    }
    return WithProcessor(device, [&] {
        // The delay row shows the current listening position's delays.
        if (!ReadListeningTable(device)) {
            return kLinkError;
        }
        ParameterTable table = BuildParameterTable(device.session(), request->unit);
        table.facts = ProcessorReportFacts(device.session(), device.controller().linkDescription());
        return Output(device, options, *request, table);
    });
}

}  // namespace corva::cli
