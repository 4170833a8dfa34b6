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
#include "core/VariablesUnit.h"
#include "core/data/InputFile.h"
#include "core/data/LegacyInput.h"
#include "core/data/Loader.h"
#include "core/data/TextImport.h"

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
Outcome import_testscore_file(ProgramState& state, const ImportFlags& flags) {
    const Outcome inserted = insert_text_file(state, flags.path);
    if (inserted.refused) {
        return inserted;
    }
    set_box(state.editor.txt_items, flags.items);
    return import_testscore_data(state);
}

Outcome read_source(ProgramState& state, const ImportFlags& flags) {
    if (const std::optional<InputLayout> layout = input_layout_named(flags.format)) {
        return read_input_file(state, flags.path, *layout);
    }
    Outcome outcome;
    if (flags.format == "text") {
        outcome = insert_text_file(state, flags.path);
    } else if (flags.format == "text-with-key") {
        outcome = insert_data_and_key_file(state, flags.path);
    } else {
        outcome = import_testscore_file(state, flags);
    }
    if (outcome.accepted()) {
        fill_from_flags(state, flags);
    }
    return outcome;
}

int run_import(const ImportFlags& flags, CommandContext& context) {
    if (!flags_fit_format(flags)) {
        context.err << "--items, --label-length, --examinees and --key apply to the text "
                       "formats only\n";
        return exit_usage;
    }
    // The file to import is the source, whatever its format, before it is read.
    if (auto refused = refuse_clashing_targets({flags.out_path}, flags.path, context.err)) {
        return *refused;
    }
    auto state = std::make_unique<ProgramState>();
    try {
        const Outcome read = read_source(*state, flags);
        print_messages(read, context.err);
        if (read.refused) {
            return exit_refused;
        }
        const EditorCloseResult closed = close_editor(*state, EditorExit::ok);
        print_messages(closed.outcome, context.err);
        if (closed.show_editor_again) {
            return exit_refused;
        }
        write_input_file(*state, flags.out_path);
    } catch (const FileError& error) {
        context.err << error.what() << '\n';
        return exit_refused;
    }
    print_written(flags.out_path, context.err);
    context.out << file_name_of(flags.out_path) << ": " << state->data.num_examinees
                << " examinees, " << state->data.num_items << " items\n";
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
