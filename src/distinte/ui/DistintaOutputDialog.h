#pragma once

#include "distinte/Ricevuta.h"
#include "output/PreparedReport.h"
#include "widgets/DialogBase.h"

#include <QImage>

class QHBoxLayout;
class QLabel;
class QPushButton;
struct Services;

// What the print and the preview screens of a distinta share: the logo read
// when the screen is made (the default picture when `Logo.bmp` is missing or
// unreadable), the buttons `btnAnnulla` and `btnStampa`, and the command that
// fills the page from the distinta, hands it on and closes the screen,
// showing the screen's warning when that fails. A screen may add commands of
// its own between the two buttons. The distinta is the editor's, as it was on
// screen, saved or not.
class DistintaOutputDialog : public DialogBase {
    Q_OBJECT

public:
    // The logo (or its stand-in) that the page will carry.
    QImage logo() const { return m_logo; }
    // The page as "Stampa" / "Mostra anteprima" fills it.
    PreparedReport preparedPage() const;
    // The path proposed for saving the page: "Distinta <number> del
    // <gg-mm-aaaa>.pdf" in the user's documents folder, characters a file
    // name cannot hold replaced by "-".
    QString pdfFileName() const;

protected:
    DistintaOutputDialog(Services& services, const Ricevuta& ricevuta, QWidget* owner,
                         const QString& caption, const QString& buttonText,
                         const QStringList& instructions);

    // Prints or shows the page; false when it failed.
    virtual bool produce(const PreparedReport& page) = 0;
    virtual QString failureText() const = 0;

    Services& services() const { return m_services; }
    // A further command button, placed before `btnAnnulla`.
    QPushButton* addCommand(const QString& name, const QString& text);

private:
    void run();

    Services& m_services;
    Ricevuta m_ricevuta;
    QImage m_logo;
    QHBoxLayout* m_buttons = nullptr;
    QPushButton* m_btnAnnulla = nullptr;
};
