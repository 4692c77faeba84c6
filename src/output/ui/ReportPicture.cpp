#include "output/ui/ReportPicture.h"

ReportPicture reportPicture(const QImage& image) {
    return ReportPicture{QVariant::fromValue(image), image.size()};
}

QImage reportImage(const ReportPicture& picture) {
    return picture.image.value<QImage>();
}
