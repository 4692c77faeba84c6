#pragma once

class QDialog;

// Answers the tariff list that a stamp line's import button opens, as the
// user does: shows it, clicks the entry in `row`, presses "Importa" and
// returns what the dialog returned.
int importTariffRow(QDialog* dialog, int row);
