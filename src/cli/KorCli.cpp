#include "KorCli.h"

namespace kor {
int run_kor(const std::vector<std::string>&, std::ostream&, std::ostream&) { return 0; }
}  // namespace kor
