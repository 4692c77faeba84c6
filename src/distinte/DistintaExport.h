#pragma once

#include "output/ArchiveExports.h"

// The spreadsheet export of a yearly distinte archive: number, date, the five
// buyer lines, the ten stamp descriptions, payment, total and paid flag.
// Reseller data, quantities, unit values and line amounts are left out.
namespace distintaexport {

const ExportSource& source();

} // namespace distintaexport
