#include "output/ListReport.h"

namespace listreport {

namespace {
const QString kTitle = QStringLiteral("txtTitolo");
const QString kList = QStringLiteral("txtRiepilogo");
const QString kDataBand = QStringLiteral("MasterData");
const QString kFooter = QStringLiteral("txtPagina");

ReportObject bar(const QString& name, const QRectF& rect, const QString& text, double pointSize) {
    ReportObject o =
        ReportObject::memo(name, rect, text, ReportFont{QStringLiteral("Verdana"), pointSize, true},
                           Qt::AlignHCenter | Qt::AlignVCenter);
    o.textColor = reportcolor::White;
    o.fillColor = reportcolor::SlateGray;
    return o;
}
} // namespace

Report design() {
    Report report;
    report.page.orientation = PageSetup::Orientation::Landscape;

    Band title{QStringLiteral("ReportTitle"), 8, false, {}};
    title.objects.append(bar(kTitle, QRectF(2, 1, 273, 5), QStringLiteral("Riepilogo"), 9));

    Band data{kDataBand, kDataPaddingUnits * kMmPerUnit, true, {}};
    ReportObject list = ReportObject::memo(kList, QRectF(3, 0, 273, 0), QString(),
                                           ReportFont{QStringLiteral("Courier New"), 8});
    list.lines.clear();
    list.lineHeight = kLinePitchUnits * kMmPerUnit;
    data.objects.append(list);

    Band footer{QStringLiteral("Footer"), 8, false, {}};
    footer.objects.append(
        bar(kFooter, QRectF(3, 2, 272, 5), QStringLiteral("Stampa eseguita in data [DATE]"), 8));

    report.bands = {title, data, footer};
    return report;
}

Report filled(const QString& title, const QStringList& lines, const QDate& printDate) {
    Report report = design();
    report.setMemoText(kTitle, title);

    ReportObject* list = report.findObject(kList);
    list->lines = lines;
    const double memoHeight = lines.size() * kLinePitchUnits * kMmPerUnit;
    list->rect.setHeight(memoHeight);
    report.findBand(kDataBand)->height = memoHeight + kDataPaddingUnits * kMmPerUnit;

    // The date goes in directly: nothing in the texts is ever evaluated.
    report.setMemoText(kFooter, QStringLiteral("Stampa eseguita in data ") +
                                    printDate.toString(QStringLiteral("dd/MM/yyyy")));
    return report;
}

PreparedReport prepared(const QString& title, const QStringList& lines, const QDate& printDate) {
    return prepareReport(filled(title, lines, printDate));
}

} // namespace listreport
