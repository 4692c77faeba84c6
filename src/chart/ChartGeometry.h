#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

// Where the parts of a chart go: plain arithmetic on rectangles and angles,
// with no painting and no fonts (the painter measures texts and passes their
// sizes in). All lengths are in the painter's logical units.
namespace chartgeometry {

// The value axis of a bar chart: from 0 to `top` in `steps` equal steps of
// `step`, with `top` the smallest round figure at or above the largest value.
struct Axis {
    double top = 1;
    double step = 1;
    int steps = 1;
};
Axis axisFor(double largest);

// A bar chart in three dimensions, seen from the front, a little from above
// and from the right. The floor and back wall sit `depth` behind the front
// plane; each bar's front face stands on the floor's front edge.
struct Bars {
    QRectF plot;   // the front plane: bars stand on its bottom edge
    QPointF depth; // from the front plane to the back wall (right and up)
    Axis axis;
    QList<QRectF> fronts; // one front face per value; height 0 for a zero
    double slot = 0;      // the width each value has, bar and gap
};
// `area` is what the bars, their top faces and the back wall may use.
Bars layOutBars(const QList<double>& values, const QRectF& area);

// The value marks above the bars: centred on each bar and clear of its top
// face. A mark wider than its slot is kept inside the slot.
QList<QRectF> barMarks(const Bars& bars, const QList<QSizeF>& markSizes);

// One slice of a pie: angles in degrees as Qt counts them (0 at three
// o'clock, counter-clockwise positive). Slices run clockwise from twelve
// o'clock, so `span` is negative. A zero value has no slice.
struct Slice {
    int index = 0; // the value it stands for
    double start = 0;
    double span = 0;
    double middle() const { return start + span / 2; }
};
QList<Slice> pieSlices(const QList<double>& values);

// A pie in three dimensions: the top face is `top`, an ellipse, and the side
// wall shows `thickness` below its front half. Each slice with a value gets a
// label beside the pie, joined to its rim by a line; labels on the same side
// are spread so that none overlaps another.
struct Pie {
    QRectF top;
    double thickness = 0;
    QList<Slice> slices;
    QList<QRectF> labels;   // one per slice
    QList<QPointF> anchors; // where each label's line meets the pie
};
Pie layOutPie(const QList<double>& values, const QRectF& area, const QList<QSizeF>& labelSizes);

// The legend: its title then its items, in rows that fit `width`, each row
// centred. Returns the title's rectangle followed by one per item, with the
// top-left corner at (0, 0) of the legend.
QList<QRectF> layOutLegend(const QSizeF& title, const QList<QSizeF>& items, double width,
                           double gap);

// A whole number with a dot between thousands, as value marks show it: 1234
// gives "1.234".
QString markText(double value);

} // namespace chartgeometry
