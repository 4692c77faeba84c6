#pragma once

class QListWidget;

// Keeps every row of a list readable to its end (the prices at the end of
// the tariff rows) without scrolling sideways. The list asks for the width
// that shows its widest row in its own font, at least `minimumWidth` and at
// most what the screen leaves; where the list still gets less than its rows
// need, its font is made smaller, down to 8 points, until they fit. Rows
// added later are measured too. Does not change the rows or the selection.
void keepRowsWhole(QListWidget* list, int minimumWidth);
