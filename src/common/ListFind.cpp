#include "common/ListFind.h"

#include "common/ResultRows.h"
#include "common/TextRules.h"

namespace listfind {

qsizetype findRow(const ResultRows& rows, qsizetype selected, QStringView typed, Memory& memory) {
    const qsizetype count = rows.size();
    if (count == 0)
        return -1;
    if (selected < 0 || selected >= count)
        selected = 0;
    const QString key = text::asciiLower(typed);
    const bool findNext = key == memory.key;
    memory.key = key;
    if (key.isEmpty())
        return selected;

    // A new key tests the first row first; the same key tests the rows after
    // the selection and comes back to the selection last.
    const qsizetype start = findNext ? selected + 1 : 0;
    for (qsizetype step = 0; step < count; ++step) {
        const qsizetype row = (start + step) % count;
        if (text::asciiLower(rows.at(row).text).contains(key))
            return row;
    }
    return selected;
}

} // namespace listfind
