#include "chart/ChartGeometry.h"

#include <algorithm>
#include <cmath>

namespace chartgeometry {

Axis axisFor(double largest) {
    if (!(largest > 0))
        return Axis{};
    // Five or so steps of 1, 2 or 5 times a power of ten.
    const double rough = largest / 5;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power;
    for (const double factor : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        step = factor * power;
        if (step >= rough)
            break;
    }
    step = std::max(step, 1.0); // euros: no steps below one
    const int steps = int(std::ceil(largest / step - 1e-9));
    return Axis{steps * step, step, std::max(steps, 1)};
}

Bars layOutBars(const QList<double>& values, const QRectF& area) {
    Bars bars;
    const int n = std::max<int>(int(values.size()), 1);
    const double depth = std::min(area.width() / n * 0.35, area.height() * 0.08);
    bars.depth = QPointF(depth, -depth);
    bars.plot =
        QRectF(area.left(), area.top() + depth, area.width() - depth, area.height() - depth);
    double largest = 0;
    for (const double v : values)
        largest = std::max(largest, v);
    bars.axis = axisFor(largest);
    bars.slot = bars.plot.width() / n;
    const double width = bars.slot * 0.62;
    for (int i = 0; i < values.size(); ++i) {
        const double v = std::max(values[i], 0.0);
        const double height = bars.plot.height() * v / bars.axis.top;
        const double left = bars.plot.left() + i * bars.slot + (bars.slot - width) / 2;
        bars.fronts.append(QRectF(left, bars.plot.bottom() - height, width, height));
    }
    return bars;
}

QList<QRectF> barMarks(const Bars& bars, const QList<QSizeF>& markSizes) {
    QList<QRectF> marks;
    for (int i = 0; i < bars.fronts.size() && i < markSizes.size(); ++i) {
        const QRectF& front = bars.fronts[i];
        // A small gap keeps neighbouring marks apart even at full width.
        const double room = bars.slot - 2;
        const QSizeF size(std::min(markSizes[i].width(), room), markSizes[i].height());
        // Centred over the bar's top face, which leans to the right.
        const double centre = front.center().x() + bars.depth.x() / 2;
        const double slotLeft = bars.plot.left() + i * bars.slot + 1;
        const double left =
            std::clamp(centre - size.width() / 2, slotLeft, slotLeft + room - size.width());
        const double bottom = front.top() + bars.depth.y() - 2;
        marks.append(QRectF(QPointF(left, bottom - size.height()), size));
    }
    return marks;
}

QList<Slice> pieSlices(const QList<double>& values) {
    double total = 0;
    for (const double v : values)
        total += std::max(v, 0.0);
    QList<Slice> slices;
    if (!(total > 0))
        return slices;
    double start = 90;
    double done = 0;
    for (int i = 0; i < values.size(); ++i) {
        if (!(values[i] > 0))
            continue;
        done += values[i];
        // Each end comes from the running sum, so the spans add up to a
        // full turn without drift.
        const double end = 90 - 360 * done / total;
        slices.append(Slice{i, start, end - start});
        start = end;
    }
    return slices;
}

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kLabelGap = 4;

// Moves the labels of one side apart: first down from the top, then, if the
// last one falls off the bottom, back up.
void spread(QList<QRectF*>& side, double top, double bottom) {
    std::sort(side.begin(), side.end(),
              [](const QRectF* a, const QRectF* b) { return a->center().y() < b->center().y(); });
    double next = top;
    for (QRectF* r : side) {
        if (r->top() < next)
            r->moveTop(next);
        next = r->bottom() + kLabelGap;
    }
    double limit = bottom;
    for (auto it = side.rbegin(); it != side.rend(); ++it) {
        if ((*it)->bottom() > limit)
            (*it)->moveBottom(limit);
        limit = (*it)->top() - kLabelGap;
    }
}

} // namespace

Pie layOutPie(const QList<double>& values, const QRectF& area, const QList<QSizeF>& labelSizes) {
    Pie pie;
    pie.slices = pieSlices(values);
    double widest = 0;
    for (const Slice& s : pie.slices)
        if (s.index < labelSizes.size())
            widest = std::max(widest, labelSizes[s.index].width());
    // Room for a label column and its line on each side.
    const double side = widest + 24;
    const double tilt = 0.5; // the top face's height over its width
    const double byWidth = std::max(area.width() - 2 * side, 40.0);
    const double byHeight = std::max(area.height() * 0.9 / (tilt * 1.16), 40.0);
    // Not wider than three quarters of the area: a pie stretched across a
    // wide window is hard to read.
    const double width = std::min({byWidth, byHeight, area.width() * 0.75});
    const double height = width * tilt;
    pie.thickness = height * 0.16;
    pie.top = QRectF(area.center().x() - width / 2,
                     area.center().y() - (height + pie.thickness) / 2, width, height);

    const QPointF centre = pie.top.center();
    const double rx = width / 2;
    const double ry = height / 2;
    QList<QRectF*> left;
    QList<QRectF*> right;
    pie.labels.reserve(pie.slices.size());
    for (const Slice& s : pie.slices) {
        const double a = s.middle() * kPi / 180;
        const double c = std::cos(a);
        const double sn = std::sin(a);
        QPointF anchor(centre.x() + rx * c, centre.y() - ry * sn);
        if (sn < 0) // the front half: the line starts on the side wall
            anchor.ry() += pie.thickness / 2;
        pie.anchors.append(anchor);
        const QSizeF size = s.index < labelSizes.size() ? labelSizes[s.index] : QSizeF();
        const double y = centre.y() - (ry + pie.thickness + size.height()) * sn;
        const double x = c >= 0 ? centre.x() + rx + 16 : centre.x() - rx - 16 - size.width();
        pie.labels.append(QRectF(QPointF(x, y - size.height() / 2), size));
    }
    for (QRectF& r : pie.labels)
        (r.left() >= centre.x() ? right : left).append(&r);
    spread(left, area.top(), area.bottom());
    spread(right, area.top(), area.bottom());
    return pie;
}

QList<QRectF> layOutLegend(const QSizeF& title, const QList<QSizeF>& items, double width,
                           double gap) {
    QList<QSizeF> all{title};
    all.append(items);
    QList<QRectF> placed;
    double y = 0;
    qsizetype i = 0;
    while (i < all.size()) {
        // Fill one row, at least one item even if it is wider than the row.
        qsizetype end = i;
        double used = 0;
        double height = 0;
        while (end < all.size()) {
            const double w = all[end].width() + (end > i ? gap : 0);
            if (end > i && used + w > width)
                break;
            used += w;
            height = std::max(height, all[end].height());
            ++end;
        }
        double x = std::max((width - used) / 2, 0.0);
        for (qsizetype k = i; k < end; ++k) {
            placed.append(QRectF(QPointF(x, y + (height - all[k].height()) / 2), all[k]));
            x += all[k].width() + gap;
        }
        y += height + gap / 2;
        i = end;
    }
    return placed;
}

QString markText(double value) {
    const QString digits = QString::number(std::llround(std::max(value, 0.0)));
    QString out;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += u'.';
        out += digits[i];
    }
    return out;
}

} // namespace chartgeometry
