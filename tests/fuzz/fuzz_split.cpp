// libFuzzer target: CheckSplit on every input; a disagreement aborts.
#include <cstdio>
#include <cstdlib>

#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    const std::string problem = vor::fuzz::CheckSplit(std::string(reinterpret_cast<const char*>(data), size));
    if (!problem.empty()) {
        std::fprintf(stderr, "fuzz_split: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
