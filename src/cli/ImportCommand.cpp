// kor import FILE --format FORMAT -o OUT.kor: reads an older input file, a
// text file (with or without a key line) or the old scoring-office records
// as the data editor does, fills the boxes the editor would leave to the user
// from the flags, checks that the result loads and saves it as an input file.

#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "CliCommon.h"
#include "core/FileIO.h"
#include "core/data/EditorModel.h"
#include "core/data/LegacyInput.h"

namespace kor {

namespace {

struct ImportFlags {
    std::string path;
    std::string format;
    std::string out_path;
    std::optional<int> items;
    std::optional<int> label_length;
    std::optional<int> examinees;
    std::optional<std::string> key;
};

bool is_text_format(const std::string& format) {
    return format == "text" || format == "text-with-key" || format == "testscore";
}

// The box flags describe what a text file lacks; an input file has them all.
bool flags_fit_format(const ImportFlags& flags) {
    const bool any_box_flag = flags.items || flags.label_length || flags.examinees || flags.key;
    return is_text_format(flags.format) || !any_box_flag;
}

void set_box(std::string& box, const std::optional<int>& value) {
    if (value) {
        box = std::to_string(*value);
    }
}

// Without flags the counts are taken as the editor's commands would give
// them: the lines as examinees, the key's length as the item count.
void fill_from_flags(ProgramState& state, const ImportFlags& flags) {
    EditorTexts& editor = state.editor;
    if (flags.key) {
        editor.txt_answer_key = *flags.key;
    }
    if (flags.format == "text-with-key") {
        count_lines_as_examinees(state);
        if (!flags.items) {
            editor.txt_items = std::to_string(editor.txt_answer_key.size());
        }
    }
    if (flags.format != "testscore") {
        set_box(editor.txt_items, flags.items);
    }
    set_box(editor.txt_label_length, flags.label_length);
    set_box(editor.txt_cases, flags.examinees);
}

// The old records are pasted into the data window and then rebuilt, which
// needs the item count first.
Outcome import_testscore_file(Application& app, const ImportFlags& flags) {
    Outcome outcome = app.insert_text_file(flags.path, TextSource::text);
    if (outcome.accepted()) {
        set_box(app.state().editor.txt_items, flags.items);
        outcome.append(app.import_testscore_data());
    }
    return outcome;
}

Outcome read_source(Application& app, const ImportFlags& flags) {
    if (const std::optional<InputLayout> layout = input_layout_named(flags.format)) {
        return app.open_input_file(flags.path, *layout);
    }
    Outcome outcome;
    if (flags.format == "text") {
        outcome = app.insert_text_file(flags.path, TextSource::text);
    } else if (flags.format == "text-with-key") {
        outcome = app.insert_text_file(flags.path, TextSource::text_with_key);
    } else {
        outcome = import_testscore_file(app, flags);
    }
    if (outcome.accepted()) {
        fill_from_flags(app.state(), flags);
    }
    return outcome;
}

int run_import(const ImportFlags& flags, CommandContext& context) {
    if (!flags_fit_format(flags)) {
        context.err << "--items, --label-length, --examinees and --key apply to the text "
                       "formats only\n";
        return exit_usage;
    }
    Application app;
    // The file to import is the source, whatever its format, before it is read.
    if (auto refused = print_outcome(app.check_targets({flags.out_path}, flags.path), context.err)) {
        return *refused;
    }
    if (auto refused = print_outcome(read_source(app, flags), context.err)) {
        return *refused;
    }
    if (auto refused = close_and_load(app, context.err, EditorExit::ok)) {
        return *refused;
    }
    if (auto refused = print_outcome(app.save_input_file(flags.out_path), context.err)) {
        return *refused;
    }
    context.out << file_name_of(flags.out_path) << ": " << app.state().data.num_examinees << " examinees, "
                << app.state().data.num_items << " items\n";
    return exit_ok;
}

}  // namespace

void add_import_command(CLI::App& app, CommandContext& context) {
    auto flags = std::make_shared<ImportFlags>();
    CLI::App* command =
        app.add_subcommand("import",
                           "Read an older input file, a text file or old scoring-office records "
                           "and save them as an input file");
    command->add_option("FILE", flags->path, "the file to import")->required();
    command->add_option("--format", flags->format, "what the file holds")
        ->required()
        ->check(CLI::IsMember({"v3", "v4", "v5", "text", "text-with-key", "testscore"}));
    command->add_option("--items", flags->items, "number of items (text formats)");
    command->add_option("--label-length", flags->label_length,
                        "length of the examinee label (text formats)");
    command->add_option("--examinees", flags->examinees,
                        "number of examinees (text formats; default: the lines read)");
    command->add_option("--key", flags->key, "the answer key (text formats)");
    command->add_option("-o,--output", flags->out_path, "the input file to write")
        ->required()
        ->type_name("OUT.kor");
    command->callback([flags, &context] { context.exit_code = run_import(*flags, context); });
}

}  // namespace kor
