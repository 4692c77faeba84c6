#include "chart/ui/ChartView.h"

#include "chart/ui/ChartPainter.h"

#include <QPainter>

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(600, 360);
}

void ChartView::clearSeries() {
    m_chart.points.clear();
    update();
}

void ChartView::addPoint(const QString& label, double value, const QColor& colour) {
    m_chart.points.append(ChartPoint{label, value, colour});
    update();
}

void ChartView::setStyle(ChartContent::Style style) {
    m_chart.style = style;
    update();
}

void ChartView::setTitle(const ChartText& title) {
    m_chart.title = title;
    update();
}

void ChartView::setFoot(const ChartText& foot) {
    m_chart.foot = foot;
    update();
}

void ChartView::setLegendTitle(const QString& title) {
    m_chart.legendTitle = title;
    update();
}

void ChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Widgets draw in device-independent pixels, which are the 1/96-inch
    // units the painter works in.
    chartpainter::paint(painter, QRectF(rect()), m_chart);
}
