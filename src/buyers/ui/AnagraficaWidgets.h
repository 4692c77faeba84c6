#pragma once

#include "buyers/SchedaAnagrafica.h"

#include <array>

class QLabel;
class QLineEdit;
class QToolButton;
class QWidget;

// The widgets of the buyer editor: the commands along the top, the 33 fields
// of a card with their captions, the check icons beside their fields, the six
// hidden attachment labels and the status line. Building them also gives
// every field its length (the card field's capacity), typing rule, highlight
// and place in the Enter chain, and every command its status hint. What the
// commands do is the screen's business.
struct AnagraficaWidgets {
    static constexpr int kEditFields = SchedaAnagrafica::File01;

    // Indexed by SchedaAnagrafica::Field: the edit fields first, then the
    // hidden labels lblFile01..03 and lblDesc01..03.
    std::array<QLineEdit*, kEditFields> txt{};
    std::array<QLabel*, SchedaAnagrafica::FieldCount - kEditFields> lbl{};

    QLabel* lblPosizione = nullptr;
    QLabel* panInfo = nullptr;

    QToolButton* cmdNuovo = nullptr;
    QToolButton* cmdDuplica = nullptr;
    QToolButton* cmdSalva = nullptr;
    QToolButton* cmdTrova = nullptr;
    QToolButton* cmdFile = nullptr;
    QToolButton* cmdStampa = nullptr;
    QToolButton* cmdPrimo = nullptr;
    QToolButton* cmdIndietro = nullptr;
    QToolButton* cmdAvanti = nullptr;
    QToolButton* cmdUltimo = nullptr;
    QToolButton* cmdEsporta = nullptr;
    QToolButton* cmdQuestioni = nullptr;
    QToolButton* cmdGuida = nullptr;
    QToolButton* cmdEsci = nullptr;
    QToolButton* btnEmail = nullptr;
    QToolButton* btnCodFisc = nullptr;
    QToolButton* btnPartitaIva = nullptr;
    QToolButton* btnIban = nullptr;
    QToolButton* btnCarta = nullptr;

    QLineEdit* field(SchedaAnagrafica::Field f) const { return txt[f]; }

    // Creates the widgets as children of `screen` and gives it its layout.
    static AnagraficaWidgets build(QWidget* screen);
};
