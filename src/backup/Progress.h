#pragma once

#include <QtGlobal>
#include <functional>

// How long work over the data folder reports how far it got: `done` of
// `total` units. Returning false asks the work to stop; it then undoes what
// it made and says it was cancelled. An empty function never stops it.
using Progress = std::function<bool(qint64 done, qint64 total)>;
