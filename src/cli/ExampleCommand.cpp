// kor example NAME -o FILE.kor, kor example --list, and the examples that
// kor analyze --example opens.

#include <ostream>

#include "CliCommon.h"

namespace kor {

std::optional<int> open_example(ProgramState&, const std::string& name, std::ostream& err) {
    err << "There is no example called \"" << name << "\"\n";
    return exit_usage;
}

void add_example_command(CLI::App&, CommandContext&) {}

}  // namespace kor
