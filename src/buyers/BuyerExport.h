#pragma once

#include "output/ArchiveExports.h"

// The spreadsheet export of the buyers archive: the card without sex,
// document issue date and attachments; street and house number in one cell,
// the CAP and province characters joined.
namespace buyerexport {

const ExportSource& source();

} // namespace buyerexport
