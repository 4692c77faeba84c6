#pragma once

#include "widgets/DialogBase.h"
#include "widgets/Services.h"

// The about box: the product, its version and the maker's links.
class TfrmInfo : public DialogBase {
    Q_OBJECT

public:
    TfrmInfo(Services& services, QWidget* owner);
};
