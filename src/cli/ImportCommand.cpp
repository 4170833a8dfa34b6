// kor import FILE --format FORMAT -o OUT.kor: reads an older input file, a
// text file (with or without a key line), the old scoring-office records or
// a spreadsheet (CSV) file as the data editor does, fills the boxes the
// editor would leave to the user from the flags, checks that the result
// loads and saves it as an input file.

#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "CliCommon.h"
#include "CsvFlags.h"
#include "app/forms/EditorModel.h"
#include "core/FileIO.h"
#include "core/TextUtil.h"
#include "core/data/LegacyInput.h"

namespace kor {

namespace {

struct ImportFlags {
    std::string path;
    std::string format;
    std::string out_path;
    std::string items;  // a count for the text formats, columns for a spreadsheet file
    std::optional<int> label_length;
    std::optional<int> examinees;
    std::optional<std::string> key;
    CsvFlags csv;  // the spreadsheet flags other than --items and --key
};

bool is_text_format(const std::string& format) {
    return format == "text" || format == "text-with-key" || format == "testscore";
}

// The box flags describe what a text file lacks; an input file has them all.
// A spreadsheet file takes its own flags, and --items and --key too.
std::optional<std::string> misplaced_flags(const ImportFlags& flags) {
    const bool csv = flags.format == "csv";
    if ((flags.label_length || flags.examinees) && !is_text_format(flags.format)) {
        return "--label-length and --examinees apply to the text formats only";
    }
    if ((!flags.items.empty() || flags.key) && !is_text_format(flags.format) && !csv) {
        return "--items and --key apply to the text formats and csv only";
    }
    if (flags.csv.any() && !csv) {
        return "--delimiter, --header, --id, --key-row, --key-file, --options and --short-rows "
               "apply to --format csv only";
    }
    return std::nullopt;
}

// --items of a text format: the number of items.
std::optional<std::optional<int>> item_count_flag(const ImportFlags& flags, std::ostream& err) {
    if (flags.items.empty() || flags.format == "csv") {
        return std::optional<int>();
    }
    const std::optional<int> items = parse_int(flags.items);
    if (!items) {
        err << "--items takes the number of items for the text formats, not \"" << flags.items
            << "\"\n";
        return std::nullopt;
    }
    return items;
}

void set_box(std::string& box, const std::optional<int>& value) {
    if (value) {
        box = std::to_string(*value);
    }
}

// Without flags the counts are taken as the editor's commands would give
// them: the lines as examinees, the key's length as the item count.
void fill_from_flags(Application& app, const ImportFlags& flags, const std::optional<int>& items) {
    if (flags.format == "text-with-key") {
        app.count_lines_as_examinees();
    }
    EditorTexts editor = app.state().editor;
    if (flags.key) {
        editor.answer_key = *flags.key;
    }
    if (flags.format == "text-with-key" && !items) {
        editor.items = std::to_string(editor.answer_key.size());
    }
    if (flags.format != "testscore") {
        set_box(editor.items, items);
    }
    set_box(editor.label_length, flags.label_length);
    set_box(editor.cases, flags.examinees);
    app.set_editor_texts(editor);
}

// The old records are pasted into the data window and then rebuilt, which
// needs the item count first.
Outcome import_testscore_file(Application& app, const ImportFlags& flags,
                              const std::optional<int>& items) {
    Outcome outcome = app.insert_text_file(flags.path, TextSource::text);
    if (outcome.accepted()) {
        EditorTexts editor = app.state().editor;
        set_box(editor.items, items);
        app.set_editor_texts(editor);
        outcome.append(app.import_testscore_data());
    }
    return outcome;
}

Outcome read_source(Application& app, const ImportFlags& flags, const std::optional<int>& items) {
    if (const std::optional<InputLayout> layout = input_layout_named(flags.format)) {
        return app.open_input_file(flags.path, *layout);
    }
    Outcome outcome;
    if (flags.format == "text") {
        outcome = app.insert_text_file(flags.path, TextSource::text);
    } else if (flags.format == "text-with-key") {
        outcome = app.insert_text_file(flags.path, TextSource::text_with_key);
    } else {
        outcome = import_testscore_file(app, flags, items);
    }
    if (outcome.accepted()) {
        fill_from_flags(app, flags, items);
    }
    return outcome;
}

// A spreadsheet file with --items and --key, which the text formats share.
std::optional<int> read_csv_source(Application& app, const ImportFlags& flags, std::ostream& err) {
    CsvFlags csv = flags.csv;
    csv.items = flags.items;
    csv.key = flags.key.value_or("");
    return import_csv(app, flags.path, csv, err);
}

int run_import(const ImportFlags& flags, CommandContext& context) {
    if (const auto misplaced = misplaced_flags(flags)) {
        context.err << *misplaced << '\n';
        return exit_usage;
    }
    const std::optional<std::optional<int>> items = item_count_flag(flags, context.err);
    if (!items) {
        return exit_usage;
    }
    Application app{WayBackToFirstLines::not_offered};
    // The files to import are the sources, whatever their format, before they are read.
    for (const std::string& source : csv_sources(flags.csv)) {
        if (auto refused =
                print_outcome(app.check_targets({flags.out_path}, source), context.err)) {
            return *refused;
        }
    }
    if (auto refused =
            print_outcome(app.check_targets({flags.out_path}, flags.path), context.err)) {
        return *refused;
    }
    if (flags.format == "csv") {
        if (auto refused = read_csv_source(app, flags, context.err)) {
            return *refused;
        }
    } else if (auto refused = print_outcome(read_source(app, flags, *items), context.err)) {
        return *refused;
    }
    if (auto refused = close_and_load(app, context.err, EditorExit::ok)) {
        return *refused;
    }
    if (auto refused = print_outcome(app.save_input_file(flags.out_path), context.err)) {
        return *refused;
    }
    context.out << file_name_of(flags.out_path) << ": " << app.state().data.num_examinees
                << " examinees, " << app.state().data.num_items << " items\n";
    return exit_ok;
}

}  // namespace

void add_import_command(CLI::App& app, CommandContext& context) {
    auto flags = std::make_shared<ImportFlags>();
    CLI::App* command =
        app.add_subcommand("import",
                           "Read an older input file, a text file, old scoring-office records or a "
                           "spreadsheet (CSV) file and save them as an input file");
    command->add_option("FILE", flags->path, "the file to import")->required();
    command->add_option("--format", flags->format, "what the file holds")
        ->required()
        ->check(CLI::IsMember({"v3", "v4", "v5", "text", "text-with-key", "testscore", "csv"}));
    command
        ->add_option("--items", flags->items,
                     "number of items (text formats); item columns (csv: 4-43 or Q1..Q40)")
        ->type_name("N|COLUMNS");
    command->add_option("--label-length", flags->label_length,
                        "length of the examinee label (text formats)");
    command->add_option("--examinees", flags->examinees,
                        "number of examinees (text formats; default: the lines read)");
    command->add_option("--key", flags->key, "the answer key (text formats and csv)");
    add_csv_flags(command, flags->csv, false);
    command->add_option("-o,--output", flags->out_path, "the input file to write")
        ->required()
        ->type_name("OUT.kor");
    command->callback([flags, &context] { context.exit_code = run_import(*flags, context); });
}

}  // namespace kor
