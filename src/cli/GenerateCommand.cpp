// kor generate: a simulated data set written as an input file.

#include "CliCommon.h"

namespace kor {

void add_generate_command(CLI::App&, CommandContext&) {}

}  // namespace kor
