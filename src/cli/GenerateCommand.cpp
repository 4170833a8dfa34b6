// kor generate -o FILE.kor: a simulated data set written as an input file.
// The flags fill the generator dialog's boxes as a user would type them, and
// the dialog's own "Generate" checks them.

#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "CliCommon.h"
#include "core/FileIO.h"

namespace kor {

namespace {

struct GenerateFlags {
    std::string path;
    // Boxes typed over; an empty text given on the command line is typed too.
    std::optional<std::string> cases;
    std::optional<std::string> items;
    std::optional<std::string> seed;
    std::string options;
    std::string difficulty;
    bool letters = false;
};

const std::map<std::string, GenOptionChoice> option_names{
    {"2", GenOptionChoice::two},  {"3", GenOptionChoice::three}, {"4", GenOptionChoice::four},
    {"5", GenOptionChoice::five}, {"mix", GenOptionChoice::mix},
};

const std::map<std::string, GenDifficulty> difficulty_names{
    {"easiest", GenDifficulty::easiest}, {"very-easy", GenDifficulty::very_easy},
    {"easy", GenDifficulty::easy},       {"medium", GenDifficulty::medium},
    {"hard", GenDifficulty::hard},       {"very-hard", GenDifficulty::very_hard},
    {"hardest", GenDifficulty::hardest},
};

std::vector<std::string> names_of(const auto& table) {
    std::vector<std::string> names;
    for (const auto& entry : table) {
        names.push_back(entry.first);
    }
    return names;
}

// The dialog as the hidden "Generate" command opens it (20 cases, 30 items,
// seed 1804, mixed options, medium), then what the flags type over it.
void fill_dialog(Application& app, const GenerateFlags& flags) {
    app.start_fixed_generator();
    GenForm form = app.state().gen_form;
    if (flags.cases) {
        form.edit_num_cases = *flags.cases;
    }
    if (flags.items) {
        form.edit_num_items = *flags.items;
    }
    if (flags.seed) {
        form.edit_seed = *flags.seed;
    }
    if (!flags.options.empty()) {
        form.options = option_names.at(flags.options);
    }
    if (!flags.difficulty.empty()) {
        form.difficulty = difficulty_names.at(flags.difficulty);
    }
    form.gen_let = flags.letters;
    app.set_generator_form(form);
}

int run_generate(const GenerateFlags& flags, std::ostream& out, std::ostream& err) {
    Application app{WayBackToFirstLines::not_offered};
    fill_dialog(app, flags);
    if (auto refused = print_outcome(app.generate(), err, exit_usage)) {
        return *refused;
    }
    if (auto refused = print_outcome(app.save_input_file(flags.path), err)) {
        return *refused;
    }
    out << file_name_of(flags.path) << ": " << app.state().editor.title << '\n';
    return exit_ok;
}

}  // namespace

void add_generate_command(CLI::App& app, CommandContext& context) {
    auto flags = std::make_shared<GenerateFlags>();
    CLI::App* generate =
        app.add_subcommand("generate", "Write a simulated data set as an input file");
    generate->add_option("-o,--output", flags->path, "input file to write (.kor)")
        ->required()
        ->type_name("FILE");
    generate->add_option("--cases", flags->cases, "number of examinees, 1 to 9999 (default 20)")
        ->type_name("N");
    generate->add_option("--items", flags->items, "number of items, 1 to 100 (default 30)")
        ->type_name("N");
    generate->add_option("--seed", flags->seed, "seed of the random stream (default 1804)")
        ->type_name("S");
    generate->add_option("--options", flags->options, "options per item (default mix)")
        ->check(CLI::IsMember(names_of(option_names)));
    generate
        ->add_option("--difficulty", flags->difficulty, "difficulty of the exam (default medium)")
        ->check(CLI::IsMember(names_of(difficulty_names)));
    generate->add_flag("--letters", flags->letters,
                       "code answers as letters A, B, C ... instead of 1, 2, 3 ...");
    generate->callback(
        [flags, &context] { context.exit_code = run_generate(*flags, context.out, context.err); });
}

}  // namespace kor
