#pragma once

#include "common/ResultRows.h"
#include "widgets/ResultList.h"

#include <QPixmap>
#include <QSize>
#include <benchmark/benchmark.h>

// The shared result list as a list screen shows it, on the offscreen
// platform: sized as the screen lays it out and shown, so that a measure can
// time what the user waits for, the rows moved into the list model and the
// first screenful painted. Needs the QApplication of runBenchmarks(screens).
class ShownList {
public:
    explicit ShownList(QSize size) {
        m_list.resize(size);
        m_list.show();
    }

    // Moves `rows` into the list and paints what fits on the screen.
    void show(QList<ResultRow> rows) {
        m_list.setRows(std::move(rows));
        paint();
    }
    void paint() { benchmark::DoNotOptimize(m_list.grab()); }
    void clear() { m_list.clear(); }
    qsizetype rowCount() const { return m_list.rows().size(); }

private:
    ResultList m_list;
};
