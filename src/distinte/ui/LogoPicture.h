#pragma once

#include <QImage>
#include <QString>

class ProgramFolder;

// The reseller logo printed on every distinta, kept as `Logo.bmp` in the
// program folder, and the two built-in pictures that stand in for it.
namespace logo {

inline const QString kFileName = QStringLiteral("Logo.bmp");

// A blue euro sign on white, 297 x 184 pixels: used when there is no logo
// file or it cannot be read.
QImage defaultPicture();

// 2 x 2 white pixels: "no logo", so the logo area prints blank.
QImage blankPicture();

// The picture in `path` (JPEG, BMP or any other readable picture), or the
// default picture when the file is missing or is not a readable picture.
QImage loadOrDefault(const QString& path);

// The logo of the program folder, or the default picture.
QImage load(const ProgramFolder& folder);

// Stores `picture` as the logo, in BMP format, unscaled. The old file is
// replaced only when the new one has been written completely.
bool save(const ProgramFolder& folder, const QImage& picture);

} // namespace logo
