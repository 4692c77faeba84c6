#pragma once

#include <cstdio>
#include <cstdlib>

namespace fuzzing {

// A broken check prints what broke and aborts, so libFuzzer saves the input.
inline void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

} // namespace fuzzing
