#pragma once

#include <QColor>

class QLineEdit;
class QPlainTextEdit;
class QTextEdit;
class QWidget;

// The focus highlight every screen gives its edit fields. Each function
// installs a small event filter owned by the field, so nothing has to be
// removed by hand; calling one again on the same field replaces the colours.

// Styled kind: flat background, sky-blue border, `normal` background while
// the field is left, yellow while it has the focus. The field's style sheet
// belongs to the highlight from then on: set its font with setFont().
void applyStyledHighlight(QLineEdit* field, const QColor& normal = QColor(0xF0F8FF));
void applyStyledHighlight(QTextEdit* field, const QColor& normal = QColor(0xF0F8FF));
void applyStyledHighlight(QPlainTextEdit* field, const QColor& normal = QColor(0xF0F8FF));

// Read-only fields that show computed values (line amounts): same flat look,
// a fixed background that never turns yellow. Also makes the field read-only.
void applyReadOnlyStyle(QLineEdit* field, const QColor& background);

// Rectangle kind: `rectangle` (usually a yellow frame behind the field) is
// visible exactly while `field` has the focus. When both share a parent the
// rectangle also follows the field's geometry, a few pixels larger, and stays
// behind it.
void applyRectangleHighlight(QWidget* field, QWidget* rectangle);

// Makes the usual yellow rectangle for `field` (a sibling named `objectName`,
// hidden until the field has the focus) and applies the rectangle kind.
QWidget* createFocusRectangle(QWidget* field, const QString& objectName);
