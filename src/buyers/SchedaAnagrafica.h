#pragma once

#include "common/FixedField.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>

// One buyer card as stored in `Anagrafica.pro`: 39 fixed text fields, 3831
// bytes, in the order of the members below (the stored order, not the
// screen's: CAP and province are one-character fields, the three attachment
// names precede the three descriptions).
struct SchedaAnagrafica {
    static constexpr int kRecordSize = 3831;

    enum Field : int {
        Nome = 0,
        Indirizzo,
        Num,
        Cap01,
        Localita = Cap01 + 5,
        Prov01,
        Tel = Prov01 + 2,
        Email,
        DataNasc,
        Sesso,
        LuogoNasc,
        CodFisc,
        PartitaIva,
        Iban,
        Pec,
        Carta,
        ScadeCarta,
        Cel,
        Cittadinanza,
        Occupazione,
        Civile,
        TipoDoc,
        EnteRil,
        DataRil,
        DataSca,
        Prodotti,
        Questioni,
        Note,
        File01,
        Desc01 = File01 + 3,
        FieldCount = Desc01 + 3,
    };

    QString nome;
    QString indirizzo;
    QString num;
    std::array<QString, 5> cap;
    QString localita;
    std::array<QString, 2> prov;
    QString tel;
    QString email;
    QString dataNasc;
    QString sesso;
    QString luogoNasc;
    QString codFisc;
    QString partitaIva;
    QString iban;
    QString pec;
    QString carta;
    QString scadeCarta;
    QString cel;
    QString cittadinanza;
    QString occupazione;
    QString civile;
    QString tipoDoc;
    QString enteRil;
    QString dataRil;
    QString dataSca;
    QString prodotti;
    QString questioni;
    QString note;
    std::array<QString, 3> file;
    std::array<QString, 3> desc;

    static const RecordLayout& layout();
    // Visits the members in stored order.
    template <typename Self, typename Visit> static void forEachMember(Self& r, Visit visit);

    QStringList toTexts() const;
    static SchedaAnagrafica fromTexts(const QStringList& texts);

    QByteArray encode() const;
    static SchedaAnagrafica decode(QByteArrayView record);

    bool operator==(const SchedaAnagrafica&) const = default;
};

inline const QString kBuyersArchiveFileName = QStringLiteral("Anagrafica.pro");
