#include <iostream>
#include <string>
#include <vector>

#include "HeapPrefill.h"
#include "KorCli.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv, argv + argc);
    kor::prefill_heap(kor::expected_heap_bytes(args));
    return kor::run_kor(args, std::cout, std::cerr);
}
