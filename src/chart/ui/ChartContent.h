#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>

// Everything a chart shows: one series of labelled, coloured values drawn
// as three-dimensional bars or as a three-dimensional pie, with a title, a
// foot text and a legend. A plain value: the view and the printer both draw
// from it.
struct ChartPoint {
    QString label;
    double value = 0;
    QColor colour;
};

struct ChartText {
    QString text;
    QFont font;
    QColor colour;
};

struct ChartContent {
    enum class Style { Bars, Pie };

    Style style = Style::Bars;
    QList<ChartPoint> points;
    ChartText title;
    ChartText foot;
    QString legendTitle;
};
