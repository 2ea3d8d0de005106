#include "platform/GridPrint.h"

#include "core/Clock.h"
#include "platform/GridModel.h"
#include "platform/VbColor.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageRanges>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr double PointsPerCm = 72.0 / 2.54;
constexpr double PointsPerPixel = 0.75; // screen pixels are 1/96 inch

QPageSize::PageSizeId pageSizeOf(int code) {
    switch (code) {
    case 1:
        return QPageSize::Letter;
    case 5:
        return QPageSize::Legal;
    case 8:
        return QPageSize::A3;
    case 11:
        return QPageSize::A5;
    default:
        return QPageSize::A4;
    }
}

Qt::Alignment horizontalOf(int code) {
    switch (code) {
    case 1:
        return Qt::AlignHCenter;
    case 2:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

QString todayText() {
    const LocalDateTime now = Clock::Now();
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", now.day, now.month, now.year);
    return QString::fromLatin1(buf);
}

// Everything in points from the paper's top left corner.
struct Layout {
    QRectF paper;
    double left = 0, right = 0, top = 0, bottom = 0;
    double zoom = 1;
    double rowHeight = 0;
    std::vector<double> widths;          // per column, 0 when not printed
    std::vector<std::vector<int>> bands; // columns printed side by side on one page
    int lastRow = 0;                     // data rows 1..lastRow are printed
    int rowsPerPage = 1;
    int rowPages = 1;
    int pages() const { return static_cast<int>(bands.size()) * rowPages; }
};

double zoomOf(const GridPageSetup& setup) {
    return std::clamp(setup.Zoom, 10, 400) / 100.0;
}

Layout layOut(const QPrinter& printer, const GridPrintSource& source, const GridPageSetup& setup) {
    Layout l;
    l.paper = printer.pageLayout().fullRect(QPageLayout::Point);
    l.zoom = zoomOf(setup);
    l.left = setup.LeftMargin * PointsPerCm;
    l.right = std::max(l.left + 36, l.paper.width() - setup.RightMargin * PointsPerCm);
    l.top = setup.TopMargin * PointsPerCm;
    l.bottom = std::max(l.top + 36, l.paper.height() - setup.BottomMargin * PointsPerCm);
    l.rowHeight = std::max(1, source.rowHeight) * PointsPerPixel * l.zoom;

    const GridModel* m = source.model;
    const int rows = m ? m->rows() : 0;
    const int cols = m ? m->cols() : 0;
    // A number of rows to print counts the rows below the heading, so a list
    // of n rows prints all n of them.
    l.lastRow = setup.PrintRows > 0 ? std::min(setup.PrintRows, rows - 1) : (m ? m->lastRowWithText() : 0);
    l.lastRow = std::max(l.lastRow, 0);

    const double available = l.right - l.left;
    std::vector<int> band;
    double bandWidth = 0;
    for (int c = 0; c < cols; ++c) {
        const int px = c < static_cast<int>(source.columnWidths.size()) ? source.columnWidths[c] : 0;
        const double w = GridPrint::PrintedWidth(px, setup);
        l.widths.push_back(w);
        if (w <= 0)
            continue;
        if (!band.empty() && bandWidth + w > available) {
            l.bands.push_back(band);
            band.clear();
            bandWidth = 0;
        }
        band.push_back(c);
        bandWidth += w;
    }
    if (!band.empty() || l.bands.empty())
        l.bands.push_back(band);

    const double body = l.bottom - l.top - (rows > 0 ? l.rowHeight : 0);
    l.rowsPerPage = std::max(1, static_cast<int>(std::floor(body / l.rowHeight + 1e-9)));
    l.rowPages = std::max(1, (l.lastRow + l.rowsPerPage - 1) / l.rowsPerPage);
    return l;
}

void drawCell(QPainter& p, const QRectF& rect, const QString& text, QColor back, QColor fore, Qt::Alignment align,
              double pad) {
    if (back != Qt::white)
        p.fillRect(rect, back);
    if (!text.isEmpty()) {
        p.setPen(fore);
        p.drawText(rect.adjusted(pad, 0, -pad, 0), static_cast<int>(align) | Qt::TextSingleLine, text);
    }
}

} // namespace

namespace GridPrint {

void ConfigurePrinter(QPrinter& printer, const GridPageSetup& setup) {
    printer.setFullPage(true); // the margins of the set-up are measured from the paper's edges
    printer.setPageSize(QPageSize(pageSizeOf(setup.PaperSize)));
    printer.setPageOrientation(setup.Orientation == 1 ? QPageLayout::Portrait : QPageLayout::Landscape);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
}

double PrintedWidth(int screenPixels, const GridPageSetup& setup) {
    return screenPixels * PointsPerPixel * zoomOf(setup);
}

QFont PrintedFont(const QFont& screenFont, const GridPageSetup& setup) {
    QFont font = screenFont;
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * zoomOf(setup));
    else
        font.setPointSizeF(std::max(1, font.pixelSize()) * PointsPerPixel * zoomOf(setup));
    return font;
}

double PrintedPadding(const GridPageSetup& setup) {
    return 2 * zoomOf(setup);
}

QString ExpandCodes(const QString& text, int page, int pages, const QString& date) {
    QString out = text;
    out.replace(QLatin1String("&P"), QString::number(page));
    out.replace(QLatin1String("&N"), QString::number(pages));
    out.replace(QLatin1String("&D"), date);
    return out;
}

int Render(QPrinter& printer, const GridPrintSource& source, const GridPageSetup& setup) {
    const Layout l = layOut(printer, source, setup);
    QPainter p;
    if (!p.begin(&printer))
        return 0;
    // Fonts keep their point sizes on the printer; only positions are scaled.
    const QRectF device = printer.pageLayout().fullRectPixels(printer.resolution());
    const double k = l.paper.width() > 0 ? device.width() / l.paper.width() : 1.0;
    auto dev = [k](double x, double y, double w, double h) { return QRectF(x * k, y * k, w * k, h * k); };

    const QFont cellFont = PrintedFont(source.font, setup);
    QFont headingFont = cellFont;
    headingFont.setBold(true);
    const double pad = PrintedPadding(setup);
    const QString date = todayText();
    const GridModel* m = source.model;
    const bool hasHeading = m && m->rows() > 0;
    QPen gridPen(QColor(0x80, 0x80, 0x80));
    gridPen.setWidthF(0.5 * k);

    // The pages chosen in the print dialog; none chosen means all.
    const QPageRanges chosen = printer.pageRanges();
    int page = 0;
    int printed = 0;
    for (const std::vector<int>& band : l.bands) {
        double bandWidth = 0;
        for (int c : band)
            bandWidth += l.widths[c];
        const double x0 = setup.CentreAcrossPage ? l.left + std::max(0.0, (l.right - l.left - bandWidth) / 2) : l.left;
        for (int rp = 0; rp < l.rowPages; ++rp) {
            ++page;
            if (!chosen.isEmpty() && !chosen.contains(page))
                continue;
            if (printed++ > 0)
                printer.newPage();

            p.setFont(setup.HeaderFont);
            p.setPen(Qt::black);
            const double headerTop = setup.HeaderMargin * PointsPerCm;
            const double headerHeight = std::max(l.top - headerTop, QFontMetricsF(setup.HeaderFont).height() / k);
            p.drawText(dev(l.left, headerTop, l.right - l.left, headerHeight),
                       static_cast<int>(horizontalOf(setup.HeaderAlignment) | Qt::AlignTop) | Qt::TextSingleLine,
                       ExpandCodes(setup.HeaderText, page, l.pages(), date));

            p.setFont(setup.FooterFont);
            const double footerBottom = l.paper.height() - setup.FooterMargin * PointsPerCm;
            const double footerHeight = std::max(footerBottom - l.bottom, QFontMetricsF(setup.FooterFont).height() / k);
            p.drawText(dev(l.left, footerBottom - footerHeight, l.right - l.left, footerHeight),
                       static_cast<int>(horizontalOf(setup.FooterAlignment) | Qt::AlignBottom) | Qt::TextSingleLine,
                       ExpandCodes(setup.FooterText, page, l.pages(), date));

            if (!hasHeading || band.empty())
                continue;
            const int first = 1 + rp * l.rowsPerPage;
            const int last = std::min(l.lastRow, first + l.rowsPerPage - 1);
            std::vector<int> rows{0};
            for (int r = first; r <= last; ++r)
                rows.push_back(r);
            double y = l.top;
            for (int r : rows) {
                p.setFont(r == 0 ? headingFont : cellFont);
                double x = x0;
                for (int c : band) {
                    const QRectF cell = dev(x, y, l.widths[c], l.rowHeight);
                    drawCell(p, cell, m->qtext(r, c), VbColor(m->backColor(r, c)), VbColor(m->foreColor(r, c)),
                             m->alignment(c), pad * k);
                    p.setPen(gridPen);
                    p.drawRect(cell);
                    x += l.widths[c];
                }
                y += l.rowHeight;
            }
        }
    }
    p.end();
    return printed;
}

} // namespace GridPrint
