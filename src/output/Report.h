#pragma once

#include "output/ReportObject.h"

#include <QList>
#include <QMarginsF>
#include <QSizeF>
#include <QString>
#include <QStringView>

// The paper of a report, in millimetres.
struct PageSetup {
    enum class Orientation { Portrait, Landscape };

    // The paper held upright; the orientation turns it.
    QSizeF paper{210, 297};
    Orientation orientation = Orientation::Portrait;
    QMarginsF margins{10, 10, 10, 10};

    QSizeF paperSize() const;
    // The area inside the margins, where every object is placed.
    QSizeF printableSize() const;
};

// A horizontal strip of a report. Bands are printed once each, in order, one
// under the other, starting a new page when the next band does not fit. A
// band that may split carries its multi-line memo over to the next pages,
// whole lines at a time.
struct Band {
    QString name;
    double height = 0; // millimetres
    bool canSplit = false;
    QList<ReportObject> objects;
};

// A report layout: page setup and bands. Objects and bands are found by name
// without regard to letter case, as the screens that fill a report expect.
// The layout holds no rules of its own; output/PreparedReport turns it into
// pages.
class Report {
public:
    PageSetup page;
    QList<Band> bands;

    ReportObject* findObject(QStringView name);
    const ReportObject* findObject(QStringView name) const;
    Band* findBand(QStringView name);

    // Sets the text of a memo; false when no memo has that name.
    bool setMemoText(QStringView name, const QString& text);
};
