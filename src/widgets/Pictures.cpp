#include "widgets/Pictures.h"

#include "widgets/FormFonts.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace pictures {

namespace {

QPixmap transparent(QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QFont boldFont(int pointSize, const QString& family = formfont::family()) {
    QFont font(family, pointSize);
    font.setBold(true);
    return font;
}

// A stamp with a perforated edge inside `area`; the holes take `hole`.
void drawStamp(QPainter& p, const QRectF& area, const QColor& face, const QColor& hole) {
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawRect(area);
    const qreal r = area.width() / 22.0;
    p.setBrush(hole);
    for (qreal x = area.left() + 2 * r; x < area.right() - r; x += 3 * r) {
        p.drawEllipse(QPointF(x, area.top()), r, r);
        p.drawEllipse(QPointF(x, area.bottom()), r, r);
    }
    for (qreal y = area.top() + 2 * r; y < area.bottom() - r; y += 3 * r) {
        p.drawEllipse(QPointF(area.left(), y), r, r);
        p.drawEllipse(QPointF(area.right(), y), r, r);
    }
}

} // namespace

QPixmap productLogo(int side) {
    QPixmap pixmap = transparent(QSize(side, side));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient tile(0, 0, side, side);
    tile.setColorAt(0, kTeal);
    tile.setColorAt(1, kNavy);
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(0, 0, side, side), side / 6.0, side / 6.0);
    const QRectF stamp(side * 0.2, side * 0.16, side * 0.6, side * 0.68);
    drawStamp(p, stamp, kPaper, kNavy);
    p.setPen(QPen(kCrimson, side / 40.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(stamp.adjusted(side * 0.07, side * 0.07, -side * 0.07, -side * 0.07));
    p.setPen(kCrimson);
    p.setFont(boldFont(qMax(6, side / 4), QStringLiteral("Georgia")));
    p.drawText(stamp, Qt::AlignCenter, QStringLiteral("V"));
    return pixmap;
}

QPixmap title(const QString& text, QSize size, int pointSize, const QColor& colour) {
    QPixmap pixmap = transparent(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(boldFont(pointSize, QStringLiteral("Georgia")));
    const QRect area(QPoint(0, 0), size);
    p.setPen(QColor(0, 0, 0, 60));
    p.drawText(area.translated(3, 3), Qt::AlignCenter, text);
    p.setPen(colour);
    p.drawText(area, Qt::AlignCenter, text);
    return pixmap;
}

QPixmap strip(const QString& text, QSize size, const QColor& colour, int pointSize) {
    QPixmap pixmap(size);
    pixmap.fill(colour);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::white);
    p.setFont(boldFont(pointSize, QStringLiteral("Tahoma")));
    p.drawText(QRect(QPoint(0, 0), size).adjusted(12, 0, -12, 0),
               Qt::AlignCenter | Qt::TextWordWrap, text);
    return pixmap;
}

QPixmap captionButton(const QString& text, const QColor& colour, QSize size) {
    QPixmap pixmap = transparent(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area(1, 1, size.width() - 2, size.height() - 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRoundedRect(area.translated(0, 2), 12, 12);
    QLinearGradient face(0, 0, 0, size.height());
    face.setColorAt(0, colour.lighter(130));
    face.setColorAt(1, colour);
    p.setBrush(face);
    p.drawRoundedRect(area, 12, 12);
    p.setPen(Qt::white);
    p.setFont(boldFont(13, QStringLiteral("Tahoma")));
    p.drawText(area, Qt::AlignCenter, text);
    return pixmap;
}

QPixmap areaPicture(Area area, int side) {
    QPixmap pixmap = transparent(QSize(side, side));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = side;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xDCE8F5));
    p.drawEllipse(QRectF(0, 0, s, s));
    switch (area) {
    case Area::Buyers: {
        // Two people, one behind the other.
        const QColor back = kTeal.lighter(130);
        p.setBrush(back);
        p.drawEllipse(QPointF(s * 0.62, s * 0.34), s * 0.11, s * 0.11);
        p.drawPie(QRectF(s * 0.42, s * 0.48, s * 0.40, s * 0.40), 0, 180 * 16);
        p.setBrush(kNavy);
        p.drawEllipse(QPointF(s * 0.42, s * 0.40), s * 0.13, s * 0.13);
        p.drawPie(QRectF(s * 0.18, s * 0.56, s * 0.48, s * 0.44), 0, 180 * 16);
        break;
    }
    case Area::Stamps: {
        drawStamp(p, QRectF(s * 0.38, s * 0.20, s * 0.34, s * 0.42), kPaper.darker(105),
                  QColor(0xDCE8F5));
        const QRectF front(s * 0.24, s * 0.34, s * 0.36, s * 0.44);
        drawStamp(p, front, kPaper, QColor(0xDCE8F5));
        p.setPen(QPen(kCrimson, s / 60.0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(front.adjusted(s * 0.04, s * 0.04, -s * 0.04, -s * 0.04));
        p.setPen(kCrimson);
        p.setFont(boldFont(qMax(6, side / 10), QStringLiteral("Georgia")));
        p.drawText(front, Qt::AlignCenter, QStringLiteral("€"));
        break;
    }
    case Area::Forms: {
        // An A4 page with lines and a total.
        const QRectF page(s * 0.28, s * 0.18, s * 0.44, s * 0.62);
        p.setBrush(Qt::white);
        p.setPen(QPen(kNavy, s / 80.0));
        p.drawRect(page);
        p.setPen(QPen(kTeal, s / 70.0));
        for (int i = 0; i < 6; ++i) {
            const qreal y = page.top() + page.height() * (0.2 + i * 0.1);
            p.drawLine(QPointF(page.left() + s * 0.05, y), QPointF(page.right() - s * 0.05, y));
        }
        p.setPen(QPen(kCrimson, s / 50.0));
        const qreal y = page.bottom() - page.height() * 0.12;
        p.drawLine(QPointF(page.center().x(), y), QPointF(page.right() - s * 0.05, y));
        break;
    }
    }
    return pixmap;
}

QPixmap roundIcon(const QString& glyph, const QColor& colour, int side) {
    QPixmap pixmap = transparent(QSize(side, side));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient face(0, 0, 0, side);
    face.setColorAt(0, colour.lighter(140));
    face.setColorAt(1, colour);
    p.setPen(QPen(Qt::white, side / 16.0));
    p.setBrush(face);
    p.drawEllipse(QRectF(side * 0.05, side * 0.05, side * 0.9, side * 0.9));
    p.setPen(Qt::white);
    p.setFont(boldFont(qMax(6, side / 3), QStringLiteral("Georgia")));
    p.drawText(QRect(0, 0, side, side), Qt::AlignCenter, glyph);
    return pixmap;
}

QPixmap importArrow(int side) {
    QPixmap pixmap = transparent(QSize(side, side));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 32.0, side / 32.0);
    QPainterPath arrow;
    arrow.moveTo(3, 16);
    arrow.lineTo(15, 5);
    arrow.lineTo(15, 11);
    arrow.lineTo(29, 11);
    arrow.lineTo(29, 21);
    arrow.lineTo(15, 21);
    arrow.lineTo(15, 27);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(0x006400), 1.5));
    p.setBrush(QColor(0x32CD32));
    p.drawPath(arrow);
    return pixmap;
}

QPixmap handWithCoin(int side) {
    QPixmap pixmap = transparent(QSize(side, side));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 32.0, side / 32.0);
    // The coin, resting on the palm.
    p.setPen(QPen(QColor(0x8B6508), 1.2));
    p.setBrush(QColor(0xFFC125));
    p.drawEllipse(QRectF(10, 2, 14, 14));
    p.setFont(boldFont(7, QStringLiteral("Arial")));
    p.setPen(QColor(0x8B6508));
    p.drawText(QRectF(10, 2, 14, 14), Qt::AlignCenter, QStringLiteral("€"));
    // The open hand: palm, thumb and the cuff of the sleeve.
    p.setPen(QPen(QColor(0x8B5A2B), 1.2));
    p.setBrush(QColor(0xF1C27D));
    QPainterPath hand;
    hand.moveTo(4, 18);
    hand.lineTo(26, 18);
    hand.quadTo(30, 18, 29, 21);
    hand.quadTo(24, 28, 14, 28);
    hand.lineTo(6, 28);
    hand.closeSubpath();
    p.drawPath(hand);
    p.setBrush(kNavy);
    p.drawRect(QRectF(1, 18, 5, 11));
    return pixmap;
}

} // namespace pictures
