#pragma once

#include "backup/ArchiveCheck.h"
#include "widgets/DialogBase.h"
#include "widgets/ListScreenParts.h"

#include <optional>

struct Services;

// What the archive check found, one line per finding on the shared result
// list, with the in-list find and the print of the list ("Verifica
// archivi"). A double click on a line of a whole record closes the list
// accepted, and chosen() names the finding for the caller to open.
class TfrmVerificaArchivi : public DialogBase {
    Q_OBJECT

public:
    static const QString kPrintTitle;

    TfrmVerificaArchivi(Services& services, const archivecheck::Report& report, QWidget* owner);

    const std::optional<archivecheck::Finding>& chosen() const { return m_chosen; }

private:
    void lstRecordsDblClick();

    Services& m_services;
    QList<archivecheck::Finding> m_findings;
    listscreen::ResultsPart m_results;
    std::optional<archivecheck::Finding> m_chosen;
};
