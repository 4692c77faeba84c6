#include "RecordFuzzing.h"
#include "buyers/SchedaAnagrafica.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzzing::fuzzRecords<SchedaAnagrafica>(data, size);
}
