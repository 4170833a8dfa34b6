#include "HeapPrefill.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace kor {

namespace {

// Reading, loading and analysing take about six times the file's size (the
// editor's lines, the response and correctness tables, the examinee records
// and, while it is read, the file's text); writing the results files (their
// texts and the input file beside them) five times more; the rest of the
// program about a quarter of a megabyte. Memory filled and never used
// counts in the program's size.
constexpr std::size_t heap_per_file_byte = 6;
constexpr std::size_t results_files_per_file_byte = 5;
constexpr std::size_t heap_besides_data = 256 * 1024;
constexpr std::size_t largest_prefill = 128u * 1024 * 1024;
// Huge pages (2 MB) only for a block of 4 MB and more, from a data file of
// about 640 KB up: the first huge page a new process takes costs about
// 3.4 ms (the kernel compacts memory for it), more than filling a smaller
// block in pages of 4 KB in the same one call.
constexpr std::size_t smallest_huge_paged_block = 4u * 1024 * 1024;

std::size_t file_size_of(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return 0;
    }
    const auto size = std::filesystem::file_size(path, error);
    return error ? 0 : static_cast<std::size_t>(size);
}

}  // namespace

std::size_t expected_heap_bytes(const std::vector<std::string>& args) {
    // `kor COMMAND FILE ...`: the data file follows the command; the files
    // the command writes do not count.
    if (args.size() < 3 || args[2].empty() || args[2][0] == '-') {
        return 0;
    }
    const std::size_t file = file_size_of(args[2]);
    if (file == 0) {
        return 0;
    }
    const bool saves_results = std::find(args.begin(), args.end(), "--save") != args.end();
    const std::size_t per_byte =
        heap_per_file_byte + (saves_results ? results_files_per_file_byte : 0);
    return std::min(largest_prefill, file * per_byte + heap_besides_data);
}

void prefill_heap(std::size_t bytes) {
#ifdef MADV_POPULATE_WRITE
    if (bytes == 0) {
        return;
    }
    // Blocks of any size come from the heap, and what is freed stays there,
    // so that the pages filled here serve every later allocation.
    const int keep = static_cast<int>(largest_prefill * 2);
    if (mallopt(M_MMAP_THRESHOLD, keep) == 0 || mallopt(M_TRIM_THRESHOLD, keep) == 0) {
        return;
    }
    void* block = std::malloc(bytes);
    if (block == nullptr) {
        return;
    }
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto start = (reinterpret_cast<std::uintptr_t>(block) + page - 1) / page * page;
    const auto end = (reinterpret_cast<std::uintptr_t>(block) + bytes) / page * page;
    if (end > start) {
        // Huge pages where the system offers them, filled in one call; either
        // request refused (an older kernel, huge pages switched off), the
        // pages fill on first touch as they always did.
        if (bytes >= smallest_huge_paged_block) {
            madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
        }
        madvise(reinterpret_cast<void*>(start), end - start, MADV_POPULATE_WRITE);
    }
    std::free(block);
#else
    (void)bytes;
#endif
}

}  // namespace kor
