#pragma once

#include "buyers/SchedaAnagrafica.h"

// What the buyer lists (search, pending questions) may do with the buyer
// editor: put a stored card on it at its position, ready to be changed and
// saved over that very card. Nothing else of the editor is reachable.
class BuyerEditor {
public:
    virtual ~BuyerEditor() = default;
    virtual void showScheda(const SchedaAnagrafica& card, qint64 position) = 0;

protected:
    BuyerEditor() = default;
    BuyerEditor(const BuyerEditor&) = default;
    BuyerEditor& operator=(const BuyerEditor&) = default;
};
