#pragma once

#include "widgets/DialogBase.h"
#include "widgets/Services.h"

// The splash box: the product picture and name large, with the maker's links.
class TfrmSplash : public DialogBase {
    Q_OBJECT

public:
    TfrmSplash(Services& services, QWidget* owner);
};
