// The printed parameter table as a PDF or on a printer, drawn with Qt from the page layout.
#include <algorithm>

#include <QBuffer>
#include <QByteArray>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QStringList>

#include "core/ProgramVersion.h"
#include "files/SafeFileWriter.h"
#include "files/export/ParameterTableExport.h"
#include "files/export/TablePageLayout.h"
#include "files/export/TablePrinting.h"

namespace corva {
namespace {

constexpr int kDotsPerInch = 300;
constexpr double kPointsPerInch = 72.0;
constexpr double kGridLineWidth = 0.5;  // points

// The first installed family of each list is used; characters it lacks come from the later
// ones, so Chinese texts need one of the CJK families (Noto CJK on Linux). Latin letters and
// digits come from a Latin family in both languages: with them taken from the CJK font, PDF
// readers cannot always copy or search the numbers.
QStringList SansFamilies() {
    return {"Arial",           "Liberation Sans", "DejaVu Sans", "Noto Sans CJK SC",
            "Microsoft YaHei", "SimHei"};
}

QStringList SerifFamilies() {
    return {"Times New Roman",   "Liberation Serif", "DejaVu Serif",
            "Noto Serif CJK SC", "Noto Sans CJK SC", "SimSun"};
}

struct PrintFonts {
    QFont title;
    QFont heading;
    QFont cell;
    QFont footer;

    PrintFonts() {
        title.setFamilies(SansFamilies());
        title.setPointSizeF(12);
        cell.setFamilies(SansFamilies());
        cell.setPointSizeF(8);
        heading = cell;
        heading.setBold(true);
        footer.setFamilies(SerifFamilies());
        footer.setPointSizeF(6);
    }

    const QFont& Of(PrintFont font) const {
        switch (font) {
            case PrintFont::Title:
                return title;
            case PrintFont::Heading:
                return heading;
            case PrintFont::Footer:
                return footer;
            case PrintFont::Cell:
                break;
        }
        return cell;
    }
};

// Points to the device's dots: a PDF writer has its own resolution, a printer its own.
struct DeviceScale {
    double dotsPerInch = kDotsPerInch;
    double operator()(double points) const { return points * dotsPerInch / kPointsPerInch; }
};

double LineHeightPoints(const QFont& font, QPaintDevice& device, const DeviceScale& scale) {
    return QFontMetricsF(font, &device).height() * kPointsPerInch / scale.dotsPerInch;
}

Qt::Alignment AlignmentOf(TextAlign align) {
    switch (align) {
        case TextAlign::Left:
            return Qt::AlignLeft | Qt::AlignVCenter;
        case TextAlign::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case TextAlign::Centre:
            break;
    }
    return Qt::AlignHCenter | Qt::AlignVCenter;
}

void DrawPage(QPainter& painter, const PrintedPage& page, const PrintFonts& fonts,
              const DeviceScale& ToDevice) {
    painter.setPen(QPen(Qt::black, ToDevice(kGridLineWidth)));
    for (const PrintedLine& line : page.lines) {
        painter.drawLine(QPointF(ToDevice(line.x1), ToDevice(line.y1)),
                         QPointF(ToDevice(line.x2), ToDevice(line.y2)));
    }
    for (const PrintedText& text : page.texts) {
        painter.setFont(fonts.Of(text.font));
        const QRectF box(ToDevice(text.box.x), ToDevice(text.box.y), ToDevice(text.box.width),
                         ToDevice(text.box.height));
        // Text wider than its cell is clipped at the frame rather than run into the next cell.
        painter.drawText(box, static_cast<int>(AlignmentOf(text.align)),
                         QString::fromStdString(text.text));
    }
}

bool HaveGuiApplication() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

UiText NoGuiMessage() {
    return Tr("Files", "The table can only be printed while the program's window is open.");
}

UiText EmptyTableMessage() {
    return Tr("Files", "The table is empty; there is nothing to print.");
}

}  // namespace

TablePrintResult PaintTablePages(QPagedPaintDevice& device, const ParameterTableText& table,
                                 UiLanguage language, PrintPageRange range) {
    TablePrintResult result;
    if (!HaveGuiApplication()) {
        result.status = Status::Fail(NoGuiMessage());
        return result;
    }
    if (table.rows.empty()) {
        result.status = Status::Fail(EmptyTableMessage());
        return result;
    }
    const DeviceScale scale{static_cast<double>(device.logicalDpiY())};
    const PrintFonts fonts;
    const QRectF paper = device.pageLayout().fullRect(QPageLayout::Point);
    PageMetrics metrics;
    metrics.pageWidth = paper.width();
    metrics.pageHeight = paper.height();
    metrics.titleLineHeight = LineHeightPoints(fonts.title, device, scale);
    metrics.cellLineHeight = LineHeightPoints(fonts.cell, device, scale);
    metrics.footerLineHeight = LineHeightPoints(fonts.footer, device, scale);
    const TablePrintout printout = LayOutPrintout(table, language, metrics);
    result.pageCount = static_cast<int>(printout.pages.size());
    result.rowsPerPage = printout.rowsPerPage;

    const int first = range.first > 0 ? range.first : 1;
    const int last = range.last > 0 ? std::min(range.last, result.pageCount) : result.pageCount;
    if (first > last) {
        result.status = Status::Fail(Tr("Files", "The chosen pages are not in the printout."));
        return result;
    }
    QPainter painter;
    if (!painter.begin(&device)) {
        result.status = Status::Fail(Tr("Files", "The printed pages cannot be prepared."));
        return result;
    }
    for (int n = first; n <= last; ++n) {
        if (n > first) {
            device.newPage();
        }
        DrawPage(painter, printout.pages[static_cast<std::size_t>(n - 1)], fonts, scale);
        ++result.pagesDrawn;
    }
    painter.end();
    return result;
}

TablePrintResult WriteTablePdf(const ParameterTableText& table, const std::string& path,
                               UiLanguage language, const QPageLayout& page, PrintPageRange range) {
    // The pages are drawn into memory and written in one step by the safe writer, so a
    // failure never leaves part of a file behind or touches an existing one.
    QByteArray bytes;
    TablePrintResult result;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(kDotsPerInch);
        // The layout's own margins: the page is drawn from the corner of the paper.
        writer.setPageLayout(QPageLayout(page.pageSize(), page.orientation(), QMarginsF(0, 0, 0, 0),
                                         QPageLayout::Point));
        writer.setTitle(QString::fromStdString(PrintDocumentName(table.facts, language)));
        writer.setCreator(QString::fromStdString(ProgramNameAndVersion()));
        result = PaintTablePages(writer, table, language, range);
    }
    if (result.status.ok()) {
        result.status = WriteFileSafely(
            path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    }
    return result;
}

Status RenderPdf(const ParameterTable& table, const std::string& path, UiLanguage language) {
    if (!HaveGuiApplication()) {
        return Status::Fail(NoGuiMessage());
    }
    const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                         QPageLayout::Point);
    return WriteTablePdf(TableText(table, language), path, language, a4).status;
}

}  // namespace corva
