#pragma once

#include "distinte/Ricevuta.h"

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

// The widgets of the distinta editor, laid out like the printed form: the
// reseller and buyer blocks side by side with the number, date, reseller name
// and payment to their right, the ten stamp lines, the total and the paid box
// at the bottom, the commands above and the status line below. Building them
// also gives every field its length, alignment, colours, key filter and place
// in the Enter chain, and every command its status hint. What the commands do
// is the screen's business.
struct RicevuteWidgets {
    static constexpr int kPartyLines = Ricevuta::kPartyLines;
    static constexpr int kLines = Ricevuta::kLines;

    std::array<QLineEdit*, kPartyLines> txtRivRigo{};
    std::array<QLineEdit*, kPartyLines> txtAcqRigo{};
    QLineEdit* txtNumRic = nullptr;
    QLineEdit* txtData = nullptr;
    QLineEdit* txtNomeRiv = nullptr;
    QLineEdit* txtPagamento = nullptr;
    std::array<QLineEdit*, kLines> txtQuant{};
    std::array<QLineEdit*, kLines> txtDescrizione{};
    std::array<QLineEdit*, kLines> txtUnitario{};
    std::array<QLineEdit*, kLines> txtImporto{};
    QLabel* txtTotale = nullptr;
    QCheckBox* chkSaldato = nullptr;

    QLabel* lblPosizione = nullptr;
    QLabel* lblFile = nullptr;
    QLabel* lblInizio = nullptr;
    QLabel* panInfo = nullptr;
    QPushButton* btnTotale = nullptr;
    // Invisible; takes the focus so that the field being edited runs its
    // leave rule before a save.
    QPushButton* btnFocus = nullptr;

    QToolButton* cmdNuovo = nullptr;
    QToolButton* cmdSalva = nullptr;
    QToolButton* cmdTrova = nullptr;
    QToolButton* cmdAnteprima = nullptr;
    QToolButton* cmdStampa = nullptr;
    QToolButton* cmdPrimo = nullptr;
    QToolButton* cmdIndietro = nullptr;
    QToolButton* cmdAvanti = nullptr;
    QToolButton* cmdUltimo = nullptr;
    QToolButton* cmdEsporta = nullptr;
    QToolButton* cmdDaSaldare = nullptr;
    QToolButton* cmdGuida = nullptr;
    QToolButton* cmdEsci = nullptr;
    QToolButton* impCliente = nullptr;
    std::array<QToolButton*, kLines> impBollato{};
    QToolButton* impData = nullptr;
    QToolButton* impNumerazione = nullptr;

    // The control that shows record field `field` (a Ricevuta::Field index,
    // the numbered fields counted on from their first line).
    QWidget* control(int field) const;

    // Creates the widgets as children of `screen` and gives it its layout.
    static RicevuteWidgets build(QWidget* screen);
};
