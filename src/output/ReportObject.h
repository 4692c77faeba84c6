#pragma once

#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <Qt>

// One object of a printed page: a text memo, a box, a line or a picture,
// placed in millimetres. This is plain data; drawing it is the job of
// output/ui/ReportPainter, so the layouts can be built and checked without a
// display or a printer.

struct ReportFont {
    QString family = QStringLiteral("Arial");
    double pointSize = 10;
    bool bold = false;
    bool italic = false;

    bool operator==(const ReportFont&) const = default;
};

// A picture as the page holds it: the image itself travels inside a QVariant
// (a QImage set by the screen side, see output/ui/ReportPicture.h), so the
// layout needs no graphics library; only its size in pixels is looked at here.
struct ReportPicture {
    QVariant image;
    QSize pixels;

    bool isNull() const { return pixels.isEmpty() || !image.isValid(); }
};

// Colours are 0xAARRGGBB; a zero alpha means "not filled".
namespace reportcolor {
inline constexpr quint32 None = 0x00000000;
inline constexpr quint32 Black = 0xFF000000;
inline constexpr quint32 White = 0xFFFFFFFF;
inline constexpr quint32 AliceBlue = 0xFFF0F8FF;
inline constexpr quint32 Beige = 0xFFF5F5DC;
inline constexpr quint32 SlateGray = 0xFF708090;
} // namespace reportcolor

struct ReportObject {
    enum class Kind { Memo, Box, Line, Picture };

    Kind kind = Kind::Memo;
    QString name;
    // Millimetres from the top-left corner of the band (in a layout) or of
    // the printable area (on a prepared page). A line runs from the rect's
    // top-left to its bottom-right corner.
    QRectF rect;

    // Memo: the text, one entry per printed line. Texts are printed as they
    // are; nothing in them is evaluated. A line wider than the memo is cut
    // at the memo's right edge.
    QStringList lines;
    ReportFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    quint32 textColor = reportcolor::Black;
    // Distance between the tops of two printed lines; 0 for a one-line memo.
    double lineHeight = 0;

    // Memo and box.
    quint32 fillColor = reportcolor::None;
    bool outline = false;

    // Picture: scaled to fit the rect, keeping its proportions, at the
    // rect's top-left corner.
    ReportPicture picture;

    QString text() const { return lines.join(QLatin1Char('\n')); }
    void setText(const QString& text) { lines = QStringList{text}; }

    // Where the picture lands inside the rect.
    QRectF fittedPictureRect() const;

    static ReportObject memo(const QString& name, const QRectF& rect, const QString& text,
                             const ReportFont& font,
                             Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);
    static ReportObject box(const QString& name, const QRectF& rect, quint32 fill,
                            bool outline = true);
    static ReportObject line(const QString& name, const QPointF& from, const QPointF& to);
    static ReportObject image(const QString& name, const QRectF& rect);
};
