#pragma once

#include "chart/ui/ChartContent.h"

#include <QWidget>

class QPrinter;

// The chart on screen: holds one series and its presentation and repaints
// itself when they change. It knows nothing of what the values mean; the
// screen that owns it fills the points and the texts.
class ChartView : public QWidget {
    Q_OBJECT

public:
    explicit ChartView(QWidget* parent = nullptr);

    void clearSeries();
    void addPoint(const QString& label, double value, const QColor& colour);
    // Switches between bars and pie keeping the points.
    void setStyle(ChartContent::Style style);
    ChartContent::Style style() const { return m_chart.style; }

    void setTitle(const ChartText& title);
    void setFoot(const ChartText& foot);
    void setLegendTitle(const QString& title);

    const ChartContent& content() const { return m_chart; }
    QSize sizeHint() const override { return QSize(900, 480); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ChartContent m_chart;
};
