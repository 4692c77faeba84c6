#pragma once

#include "output/Report.h"

#include <QList>

// A report laid out into pages, ready to draw. Every object's rect is in
// millimetres from the top-left corner of the page's printable area.
struct PreparedPage {
    QList<ReportObject> objects;

    // The objects with this name (a split memo appears once per page).
    QList<const ReportObject*> named(QStringView name) const;
};

struct PreparedReport {
    PageSetup page;
    QList<PreparedPage> pages;
};

// Lays the bands out one under the other, page after page. A band that does
// not fit in what is left of a page starts a new page; a band that may split
// carries the lines of its multi-line memo (one with a line height) over to
// the next pages, and its other objects stay with its first part. A report
// always has at least one page.
PreparedReport prepareReport(const Report& report);
