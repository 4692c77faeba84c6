#include "distinte/ui/BuyerImport.h"

#include "buyers/BuyerLines.h"
#include "buyers/ui/TfrmTrovaAnagrafica.h"
#include "distinte/ui/DistintaEditor.h"

void importBuyerIntoDistinta(Services& services, QWidget* owner, DistintaEditor& editor) {
    if (const auto chosen = TfrmTrovaAnagrafica::choose(services, owner))
        editor.putBuyerLines(buyerlines::distintaBuyerLines(chosen->card));
}
