#include "chart/ui/ChartPainter.h"

#include "chart/ChartGeometry.h"
#include "widgets/FormFonts.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <algorithm>
#include <cmath>

namespace chartpainter {
namespace {

using chartgeometry::markText;

const QColor kWall(0xF3, 0xF5, 0xF9);
const QColor kFloor(0xDD, 0xE2, 0xEA);
const QColor kGrid(0xC3, 0xCA, 0xD5);
const QColor kInk(0x33, 0x33, 0x33);
const QColor kFrame(0x8A, 0x94, 0xA6);

// A font of `points` points, sized in the painter's 1/96-inch units so that
// it comes out the same on any device.
QFont sized(QFont font, double points) {
    font.setPixelSize(std::max(1, int(std::lround(points * 96.0 / 72.0))));
    return font;
}

QFont sized(const QFont& font) {
    return sized(font, font.pointSizeF() > 0 ? font.pointSizeF() : 10);
}

QFont plain(double points, bool bold = false) {
    QFont font(formfont::family());
    font.setBold(bold);
    return sized(font, points);
}

QSizeF textSize(const QFont& font, const QString& text) {
    const QFontMetricsF metrics(font);
    return QSizeF(metrics.horizontalAdvance(text) + 2, metrics.height());
}

// The outline of a face: a darker shade of its fill, so that pale colours
// still show their edges on white.
QPen edge(const QColor& fill) {
    QPen pen(fill.darker(175), 0.8);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// Draws a text on one line centred in `box`; returns the box's bottom.
double drawLine(QPainter& p, const ChartText& text, const QRectF& box) {
    if (text.text.isEmpty())
        return box.top();
    p.setFont(sized(text.font));
    p.setPen(text.colour);
    p.drawText(box, Qt::AlignCenter, text.text);
    return box.bottom();
}

double lineHeight(const ChartText& text) {
    return text.text.isEmpty() ? 0 : QFontMetricsF(sized(text.font)).height() * 1.4;
}

// ---- legend -------------------------------------------------------------

struct LegendFonts {
    QFont title;
    QFont item;
    double swatch;
};

LegendFonts legendFonts(double scale) {
    return {plain(10 * scale, true), plain(10 * scale), std::round(11 * scale)};
}

QList<QRectF> legendBoxes(const ChartContent& chart, double width, double scale) {
    const LegendFonts fonts = legendFonts(scale);
    QList<QSizeF> items;
    for (const ChartPoint& point : chart.points) {
        const QSizeF text = textSize(fonts.item, point.label);
        items.append(QSizeF(fonts.swatch + 6 + text.width(), text.height()));
    }
    return chartgeometry::layOutLegend(textSize(fonts.title, chart.legendTitle), items, width - 24,
                                       14 * scale);
}

double legendHeight(const ChartContent& chart, double width, double scale) {
    const QList<QRectF> boxes = legendBoxes(chart, width, scale);
    double bottom = 0;
    for (const QRectF& r : boxes)
        bottom = std::max(bottom, r.bottom());
    return bottom + 14;
}

void paintLegend(QPainter& p, const ChartContent& chart, const QRectF& area, double scale) {
    const LegendFonts fonts = legendFonts(scale);
    const QList<QRectF> boxes = legendBoxes(chart, area.width(), scale);
    p.setPen(QPen(kFrame, 0.8));
    p.setBrush(QColor(0xFA, 0xFB, 0xFD));
    p.drawRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    const QPointF origin = area.topLeft() + QPointF(12, 7);
    p.setFont(fonts.title);
    p.setPen(kInk);
    p.drawText(boxes[0].translated(origin), Qt::AlignLeft | Qt::AlignVCenter, chart.legendTitle);
    p.setFont(fonts.item);
    for (int i = 0; i < chart.points.size(); ++i) {
        const QRectF box = boxes[i + 1].translated(origin);
        const QRectF swatch(box.left(), box.center().y() - fonts.swatch / 2, fonts.swatch,
                            fonts.swatch);
        p.setPen(edge(chart.points[i].colour));
        p.setBrush(chart.points[i].colour);
        p.drawRect(swatch);
        p.setPen(kInk);
        p.drawText(box.adjusted(fonts.swatch + 6, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   chart.points[i].label);
    }
}

// ---- bars ---------------------------------------------------------------

QPolygonF shifted(const QRectF& r, const QPointF& d, bool top) {
    if (top)
        return QPolygonF({r.topLeft(), r.topLeft() + d, r.topRight() + d, r.topRight()});
    return QPolygonF({r.topRight(), r.topRight() + d, r.bottomRight() + d, r.bottomRight()});
}

// The largest size, not above `points`, at which every text fits `width`.
double fittingPoints(const QStringList& texts, double width, double points, double smallest) {
    for (; points > smallest; points -= 0.5) {
        const QFont font = plain(points);
        bool fits = true;
        for (const QString& t : texts)
            fits = fits && textSize(font, t).width() <= width;
        if (fits)
            break;
    }
    return points;
}

void paintWalls(QPainter& p, const chartgeometry::Bars& bars, const QFont& axisFont) {
    const QRectF& plot = bars.plot;
    const QPointF d = bars.depth;
    p.setPen(QPen(kFrame, 0.8));
    p.setBrush(kWall);
    p.drawRect(plot.translated(d)); // back wall
    p.drawPolygon(QPolygonF({plot.topLeft(), plot.topLeft() + d, plot.bottomLeft() + d,
                             plot.bottomLeft()})); // left wall
    p.setBrush(kFloor);
    p.drawPolygon(QPolygonF(
        {plot.bottomLeft(), plot.bottomLeft() + d, plot.bottomRight() + d, plot.bottomRight()}));

    p.setFont(axisFont);
    const double labelWidth = QFontMetricsF(axisFont).horizontalAdvance(markText(bars.axis.top));
    for (int k = 0; k <= bars.axis.steps; ++k) {
        const double value = k * bars.axis.step;
        const double y = plot.bottom() - plot.height() * value / bars.axis.top;
        if (k > 0) {
            p.setPen(QPen(kGrid, 0.8, Qt::DashLine));
            p.drawLine(QPointF(plot.left(), y), QPointF(plot.left(), y) + d);
            p.drawLine(QPointF(plot.left(), y) + d, QPointF(plot.right(), y) + d);
        }
        p.setPen(kInk);
        p.drawText(QRectF(plot.left() - labelWidth - 10, y - 10, labelWidth + 4, 20),
                   Qt::AlignRight | Qt::AlignVCenter, markText(value));
    }
}

void paintBars(QPainter& p, const ChartContent& chart, const QRectF& area, double scale) {
    const QFont axisFont = plain(9 * scale);
    const QFontMetricsF axisMetrics(axisFont);
    QStringList labels;
    QList<double> values;
    QStringList marks;
    for (const ChartPoint& point : chart.points) {
        labels.append(point.label);
        values.append(point.value);
        marks.append(markText(point.value));
    }
    double largest = 0;
    for (const double v : values)
        largest = std::max(largest, v);
    const double axisWidth =
        axisMetrics.horizontalAdvance(markText(chartgeometry::axisFor(largest).top)) + 16;

    // Month names under the bars: as large as fits the slot, shortened to
    // three letters only when even the smallest size is too wide.
    const double roughSlot = (area.width() - axisWidth) / std::max<int>(int(values.size()), 1);
    const double labelPoints = fittingPoints(labels, roughSlot * 0.96, 10 * scale, 7);
    const QFont labelFont = plain(labelPoints);
    bool shortLabels = false;
    for (const QString& l : labels)
        shortLabels = shortLabels || textSize(labelFont, l).width() > roughSlot * 0.96;
    const double labelHeight = QFontMetricsF(labelFont).height() + 8;

    const QFont markFont = plain(fittingPoints(marks, roughSlot * 0.98, 10 * scale, 6.5), true);
    const double markHeight = QFontMetricsF(markFont).height() + 4;

    const QRectF plotArea = area.adjusted(axisWidth, markHeight, 0, -labelHeight);
    const chartgeometry::Bars bars = chartgeometry::layOutBars(values, plotArea);
    paintWalls(p, bars, axisFont);

    const QPointF barDepth = bars.depth * 0.85;
    for (int i = 0; i < bars.fronts.size(); ++i) {
        const QRectF& front = bars.fronts[i];
        const QColor colour = chart.points[i].colour;
        p.setPen(edge(colour));
        if (front.height() > 0) {
            QLinearGradient shade(front.topLeft(), front.topRight());
            shade.setColorAt(0, colour.lighter(112));
            shade.setColorAt(1, colour.darker(104));
            p.setBrush(shade);
            p.drawRect(front);
            p.setBrush(colour.darker(135));
            p.drawPolygon(shifted(front, barDepth, false));
        }
        // A zero month is its top face alone, flat on the floor.
        p.setBrush(colour.lighter(front.height() > 0 ? 118 : 100));
        p.drawPolygon(shifted(front, barDepth, true));
    }

    const QList<QSizeF> markSizes = [&] {
        QList<QSizeF> sizes;
        for (const QString& m : marks)
            sizes.append(textSize(markFont, m));
        return sizes;
    }();
    const QList<QRectF> markBoxes = chartgeometry::barMarks(bars, markSizes);
    p.setFont(markFont);
    p.setPen(kInk);
    for (int i = 0; i < markBoxes.size(); ++i)
        p.drawText(markBoxes[i], Qt::AlignCenter, marks[i]);

    p.setFont(labelFont);
    for (int i = 0; i < bars.fronts.size(); ++i) {
        const QRectF slot(bars.plot.left() + i * bars.slot, bars.plot.bottom() + 4, bars.slot,
                          labelHeight - 4);
        p.drawText(slot, Qt::AlignHCenter | Qt::AlignTop,
                   shortLabels ? labels[i].left(3) : labels[i]);
    }
}

// ---- pie ----------------------------------------------------------------

QString percentText(double share) {
    if (share > 0 && share < 0.001)
        return QStringLiteral("<0,1%");
    return QString::number(share * 100, 'f', share < 0.1 ? 1 : 0).replace(u'.', u',') + u'%';
}

// The piece of the side wall under the front half of a slice, if any.
QPainterPath sideWall(const QRectF& top, double thickness, double from, double to) {
    // Angles between `from` and `to`, counter-clockwise, limited to the
    // front half (180 to 360 degrees, taken modulo a full turn).
    QPainterPath path;
    for (const double base : {0.0, 360.0, -360.0}) {
        const double a = std::max(from, 180.0 + base);
        const double b = std::min(to, 360.0 + base);
        if (b - a <= 0.01)
            continue;
        const QRectF bottom = top.translated(0, thickness);
        QPainterPath piece;
        piece.arcMoveTo(top, a);
        piece.arcTo(top, a, b - a);
        piece.arcTo(bottom, b, a - b);
        piece.closeSubpath();
        path.addPath(piece);
    }
    return path;
}

void paintPie(QPainter& p, const ChartContent& chart, const QRectF& area, double scale) {
    QList<double> values;
    double total = 0;
    for (const ChartPoint& point : chart.points) {
        values.append(point.value);
        total += std::max(point.value, 0.0);
    }
    const QFont labelFont = plain(9.5 * scale);
    QStringList texts;
    QList<QSizeF> sizes;
    for (const ChartPoint& point : chart.points) {
        const QString t = point.label + QStringLiteral(": ") + markText(point.value) +
                          QStringLiteral(" (") + percentText(total > 0 ? point.value / total : 0) +
                          u')';
        texts.append(t);
        sizes.append(textSize(labelFont, t));
    }
    const chartgeometry::Pie pie = chartgeometry::layOutPie(values, area, sizes);

    if (pie.slices.isEmpty()) {
        // A year without income: an empty grey disc that says so.
        const QColor grey(0xE4, 0xE7, 0xEC);
        p.setPen(edge(grey));
        p.setBrush(grey.darker(115));
        p.drawPath(sideWall(pie.top, pie.thickness, 180, 360));
        p.setBrush(grey);
        p.drawEllipse(pie.top);
        p.setFont(plain(11 * scale, true));
        p.setPen(kInk);
        p.drawText(pie.top, Qt::AlignCenter, QStringLiteral("Nessun incasso nell'anno"));
        return;
    }

    for (const chartgeometry::Slice& s : pie.slices) {
        const QColor colour = chart.points[s.index].colour;
        p.setPen(edge(colour));
        p.setBrush(colour.darker(140));
        p.drawPath(sideWall(pie.top, pie.thickness, s.start + s.span, s.start));
    }
    for (const chartgeometry::Slice& s : pie.slices) {
        const QColor colour = chart.points[s.index].colour;
        p.setPen(edge(colour));
        p.setBrush(colour);
        p.drawPie(pie.top, int(std::lround(s.start * 16)), int(std::lround(s.span * 16)));
    }

    p.setFont(labelFont);
    for (int k = 0; k < pie.slices.size(); ++k) {
        const QRectF& box = pie.labels[k];
        const bool onRight = box.left() > pie.top.center().x();
        const QPointF end(onRight ? box.left() - 2 : box.right() + 2, box.center().y());
        p.setPen(QPen(kFrame, 0.8));
        p.drawLine(pie.anchors[k], end);
        p.setPen(kInk);
        p.drawText(box, (onRight ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter,
                   texts[pie.slices[k].index]);
    }
}

} // namespace

void paint(QPainter& painter, const QRectF& area, const ChartContent& chart) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(area, Qt::white);
    // Texts other than title and foot grow a little on large charts.
    const double scale = std::clamp(std::min(area.width() / 1000, area.height() / 560), 0.9, 1.4);

    const QRectF inner = area.adjusted(16, 10, -16, -10);
    const double titleBottom =
        drawLine(painter, chart.title,
                 QRectF(inner.left(), inner.top(), inner.width(), lineHeight(chart.title)));
    const double footHeight = lineHeight(chart.foot);
    drawLine(painter, chart.foot,
             QRectF(inner.left(), inner.bottom() - footHeight, inner.width(), footHeight));
    // The legend keeps to one row when slightly smaller text lets it; a
    // lone item on a second row looks like a mistake.
    double legendScale = scale;
    const double oneRow = legendHeight(chart, 1e9, scale);
    for (double s = scale; s >= scale * 0.8; s -= 0.05) {
        if (legendHeight(chart, inner.width(), s) <= oneRow) {
            legendScale = s;
            break;
        }
    }
    const double legendTall = legendHeight(chart, inner.width(), legendScale);
    const QRectF legend(inner.left(), inner.bottom() - footHeight - legendTall - 4, inner.width(),
                        legendTall);
    paintLegend(painter, chart, legend, legendScale);

    const QRectF plot(inner.left() + 8, titleBottom + 8, inner.width() - 16,
                      legend.top() - titleBottom - 22);
    if (!chart.points.isEmpty() && plot.height() > 40) {
        if (chart.style == ChartContent::Style::Bars)
            paintBars(painter, chart, plot, scale);
        else
            paintPie(painter, chart, plot, scale);
    }
    painter.restore();
}

bool print(QPrinter& printer, const ChartContent& chart, int copies) {
    printer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const double toDevice = printer.logicalDpiX() / 96.0;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0 && !printer.newPage()) {
            painter.end();
            return false;
        }
        painter.save();
        painter.scale(toDevice, toDevice);
        paint(painter, QRectF(0, 0, page.width() / toDevice, page.height() / toDevice), chart);
        painter.restore();
    }
    return painter.end();
}

} // namespace chartpainter
