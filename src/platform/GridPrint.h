#pragma once

#include "platform/Grid.h"

#include <QFont>
#include <QString>

#include <vector>

class GridModel;
class QPrinter;

// What a printout takes from a grid: its cells and how wide its columns stand.
struct GridPrintSource {
    const GridModel* model = nullptr;
    std::vector<int> columnWidths; // pixels on screen, 0 for a hidden column
    int rowHeight = 20;            // pixels on screen
    QFont font;
};

// Lays a grid out on paper: the heading row on top of every page, rows down
// as many pages as they need, columns that do not fit the width on further
// pages, the page header above and the footer below.
namespace GridPrint {
void ConfigurePrinter(QPrinter& printer, const GridPageSetup& setup);
// Draws every page, or those of the printer's page ranges; returns the number
// drawn, 0 when the printer could not be started.
int Render(QPrinter& printer, const GridPrintSource& source, const GridPageSetup& setup);
// A column's printed width in points, from its width in pixels on screen.
double PrintedWidth(int screenPixels, const GridPageSetup& setup);
// The font the cells print in, from the grid's font on screen.
QFont PrintedFont(const QFont& screenFont, const GridPageSetup& setup);
// Points between a printed cell's text and each side of the cell.
double PrintedPadding(const GridPageSetup& setup);
// A header or footer text with "&P", "&N" and "&D" filled in.
QString ExpandCodes(const QString& text, int page, int pages, const QString& date);
} // namespace GridPrint
