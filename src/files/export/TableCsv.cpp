// The CSV export of the parameter table.
#include <string>

#include "files/SafeFileWriter.h"
#include "files/export/ParameterTableExport.h"

namespace corva {
namespace {

void AppendField(std::string& out, const std::string& field) {
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
}

void AppendLine(std::string& out, const ParameterTextRow& row) {
    for (std::size_t k = 0; k < row.size(); ++k) {
        if (k > 0) {
            out += ',';
        }
        AppendField(out, row[k]);
    }
    out += "\r\n";
}

}  // namespace

std::string CsvText(const ParameterTableText& table) {
    // The byte-order mark tells spreadsheet programs the text is UTF-8, so Chinese reads right.
    std::string out = "\xEF\xBB\xBF";
    AppendLine(out, table.headings);
    for (const ParameterTextRow& row : table.rows) {
        AppendLine(out, row);
    }
    return out;
}

Status ExportCsv(const ParameterTableText& table, const std::string& path) {
    return WriteFileSafely(path, CsvText(table));
}

}  // namespace corva
