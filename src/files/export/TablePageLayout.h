// The printed pages of the parameter table as plain data: texts, their boxes and the grid
// lines, in points (1/72 inch) from the page's top-left corner. The PDF renderer only draws
// what this layout decides, so the page structure is testable without fonts or a printer.
#pragma once

#include <string>
#include <vector>

#include "core/UiText.h"
#include "files/ParameterTable.h"

namespace corva {

struct PageBox {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    double Bottom() const { return y + height; }
    double Right() const { return x + width; }
};

// The page's three fonts (title 12 pt, cells 8 pt, footer 6 pt); the headings are the cell
// font in bold.
enum class PrintFont { Title, Heading, Cell, Footer };
enum class TextAlign { Left, Centre, Right };

struct PrintedText {
    PageBox box;
    std::string text;
    PrintFont font = PrintFont::Cell;
    TextAlign align = TextAlign::Centre;
};

struct PrintedLine {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
};

struct PrintedPage {
    int firstRow = 0;  // table row in the first row position
    int rowCount = 0;  // table rows on this page; the positions after them stay empty boxes
    PageBox grid;      // the heading row and every row position, framed
    std::vector<PrintedText> texts;
    std::vector<PrintedLine> lines;
};

// A4 portrait with 10 mm margins; the line heights are the fonts' own (ascent plus descent)
// as the renderer measures them.
struct PageMetrics {
    double pageWidth = 595.276;
    double pageHeight = 841.890;
    double margin = 28.346;
    double titleLineHeight = 14;
    double cellLineHeight = 9;
    double footerLineHeight = 7;
};

struct TablePrintout {
    int rowsPerPage = 0;
    double rowHeight = 0;
    std::vector<PrintedPage> pages;
};

// Title and footer of the printed pages: the report's facts (tuning, source, time, client)
// and the program's name and version.
UiText PrintTitle(const ReportFacts& facts);
UiText PrintFooter();
// The name the print job (and the PDF) carries: the tuning's name.
std::string PrintDocumentName(const ReportFacts& facts, UiLanguage language);
// "Page 2 of 3" in `language`.
std::string PageLabel(int page, int pageCount, UiLanguage language);

// As many row positions per page as fit between the title block and the footer; just enough
// pages for the rows (none for an empty table), every page with the headings and a full grid.
TablePrintout LayOutPrintout(const ParameterTableText& table, UiLanguage language,
                             const PageMetrics& metrics);

}  // namespace corva
