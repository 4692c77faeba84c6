#pragma once

#include "output/PreparedReport.h"

#include <QPointF>

class QPainter;

// Draws prepared pages onto any paint device (printer, PDF writer, preview,
// image) at the device's own resolution. Knows nothing of printers or files.
class ReportPainter {
public:
    // `originMm` is where the printable area starts, in millimetres from the
    // device's top-left corner.
    ReportPainter(QPainter& painter, const QPointF& originMm);

    void paintPage(const PreparedPage& page);

    // The part of `text` drawn when it is cut at `widthMm` in `font`: the
    // characters that start inside the width (the last may be cut in half).
    static QString visiblePart(const QString& text, const ReportFont& font, double widthMm);

private:
    double px(double mm) const { return mm * m_pxPerMm; }
    QRectF toDevice(const QRectF& mm) const;
    void paintBox(const ReportObject& o);
    void paintLine(const ReportObject& o);
    void paintPicture(const ReportObject& o);
    void paintMemo(const ReportObject& o);

    QPainter& m_painter;
    QPointF m_originMm;
    double m_pxPerMm;
};
