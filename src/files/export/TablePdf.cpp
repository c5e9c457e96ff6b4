// The printed parameter table as a PDF, drawn with Qt from the page layout.
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

#include "files/SafeFileWriter.h"
#include "files/export/ParameterTableExport.h"
#include "files/export/TablePageLayout.h"

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

double ToDevice(double points) {
    return points * kDotsPerInch / kPointsPerInch;
}

double LineHeightPoints(const QFont& font, const QPdfWriter& writer) {
    return QFontMetricsF(font, &writer).height() * kPointsPerInch / kDotsPerInch;
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

void DrawPage(QPainter& painter, const PrintedPage& page, const PrintFonts& fonts) {
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

}  // namespace

Status RenderPdf(const ParameterTable& table, const std::string& path, UiLanguage language) {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        return Status::Fail({"The table can only be printed while the program's window is open.",
                             "只有在程序的图形界面运行时才能打印参数表。"});
    }
    const ParameterTableText text = TableText(table, language);
    if (text.rows.empty()) {
        return Status::Fail(
            {"The table is empty; there is nothing to print.", "参数表为空，没有可打印的内容。"});
    }

    // The pages are drawn into memory and written in one step by the safe writer, so a
    // failure never leaves part of a file behind or touches an existing one.
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(kDotsPerInch);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Point));
        writer.setTitle(QString::fromStdString(PrintDocumentName(table.facts, language)));
        writer.setCreator(QStringLiteral("Corva DSP"));

        const PrintFonts fonts;
        const QRectF page = writer.pageLayout().fullRect(QPageLayout::Point);
        PageMetrics metrics;
        metrics.pageWidth = page.width();
        metrics.pageHeight = page.height();
        metrics.titleLineHeight = LineHeightPoints(fonts.title, writer);
        metrics.cellLineHeight = LineHeightPoints(fonts.cell, writer);
        metrics.footerLineHeight = LineHeightPoints(fonts.footer, writer);
        const TablePrintout printout = LayOutPrintout(text, language, metrics);

        QPainter painter;
        if (!painter.begin(&writer)) {
            return Status::Fail({"The printed pages cannot be prepared.", "无法生成打印页面。"});
        }
        for (std::size_t n = 0; n < printout.pages.size(); ++n) {
            if (n > 0) {
                writer.newPage();
            }
            DrawPage(painter, printout.pages[n], fonts);
        }
        painter.end();
    }
    return WriteFileSafely(
        path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace corva
