// kor convert FILE.kor --to FORM -o OUT.kor: opens the file, rewrites its key
// and data lines as the data editor's Convert menu does, and saves the
// result as an input file.

#include <memory>
#include <ostream>
#include <string>

#include "CliCommon.h"

namespace kor {

namespace {

struct ConvertFlags {
    std::string path;
    std::string form;
    std::string out_path;
};

Conversion conversion_named(const std::string& form) {
    if (form == "letters") {
        return Conversion::letters;
    }
    if (form == "numbers") {
        return Conversion::numbers;
    }
    return Conversion::right_wrong;
}

int run_convert(const ConvertFlags& flags, std::ostream& err) {
    Application app{WayBackToFirstLines::not_offered};
    if (auto refused = open_input_file(app, flags.path, err)) {
        return *refused;
    }
    if (auto refused = refuse_clashing_targets(app, {flags.out_path}, err)) {
        return *refused;
    }
    if (auto refused = print_outcome(app.convert(conversion_named(flags.form)), err)) {
        return *refused;
    }
    return print_outcome(app.save_input_file(flags.out_path), err).value_or(exit_ok);
}

}  // namespace

void add_convert_command(CLI::App& app, CommandContext& context) {
    auto flags = std::make_shared<ConvertFlags>();
    CLI::App* convert = app.add_subcommand(
        "convert", "Rewrite an input file's data as right-wrong, letters or numbers");
    convert->add_option("FILE", flags->path, "input file (.kor)")->required();
    convert->add_option("--to", flags->form, "the form of the converted data")
        ->required()
        ->check(CLI::IsMember({"right-wrong", "letters", "numbers"}));
    convert->add_option("-o,--output", flags->out_path, "the converted input file")
        ->required()
        ->type_name("OUT.kor");
    convert->callback([flags, &context] { context.exit_code = run_convert(*flags, context.err); });
}

}  // namespace kor
