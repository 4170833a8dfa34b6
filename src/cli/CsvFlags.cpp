#include "CsvFlags.h"

#include <ostream>

#include "CliCommon.h"
#include "core/TextUtil.h"

namespace kor {

namespace {

char delimiter_named(const std::string& name) {
    if (name == "semicolon") {
        return ';';
    }
    return name == "tab" ? '\t' : ',';
}

// The flags as the choices of the import; a key row that is neither a row
// number nor "none" is wrong usage.
std::optional<CsvOptions> options_of(const CsvFlags& flags, std::ostream& err) {
    CsvOptions options;
    if (!flags.delimiter.empty()) {
        options.delimiter = delimiter_named(flags.delimiter);
    }
    if (!flags.header.empty()) {
        options.header = flags.header == "yes";
    }
    options.items = flags.items;
    options.ids = flags.ids;
    if (flags.key_row == "none") {
        options.no_key_row = true;
    } else if (!flags.key_row.empty()) {
        const std::optional<int> row = parse_int(flags.key_row);
        if (!row || *row < 1) {
            err << "--key-row takes a row number (the header row is row 1) or none\n";
            return std::nullopt;
        }
        options.key_row = *row;
    }
    options.key = flags.key;
    options.options = flags.options;
    options.version_column = flags.version_column;
    options.group_column = flags.group_column;
    if (flags.short_rows == "blank") {
        options.short_rows = CsvShortRows::blank;
    }
    return options;
}

}  // namespace

bool CsvFlags::any() const {
    return !delimiter.empty() || !header.empty() || !items.empty() || !ids.empty() ||
           !key_row.empty() || !key_file.empty() || !key.empty() || !options.empty() ||
           !short_rows.empty() || !version_column.empty() || !versions_map.empty() ||
           !group_column.empty();
}

void add_csv_flags(CLI::App* command, CsvFlags& flags, bool with_items_and_key) {
    command
        ->add_option("--delimiter", flags.delimiter, "CSV: the cell delimiter (default: detected)")
        ->check(CLI::IsMember({"comma", "semicolon", "tab"}));
    command
        ->add_option("--header", flags.header,
                     "CSV: whether row 1 names the columns (default: detected)")
        ->check(CLI::IsMember({"yes", "no"}));
    if (with_items_and_key) {
        command
            ->add_option("--items", flags.items,
                         "CSV: the item columns, by number (4-43) or header name (Q1..Q40)")
            ->type_name("COLUMNS");
        command->add_option("--key", flags.key, "CSV: the answer key, one character per item")
            ->type_name("ANSWERS");
    }
    command
        ->add_option("--id", flags.ids,
                     "CSV: the id columns, by number or header name, comma-separated")
        ->type_name("COLUMNS");
    command->add_option("--key-row", flags.key_row, "CSV: the row that holds the key, or none")
        ->type_name("N|none");
    command
        ->add_option("--key-file", flags.key_file,
                     "CSV: a file with one row or one column of answers")
        ->type_name("FILE");
    command
        ->add_option("--options", flags.options,
                     "CSV: options of every item (4) or of each item (4453...)")
        ->type_name("DIGITS");
    command
        ->add_option("--short-rows", flags.short_rows,
                     "CSV: rows with fewer cells than the others: refuse (default) or fill with "
                     "blanks")
        ->check(CLI::IsMember({"refuse", "blank"}));
    command
        ->add_option("--version-column", flags.version_column,
                     "CSV: the column naming each student's exam version, by number or header name")
        ->type_name("COLUMN");
    command
        ->add_option("--versions", flags.versions_map,
                     "CSV: the map of every version's questions (and options) to the master order")
        ->type_name("FILE");
    command
        ->add_option("--group-column", flags.group_column,
                     "CSV: the column naming each student's group (a section), by number or "
                     "header name")
        ->type_name("COLUMN");
}

std::optional<int> import_csv(Application& app, const std::string& path, const CsvFlags& flags,
                              std::ostream& err) {
    const std::optional<CsvOptions> options = options_of(flags, err);
    if (!options) {
        return exit_usage;
    }
    const CsvPlan plan = app.import_csv(path, *options, {flags.key_file, flags.versions_map});
    if (plan.mapping) {
        for (const std::string& line : csv_summary(*plan.mapping, plan.table)) {
            err << line << '\n';
        }
    }
    return print_outcome(plan.outcome, err);
}

std::vector<std::string> csv_sources(const CsvFlags& flags) {
    std::vector<std::string> sources;
    for (const std::string* path : {&flags.key_file, &flags.versions_map}) {
        if (!path->empty()) {
            sources.push_back(*path);
        }
    }
    return sources;
}

}  // namespace kor
