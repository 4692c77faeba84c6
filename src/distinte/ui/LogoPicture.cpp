#include "distinte/ui/LogoPicture.h"

#include "common/ProgramFolder.h"
#include "common/WholeFileWriter.h"

#include <QPainter>
#include <QPainterPath>

namespace logo {

QImage defaultPicture() {
    QImage image(297, 184, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor blue(0x00, 0x33, 0xCC);

    // The euro sign: an open ring and two bars across its left side.
    const QPointF centre(160, 92);
    const double radius = 62;
    QPen ring(blue, 20, Qt::SolidLine, Qt::FlatCap);
    p.setPen(ring);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 45 * 16,
              270 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(blue);
    for (double y : {-22.0, 10.0})
        p.drawRect(QRectF(centre.x() - radius - 34, centre.y() + y, 112, 13));
    return image;
}

QImage blankPicture() {
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage loadOrDefault(const QString& path) {
    QImage image;
    if (path.isEmpty() || !image.load(path) || image.isNull())
        return defaultPicture();
    return image;
}

QImage load(const ProgramFolder& folder) {
    return loadOrDefault(folder.file(kFileName));
}

bool save(const ProgramFolder& folder, const QImage& picture) {
    if (picture.isNull())
        return false;
    // A bitmap has no transparency: see-through parts become white, as on paper.
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter p(&flat);
        p.drawImage(0, 0, picture);
    }
    WholeFileWriter file(folder.file(kFileName));
    if (!file.open())
        return false;
    if (!flat.save(&file.device(), "BMP")) {
        file.cancel();
        return false;
    }
    return file.commit();
}

} // namespace logo
