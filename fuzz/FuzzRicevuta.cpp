#include "RecordFuzzing.h"
#include "distinte/Ricevuta.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzzing::fuzzRecords<Ricevuta>(data, size);
}
