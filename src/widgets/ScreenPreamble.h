#pragma once

#include <QColor>
#include <QString>
#include <optional>

class QWidget;

// What every single-instance screen sets before it builds its widgets: its
// object name, its window caption and, when given, the colour of its
// background. The number settings are not part of it: start-up applies them
// once for the whole run.
void prepareScreen(QWidget* screen, const QString& name, const QString& caption,
                   std::optional<QColor> background = std::nullopt);
