// kor convert FILE.kor --to FORM -o OUT.kor: opens the file, rewrites its key
// and data lines as the data editor's Convert menu does, and saves the
// result as an input file.

#include <memory>
#include <ostream>
#include <string>

#include "CliCommon.h"
#include "core/FileIO.h"
#include "core/VariablesUnit.h"
#include "core/data/Conversions.h"
#include "core/data/InputFile.h"

namespace kor {

namespace {

struct ConvertFlags {
    std::string path;
    std::string form;
    std::string out_path;
};

Outcome convert_to(ProgramState& state, const std::string& form) {
    ConvertMenu menu;
    if (form == "letters") {
        return convert_to_letters(state, menu);
    }
    if (form == "numbers") {
        return convert_to_numbers(state, menu);
    }
    return convert_to_right_wrong(state, menu);
}

int run_convert(const ConvertFlags& flags, std::ostream& err) {
    auto state = std::make_unique<ProgramState>();
    if (auto refused = open_input_file(*state, flags.path, err)) {
        return *refused;
    }
    if (auto refused =
            refuse_clashing_targets({flags.out_path}, state->data.input_file_path, err)) {
        return *refused;
    }
    const Outcome converted = convert_to(*state, flags.form);
    print_messages(converted, err);
    if (converted.refused) {
        return exit_refused;
    }
    try {
        write_input_file(*state, flags.out_path);
    } catch (const FileError& error) {
        err << error.what() << '\n';
        return exit_refused;
    }
    print_written(flags.out_path, err);
    return exit_ok;
}

}  // namespace

void add_convert_command(CLI::App& app, CommandContext& context) {
    auto flags = std::make_shared<ConvertFlags>();
    CLI::App* convert = app.add_subcommand("convert", "Rewrite an input file's data as right-wrong, letters or numbers");
    convert->add_option("FILE", flags->path, "input file (.kor)")->required();
    convert->add_option("--to", flags->form, "the form of the converted data")
        ->required()
        ->check(CLI::IsMember({"right-wrong", "letters", "numbers"}));
    convert->add_option("-o,--output", flags->out_path, "the converted input file")->required()->type_name("OUT.kor");
    convert->callback([flags, &context] { context.exit_code = run_convert(*flags, context.err); });
}

}  // namespace kor
