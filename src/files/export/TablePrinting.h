// The printed parameter table on any paged device: a printer chosen in the print dialog, or a
// PDF with the page size and orientation of that printer. The pages are the ones of the page
// layout, measured from the corner of the paper: a printer must be set to full-page drawing.
#pragma once

#include <string>

#include "core/Status.h"
#include "files/ParameterTable.h"

class QPageLayout;
class QPagedPaintDevice;

namespace corva {

// Pages first..last, counted from 1; a range of 0..0 prints every page. A range that runs past
// the last page stops there; one that starts past it prints nothing.
struct PrintPageRange {
    int first = 0;
    int last = 0;
};

struct TablePrintResult {
    Status status = Status::Ok();
    int pageCount = 0;    // of the whole printout (the count the page labels show)
    int rowsPerPage = 0;  // row positions on every page
    int pagesDrawn = 0;
};

// Needs a QGuiApplication for its fonts. An empty table prints nothing and fails with a
// message.
TablePrintResult PaintTablePages(QPagedPaintDevice& device, const ParameterTableText& table,
                                 UiLanguage language, PrintPageRange range = {});

// The same pages as a PDF of `page`'s size and orientation, written whole by the safe writer.
TablePrintResult WriteTablePdf(const ParameterTableText& table, const std::string& path,
                               UiLanguage language, const QPageLayout& page,
                               PrintPageRange range = {});

}  // namespace corva
