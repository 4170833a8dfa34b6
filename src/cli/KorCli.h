#pragma once
// The `kor` command-line program as a function of its arguments and output
// streams, so the tests run it in-process.

#include <iosfwd>
#include <string>
#include <vector>

namespace kor {

// Exit codes: 0 success, 1 the data or a file was refused, 2 wrong usage.
int run_kor(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kor
