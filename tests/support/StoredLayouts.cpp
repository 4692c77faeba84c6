#include "support/StoredLayouts.h"

#include "common/FixedField.h"

#include <gtest/gtest.h>

namespace {

// A run of `count` fields of one capacity laid end to end, numbered 01, 02,
// ... when there is more than one.
struct Run {
    const char* name;
    int count;
    int capacity;
    int offset;
};

QList<StoredField> expand(std::initializer_list<Run> runs) {
    QList<StoredField> fields;
    for (const Run& run : runs) {
        for (int i = 0; i < run.count; ++i) {
            QByteArray name(run.name);
            if (run.count > 1)
                name += QByteArray::number(i + 1).rightJustified(2, '0');
            fields.append({name, run.offset + i * (run.capacity + 1), run.capacity});
        }
    }
    return fields;
}

} // namespace

namespace storedlayout {

const QList<StoredField>& distinta() {
    static const QList<StoredField> fields = expand({
        {"NumRic", 1, 30, 0},
        {"Data", 1, 10, 31},
        {"NomeRiv", 1, 120, 42},
        {"Pagamento", 1, 120, 163},
        {"RivRigo", 5, 120, 284},
        {"AcqRigo", 5, 120, 889},
        {"Quant", 10, 5, 1494},
        {"Descrizione", 10, 120, 1554},
        {"Unitario", 10, 10, 2764},
        {"Importo", 10, 15, 2874},
        {"Totale", 1, 15, 3034},
        {"Saldato", 1, 2, 3050},
    });
    return fields;
}

const QList<StoredField>& scheda() {
    static const QList<StoredField> fields = expand({
        {"Nome", 1, 250, 0},           {"Indirizzo", 1, 250, 251},
        {"Num", 1, 10, 502},           {"Cap", 5, 1, 513},
        {"Localita", 1, 120, 523},     {"Prov", 2, 1, 644},
        {"Tel", 1, 30, 648},           {"Email", 1, 120, 679},
        {"DataNasc", 1, 10, 800},      {"Sesso", 1, 1, 811},
        {"LuogoNasc", 1, 120, 813},    {"CodFisc", 1, 16, 934},
        {"PartitaIva", 1, 11, 951},    {"Iban", 1, 27, 963},
        {"Pec", 1, 120, 991},          {"Carta", 1, 50, 1112},
        {"ScadeCarta", 1, 10, 1163},   {"Cel", 1, 50, 1174},
        {"Cittadinanza", 1, 50, 1225}, {"Occupazione", 1, 120, 1276},
        {"Civile", 1, 50, 1397},       {"TipoDoc", 1, 50, 1448},
        {"EnteRil", 1, 50, 1499},      {"DataRil", 1, 10, 1550},
        {"DataSca", 1, 10, 1561},      {"Prodotti", 1, 250, 1572},
        {"Questioni", 1, 250, 1823},   {"Note", 1, 250, 2074},
        {"File", 3, 250, 2325},        {"Desc", 3, 250, 3078},
    });
    return fields;
}

int distintaOffset(QByteArrayView name) {
    for (const StoredField& f : distinta()) {
        if (f.name == name)
            return f.offset;
    }
    ADD_FAILURE() << "no distinta field " << name.toByteArray().constData();
    return 0;
}

void expectMatches(const RecordLayout& layout, const QList<StoredField>& stored) {
    for (const StoredField& e : stored) {
        const int i = layout.indexOf(e.name);
        ASSERT_GE(i, 0) << e.name.constData();
        EXPECT_EQ(layout.field(i).capacity, e.capacity) << e.name.constData();
        EXPECT_EQ(layout.field(i).offset, e.offset) << e.name.constData();
    }
}

} // namespace storedlayout
