#include "output/PreparedReport.h"

#include "common/TextRules.h"

namespace {
// Positions are sums of tenths of millimetres; allow for rounding.
constexpr double kSlack = 1e-6;

class PageFiller {
public:
    explicit PageFiller(const PageSetup& page) : m_height(page.printableSize().height()) {
        m_report.page = page;
        m_report.pages.append(PreparedPage{});
    }

    void addBand(const Band& band) {
        if (m_y + band.height <= m_height + kSlack) {
            place(band.objects, m_y);
            m_y += band.height;
        } else if (band.canSplit) {
            split(band);
        } else {
            if (m_y > 0)
                newPage();
            place(band.objects, 0);
            m_y = band.height;
        }
    }

    PreparedReport take() { return std::move(m_report); }

private:
    void newPage() {
        m_report.pages.append(PreparedPage{});
        m_y = 0;
    }

    void place(const QList<ReportObject>& objects, double top) {
        for (ReportObject object : objects) {
            object.rect.translate(0, top);
            m_report.pages.last().objects.append(object);
        }
    }

    static bool isSplittable(const ReportObject& o) {
        return o.kind == ReportObject::Kind::Memo && o.lineHeight > 0;
    }

    void split(const Band& band) {
        const ReportObject* memo = nullptr;
        QList<ReportObject> others;
        for (const ReportObject& o : band.objects) {
            if (!memo && isSplittable(o))
                memo = &o;
            else
                others.append(o);
        }
        place(others, m_y);
        if (!memo) {
            m_y += band.height;
            return;
        }

        const double pitch = memo->lineHeight;
        // What the band keeps under its memo, carried after the last line.
        const double tail = band.height - memo->rect.bottom();
        double top = m_y + memo->rect.top();
        ReportObject part = *memo;
        part.lines.clear();
        for (const QString& line : memo->lines) {
            const double lineTop = top + part.lines.size() * pitch;
            if (lineTop + pitch > m_height + kSlack && (!part.lines.isEmpty() || top > 0)) {
                // A page always takes at least one line, so a pitch taller
                // than the page still ends.
                flushPart(part, top, pitch);
                newPage();
                top = 0;
                part.lines.clear();
            }
            part.lines.append(line);
        }
        flushPart(part, top, pitch);
        m_y = top + part.lines.size() * pitch + tail;
    }

    void flushPart(ReportObject part, double top, double pitch) {
        // Nothing to show when not even the first line fitted on the page.
        if (part.lines.isEmpty())
            return;
        part.rect = QRectF(part.rect.left(), top, part.rect.width(), part.lines.size() * pitch);
        m_report.pages.last().objects.append(part);
    }

    PreparedReport m_report;
    double m_height;
    double m_y = 0;
};
} // namespace

QList<const ReportObject*> PreparedPage::named(QStringView name) const {
    QList<const ReportObject*> found;
    const QString wanted = text::asciiLower(name);
    for (const ReportObject& o : objects)
        if (text::asciiLower(o.name) == wanted)
            found.append(&o);
    return found;
}

PreparedReport prepareReport(const Report& report) {
    PageFiller filler(report.page);
    for (const Band& band : report.bands)
        filler.addBand(band);
    return filler.take();
}
