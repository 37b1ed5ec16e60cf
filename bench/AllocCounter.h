// Live heap bytes of the process, counted by the bench program's own malloc
// family, which stands in front of the C library's: every allocation of the
// program and of the libraries it loads is seen.
#pragma once

#include <cstddef>
#include <cstdint>

namespace bench {
// Bytes currently allocated (usable sizes), from process start.
int64_t LiveHeapBytes();
}  // namespace bench
