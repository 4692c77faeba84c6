#pragma once

#include "output/ReportObject.h"

#include <QImage>

// Wraps an image for a report's picture object, and unwraps it for drawing.
ReportPicture reportPicture(const QImage& image);
QImage reportImage(const ReportPicture& picture);
