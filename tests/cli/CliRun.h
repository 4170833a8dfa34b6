#pragma once
// Runs the `kor` program in-process and keeps what it printed.

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "KorCli.h"

namespace kor::testing {

struct CliRun {
    int code = -1;
    std::string out;
    std::string err;
};

// `args` without the program name.
inline CliRun kor(std::vector<std::string> args) {
    args.insert(args.begin(), "kor");
    std::ostringstream out;
    std::ostringstream err;
    CliRun run;
    run.code = run_kor(args, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

}  // namespace kor::testing
