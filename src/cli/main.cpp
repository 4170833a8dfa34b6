#include <iostream>
#include <string>
#include <vector>

#include "KorCli.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv, argv + argc);
    return kor::run_kor(args, std::cout, std::cerr);
}
