#pragma once

#include <QStringList>
#include <functional>

class QComboBox;
class QWidget;

// A combo edit whose value can only be chosen from its drop-down list: typed
// characters are discarded, Backspace and Delete empty it, the left and
// right arrows and the keys that open the list work as usual, and Enter is
// left to the screen's Enter chain. Leaving it with a text that is not one
// of its choices empties it.
QComboBox* makeChoiceField(QWidget* parent, const QString& objectName, const QStringList& choices,
                           int maxLength, std::function<bool(const QString&)> isChoice);
