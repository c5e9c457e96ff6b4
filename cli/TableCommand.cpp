#include "TableCommand.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "CommandSupport.h"
#include "JsonText.h"
#include "commands/TuningFiles.h"
#include "files/ParameterTable.h"
#include "files/export/ParameterTableExport.h"

namespace corva::cli {
namespace {

struct TableRequest {
    std::string file;  // empty: the processor
    // The unit setting as the table reads it: 1 shows inches and 2 centimetres.
    DelayUnit unit = DelayUnit::Milliseconds;
    std::string xlsx;
    std::string csv;
    std::string pdf;
    bool Exports() const { return !xlsx.empty() || !csv.empty() || !pdf.empty(); }
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
        } else if (arg.rfind("--", 0) == 0 || !request.file.empty()) {
            return std::nullopt;
        } else {
            request.file = arg;
        }
    }
    return request;
}

// Terminal columns of a UTF-8 text: East Asian characters take two.
std::size_t DisplayWidth(const std::string& text) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        width += length >= 3 ? 2 : 1;
        i += length;
    }
    return width;
}

std::string PlainText(const ParameterTableText& table) {
    std::array<std::size_t, kParameterTableColumns> widths{};
    const auto measure = [&](const ParameterTextRow& row) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], DisplayWidth(row[c]));
        }
    };
    measure(table.headings);
    std::for_each(table.rows.begin(), table.rows.end(), measure);
    std::string text;
    const auto line = [&](const ParameterTextRow& row) {
        std::string cells;
        for (std::size_t c = 0; c < row.size(); ++c) {
            cells += row[c];
            if (c + 1 < row.size()) {
                cells.append(widths[c] - DisplayWidth(row[c]) + 2, ' ');
            }
        }
        text += cells.substr(0, cells.find_last_not_of(' ') + 1) + "\n";
    };
    line(table.headings);
    std::for_each(table.rows.begin(), table.rows.end(), line);
    return text;
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
            device.PrintError(status.message(), path);
            return false;
        }
        device.Say({"Wrote " + path, "已写入 " + path});
        return true;
    };
    if (!request.csv.empty() && !written(ExportCsv(text, request.csv), request.csv)) {
        return kFileError;
    }
    if (!request.xlsx.empty() && !written(ExportXlsx(text, request.xlsx), request.xlsx)) {
        return kFileError;
    }
    if (!request.pdf.empty() &&
        !written(RenderPdf(table, request.pdf, device.language()), request.pdf)) {
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
        return UsageError(device, {"usage: table [FILE] [--unit ms|cm|in] [--xlsx OUT] [--csv OUT] "
                                   "[--pdf OUT]",
                                   "用法: table [FILE] [--unit ms|cm|in] [--xlsx OUT] [--csv OUT] "
                                   "[--pdf OUT]"});
    }
    if (!request->file.empty()) {
        const TuningFileKind kind = TuningFileKindOf(request->file);
        if (kind == TuningFileKind::Other || kind == TuningFileKind::Mode) {
            return UsageError(device, TuningFileKindError(".qvms, .qvma, .wkcs or .kpdm"),
                              request->file);
        }
        TuningSession session;
        const TuningFileLoad load = LoadTuningFile(session, request->file);
        if (!load.status.ok()) {
            device.PrintError(load.status.message(), request->file);
            return kFileError;
        }
        return Output(device, options, *request, BuildParameterTable(session, request->unit));
    }
    return WithProcessor(device, [&] {
        // The delay row shows the current listening position's delays.
        if (!ReadListeningTable(device)) {
            return kLinkError;
        }
        return Output(device, options, *request,
                      BuildParameterTable(device.session(), request->unit));
    });
}

}  // namespace corva::cli
