#pragma once

#include <QString>
#include <functional>

class QLineEdit;
class QPushButton;
class QWidget;

// The year a screen opens its archive on: four digits and nothing else.
namespace yearfield {

struct Look {
    int points; // bold text of this size
    int width;  // fixed width in pixels
    bool centred = true;
};

QLineEdit* make(QWidget* parent, const QString& objectName, const Look& look);

// "Apri" opens the year typed in `year`: clicked, on Enter in the year (which
// first moves the focus to it), and on Enter while it has the focus.
void wireOpen(QLineEdit* year, QPushButton* apri, std::function<void()> open);

} // namespace yearfield
