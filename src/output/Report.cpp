#include "output/Report.h"

#include "common/TextRules.h"

namespace {
bool sameName(QStringView a, QStringView b) {
    return text::asciiLower(a) == text::asciiLower(b);
}
} // namespace

QSizeF PageSetup::paperSize() const {
    return orientation == Orientation::Portrait ? paper : paper.transposed();
}

QSizeF PageSetup::printableSize() const {
    const QSizeF size = paperSize();
    return QSizeF(size.width() - margins.left() - margins.right(),
                  size.height() - margins.top() - margins.bottom());
}

ReportObject* Report::findObject(QStringView name) {
    for (Band& band : bands)
        for (ReportObject& object : band.objects)
            if (sameName(object.name, name))
                return &object;
    return nullptr;
}

const ReportObject* Report::findObject(QStringView name) const {
    return const_cast<Report*>(this)->findObject(name);
}

Band* Report::findBand(QStringView name) {
    for (Band& band : bands)
        if (sameName(band.name, name))
            return &band;
    return nullptr;
}

bool Report::setMemoText(QStringView name, const QString& text) {
    ReportObject* object = findObject(name);
    if (!object || object->kind != ReportObject::Kind::Memo)
        return false;
    object->setText(text);
    return true;
}
