#pragma once

#include <QColor>
#include <QPixmap>
#include <QSize>
#include <QString>

// The program's pictures, drawn at run time so that no image file has to be
// delivered: the product logo, titles and strips, caption buttons and the
// icons of the main menu.
namespace pictures {

// The colours the pictures share.
inline const QColor kNavy(0x1F3A5F);
inline const QColor kTeal(0x2A7F8E);
inline const QColor kCrimson(0xB22234);
inline const QColor kPaper(0xF7F3E8);

// The product logo: a perforated stamp carrying a "V", on a rounded tile.
QPixmap productLogo(int side);

// Large heading text with a soft shadow, on a transparent background.
QPixmap title(const QString& text, QSize size, int pointSize, const QColor& colour = kNavy);

// A coloured band with centred text, for subtitles and the web-site strip.
QPixmap strip(const QString& text, QSize size, const QColor& colour, int pointSize = 12);

// A rounded button with upper-case caption text.
inline constexpr QSize kCaptionButtonSize(260, 54);
QPixmap captionButton(const QString& text, const QColor& colour, QSize size = kCaptionButtonSize);

// The three areas of the main menu.
enum class Area { Buyers, Stamps, Forms };
QPixmap areaPicture(Area area, int side);

// A round badge with a short glyph ("i", "?", "×"), for info, help and exit.
QPixmap roundIcon(const QString& glyph, const QColor& colour, int side);

// The green arrow of the import buttons, pointing into the field on its left.
QPixmap importArrow(int side);

// A hand holding a coin: the list of what is still to be paid.
QPixmap handWithCoin(int side);

} // namespace pictures
