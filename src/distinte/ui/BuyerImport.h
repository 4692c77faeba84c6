#pragma once

class DistintaEditor;
class QWidget;
struct Services;

// The distinta editor's buyer import (`impCliente`): opens the buyer search
// over `owner` and, when the user picks a card, puts its name, address and
// tax numbers into the editor's five buyer lines. Nothing else of the
// distinta changes.
void importBuyerIntoDistinta(Services& services, QWidget* owner, DistintaEditor& editor);
