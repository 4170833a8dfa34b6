#pragma once
// Memory for a command's data filled in one step. The kernel fills each page
// the program touches for the first time on a fault of its own; on a virtual
// machine a fault costs several microseconds, and reading and analysing a
// large data set touches thousands of pages. Asking the kernel to fill the
// heap the data will take in one call (MADV_POPULATE_WRITE) costs far less.
// Where the system cannot do so, the pages are left to fill one by one as
// before: nothing else changes.

#include <cstddef>
#include <string>
#include <vector>

namespace kor {

// The heap a command with these arguments is likely to need: a multiple of
// the size of the data file it names (0 when it names none).
std::size_t expected_heap_bytes(const std::vector<std::string>& args);

// Keeps large blocks in the heap and fills `bytes` of it at once.
void prefill_heap(std::size_t bytes);

}  // namespace kor
