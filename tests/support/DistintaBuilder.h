#pragma once

#include "distinte/Ricevuta.h"

#include <QString>
#include <QStringList>

// Builds the distinte that tests store, show, print and export. It starts
// from an empty distinta marked not paid ("No"); each call fills one block of
// the form, so a test names only the fields it looks at. It checks nothing:
// any text, however odd, goes into the distinta as given.
class DistintaBuilder {
public:
    explicit DistintaBuilder(const QString& number = QString());

    DistintaBuilder& date(const QString& text);
    // The reseller's name and his heading lines from the first; the lines not
    // given stay empty.
    DistintaBuilder& reseller(const QString& name, const QStringList& lines = {});
    DistintaBuilder& payment(const QString& text);
    // The buyer's lines from the first; the lines not given stay empty.
    DistintaBuilder& buyer(const QStringList& lines);
    // Stamp line `index`, counted from 0.
    DistintaBuilder& line(int index, const QString& quant, const QString& descrizione,
                          const QString& unitario, const QString& importo = QString());
    DistintaBuilder& total(const QString& text);
    DistintaBuilder& paid(const QString& flag);

    Ricevuta build() const { return m_distinta; }
    operator Ricevuta() const { return m_distinta; }

private:
    Ricevuta m_distinta;
};

// The distinta most screen tests store: number `number`, dated 01/02/2024,
// buyer "Acquirente <number>", reseller "Titolare <number>" with the heading
// "Rivendita <number>", one stamp line of 1,20 and the total 1,20.
Ricevuta storedDistinta(const QString& number, const QString& paid = kSaldatoNo);

// Every field of the record filled with a text of its own, an accented buyer
// name among them, for the layout and round trip tests: number 12, total
// 135,00, not paid.
Ricevuta everyFieldDistinta();
