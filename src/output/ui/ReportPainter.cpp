#include "output/ui/ReportPainter.h"

#include "output/ui/ReportFonts.h"
#include "output/ui/ReportPicture.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>

namespace {
constexpr double kRuleMm = 0.2;

QColor colorOf(quint32 argb) {
    return QColor::fromRgba(argb);
}

bool filled(quint32 argb) {
    return (argb >> 24) != 0;
}
} // namespace

ReportPainter::ReportPainter(QPainter& painter, const QPointF& originMm)
    : m_painter(painter), m_originMm(originMm), m_pxPerMm(painter.device()->logicalDpiY() / 25.4) {}

QRectF ReportPainter::toDevice(const QRectF& mm) const {
    return QRectF(px(mm.left() + m_originMm.x()), px(mm.top() + m_originMm.y()), px(mm.width()),
                  px(mm.height()));
}

void ReportPainter::paintPage(const PreparedPage& page) {
    m_painter.save();
    // Some printers resolve more finely across than down. Drawing is done in
    // square units of the vertical resolution, stretched across, so boxes and
    // texts keep their size in millimetres on both axes.
    const QPaintDevice* device = m_painter.device();
    if (device->logicalDpiX() != device->logicalDpiY())
        m_painter.scale(double(device->logicalDpiX()) / device->logicalDpiY(), 1);
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const ReportObject& o : page.objects) {
        switch (o.kind) {
        case ReportObject::Kind::Box:
            paintBox(o);
            break;
        case ReportObject::Kind::Line:
            paintLine(o);
            break;
        case ReportObject::Kind::Picture:
            paintPicture(o);
            break;
        case ReportObject::Kind::Memo:
            paintMemo(o);
            break;
        }
    }
    m_painter.restore();
}

void ReportPainter::paintBox(const ReportObject& o) {
    const QRectF r = toDevice(o.rect);
    if (filled(o.fillColor))
        m_painter.fillRect(r, colorOf(o.fillColor));
    if (o.outline) {
        m_painter.setPen(QPen(Qt::black, px(kRuleMm)));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRect(r);
    }
}

void ReportPainter::paintLine(const ReportObject& o) {
    const QRectF r = toDevice(o.rect);
    m_painter.setPen(QPen(Qt::black, px(kRuleMm)));
    m_painter.drawLine(r.topLeft(), r.bottomRight());
}

void ReportPainter::paintPicture(const ReportObject& o) {
    if (o.picture.isNull())
        return;
    const QImage image = reportImage(o.picture);
    if (!image.isNull())
        m_painter.drawImage(toDevice(o.fittedPictureRect()), image);
}

QString ReportPainter::visiblePart(const QString& text, const ReportFont& font, double widthMm) {
    // Measured at a fixed fine resolution, so the cut is the same on every device.
    QImage probe(1, 1, QImage::Format_ARGB32);
    probe.setDotsPerMeterX(600 / 0.0254);
    probe.setDotsPerMeterY(600 / 0.0254);
    const QFontMetricsF fm(reportFont(font), &probe);
    const double width = widthMm * 600 / 25.4;
    if (fm.horizontalAdvance(text) <= width)
        return text;
    int lo = 0; // characters known to start inside the width
    int hi = int(text.size());
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (fm.horizontalAdvance(text.left(mid - 1)) < width)
            lo = mid;
        else
            hi = mid - 1;
    }
    return text.left(lo);
}

void ReportPainter::paintMemo(const ReportObject& o) {
    const QRectF r = toDevice(o.rect);
    if (filled(o.fillColor))
        m_painter.fillRect(r, colorOf(o.fillColor));
    if (o.outline) {
        m_painter.setPen(QPen(Qt::black, px(kRuleMm)));
        m_painter.drawRect(r);
    }
    if (o.lines.isEmpty())
        return;

    const QFont font = reportFont(o.font);
    m_painter.setFont(font);
    m_painter.setPen(colorOf(o.textColor));
    const QFontMetricsF fm(font, m_painter.device());
    const double textHeight = fm.ascent() + fm.descent();
    const double pitch = o.lineHeight > 0 ? px(o.lineHeight) : r.height();

    m_painter.save();
    // Texts are cut at the memo's right edge (and never spill to its left).
    m_painter.setClipRect(
        QRectF(r.left(), r.top() - r.height() - px(10), r.width(), r.height() * 3 + px(20)));
    for (int i = 0; i < o.lines.size(); ++i) {
        const QString& full = o.lines.at(i);
        if (full.isEmpty())
            continue;
        const double lineTop = r.top() + i * pitch;
        const double width = fm.horizontalAdvance(full);
        QString shown = full;
        double x = r.left();
        if (width > r.width()) {
            shown = visiblePart(full, o.font, o.rect.width());
        } else if (o.alignment & Qt::AlignHCenter) {
            x = r.left() + (r.width() - width) / 2;
        } else if (o.alignment & Qt::AlignRight) {
            x = r.right() - width;
        }
        double baseline = lineTop + fm.ascent();
        if (o.alignment & Qt::AlignVCenter)
            baseline = lineTop + (pitch - textHeight) / 2 + fm.ascent();
        m_painter.drawText(QPointF(x, baseline), shown);
    }
    m_painter.restore();
}
