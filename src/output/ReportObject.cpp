#include "output/ReportObject.h"

#include <algorithm>

QRectF ReportObject::fittedPictureRect() const {
    if (picture.pixels.isEmpty() || rect.isEmpty())
        return QRectF(rect.topLeft(), QSizeF(0, 0));
    const double scale =
        std::min(rect.width() / picture.pixels.width(), rect.height() / picture.pixels.height());
    return QRectF(rect.topLeft(),
                  QSizeF(picture.pixels.width() * scale, picture.pixels.height() * scale));
}

ReportObject ReportObject::memo(const QString& name, const QRectF& rect, const QString& text,
                                const ReportFont& font, Qt::Alignment alignment) {
    ReportObject o;
    o.kind = Kind::Memo;
    o.name = name;
    o.rect = rect;
    o.lines = QStringList{text};
    o.font = font;
    o.alignment = alignment;
    return o;
}

ReportObject ReportObject::box(const QString& name, const QRectF& rect, quint32 fill,
                               bool outline) {
    ReportObject o;
    o.kind = Kind::Box;
    o.name = name;
    o.rect = rect;
    o.fillColor = fill;
    o.outline = outline;
    return o;
}

ReportObject ReportObject::line(const QString& name, const QPointF& from, const QPointF& to) {
    ReportObject o;
    o.kind = Kind::Line;
    o.name = name;
    o.rect = QRectF(from, to);
    return o;
}

ReportObject ReportObject::image(const QString& name, const QRectF& rect) {
    ReportObject o;
    o.kind = Kind::Picture;
    o.name = name;
    o.rect = rect;
    return o;
}
