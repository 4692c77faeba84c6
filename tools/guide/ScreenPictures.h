#pragma once

#include <QImage>
#include <QMap>
#include <QString>
#include <QStringList>

class SampleShop;

// Pictures of the program's real screens for the user guide, each made by
// creating the screen from its own class over the sample shop's folder,
// filling it as a user would and grabbing it off the offscreen platform. A
// picture is named by the guide's texts ("editor", "tariffario", ...).
//
// It does not lay out anything; see GuideBook.
struct ScreenPictures {
    QMap<QString, QImage> pictures;
    // What went wrong: a screen that showed a message, a control not found.
    QStringList problems;
};

ScreenPictures renderScreens(const SampleShop& shop);

// Prints the income chart of the sample year, as bars and as a pie, through
// its own print command into income-chart-bars-printed.pdf and
// income-chart-pie-printed.pdf in `folder`, and the sample distinta through
// its print dialog into distinta-printed.pdf (pictures for the README).
// Returns what went wrong.
QStringList printReadmePages(const SampleShop& shop, const QString& folder);
