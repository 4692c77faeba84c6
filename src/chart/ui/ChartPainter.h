#pragma once

#include "chart/ui/ChartContent.h"

#include <QRectF>

class QPainter;
class QPrinter;

// Draws a chart with QPainter, the same way on screen and on paper. Lengths
// are worked out in units of 1/96 inch and fonts are sized in those units,
// so a printed chart looks like the one on screen, only sharper. Where the
// parts go is decided by chartgeometry; this only paints.
namespace chartpainter {

// Paints the chart into `area`, given in 1/96-inch units of `painter`.
void paint(QPainter& painter, const QRectF& area, const ChartContent& chart);

// Prints `copies` copies of the chart, each alone on a landscape page.
// False when the printer could not be used.
bool print(QPrinter& printer, const ChartContent& chart, int copies);

} // namespace chartpainter
