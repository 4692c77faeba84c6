#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

class RecordLayout;

// Where each field of a stored record sits, written out here from the files
// users already have rather than taken from the program's own layout, so that
// a change to the program's layout fails the tests that compare the two.
struct StoredField {
    QByteArray name;
    int offset;   // of the length byte, from the start of the record
    int capacity; // characters kept after the length byte
};

namespace storedlayout {

// Every field of a distinta in `<year>.ric` (3053 bytes), in stored order.
const QList<StoredField>& distinta();
// Every field of a buyer card in the buyers archive (3831 bytes), in stored order.
const QList<StoredField>& scheda();

// The offset of the named distinta field; when there is none, the test
// fails and the offset is 0.
int distintaOffset(QByteArrayView name);

// Checks `layout` against `stored`: every stored field is there by name, at
// the same offset and with the same capacity.
void expectMatches(const RecordLayout& layout, const QList<StoredField>& stored);

} // namespace storedlayout
