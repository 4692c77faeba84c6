#include "output/ui/ReportFonts.h"

#include <QStringList>

namespace {
// Once per run, before the first report font is made.
void registerSubstitutes() {
    static const bool done = [] {
        // Liberation Sans and Mono share Arial's and Courier New's widths.
        QFont::insertSubstitutions(QStringLiteral("Arial"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                    QStringLiteral("Helvetica")});
        QFont::insertSubstitutions(QStringLiteral("Courier New"),
                                   {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"),
                                    QStringLiteral("Courier")});
        QFont::insertSubstitutions(
            QStringLiteral("Verdana"),
            {QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans")});
        return true;
    }();
    (void)done;
}
} // namespace

QFont reportFont(const ReportFont& font) {
    registerSubstitutes();
    QFont f(font.family);
    f.setPointSizeF(font.pointSize);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    if (font.family.contains(QLatin1String("Courier"), Qt::CaseInsensitive)) {
        f.setStyleHint(QFont::TypeWriter);
        f.setFixedPitch(true);
    } else {
        f.setStyleHint(QFont::SansSerif);
    }
    // Printed widths must not depend on the screen's hinting.
    f.setHintingPreference(QFont::PreferNoHinting);
    // Letters as typed: no ligatures (a PDF would hold "ﬁ" for "fi").
    f.setKerning(false);
    f.setStyleStrategy(QFont::PreferNoShaping);
    return f;
}
