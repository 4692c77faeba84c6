#pragma once

#include "common/FixedField.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>

// One distinta as stored in the yearly archive `<year>.ric`: 56 fixed text
// fields, 3053 bytes, in the order of the members below. Every member holds
// the text as shown on screen; the paid flag is "Sì" or "No" when written by
// the program, but any stored text is kept as read.
struct Ricevuta {
    static constexpr int kLines = 10;
    static constexpr int kPartyLines = 5;
    static constexpr int kRecordSize = 3053;

    // Field indices in the layout, for readers that decode single fields.
    enum Field : int {
        NumRic = 0,
        Data = 1,
        NomeRiv = 2,
        Pagamento = 3,
        RivRigo01 = 4,
        AcqRigo01 = 9,
        Quant01 = 14,
        Descrizione01 = 24,
        Unitario01 = 34,
        Importo01 = 44,
        Totale = 54,
        Saldato = 55,
    };

    QString numRic;
    QString data;
    QString nomeRiv;
    QString pagamento;
    std::array<QString, kPartyLines> rivRigo;
    std::array<QString, kPartyLines> acqRigo;
    std::array<QString, kLines> quant;
    std::array<QString, kLines> descrizione;
    std::array<QString, kLines> unitario;
    std::array<QString, kLines> importo;
    QString totale;
    QString saldato;

    static const RecordLayout& layout();
    // The number of characters record field `field` keeps.
    static int capacity(int field) { return layout().field(field).capacity; }
    // Visits the members in stored order.
    template <typename Self, typename Visit> static void forEachMember(Self& r, Visit visit);

    QStringList toTexts() const;
    static Ricevuta fromTexts(const QStringList& texts);

    QByteArray encode() const;
    static Ricevuta decode(QByteArrayView record);

    bool operator==(const Ricevuta&) const = default;
};

// The paid flag's two stored texts.
inline const QString kSaldatoSi = QStringLiteral("Sì");
inline const QString kSaldatoNo = QStringLiteral("No");

// The file name of one calendar year's archive: the year, trimmed, then ".ric".
QString yearArchiveFileName(const QString& year);
