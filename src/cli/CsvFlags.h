#pragma once
// The flags that steer the reading of a spreadsheet (CSV) file, shared by
// `kor import --format csv` and `kor analyze FILE.csv`, and the step both
// take: read the file, print what was found, fill the editor's boxes.

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "app/Application.h"

namespace kor {

struct CsvFlags {
    std::string delimiter;  // comma, semicolon or tab
    std::string header;     // yes or no
    std::string items;
    std::string ids;
    std::string key_row;  // a row number or none
    std::string key_file;
    std::string key;
    std::string options;
    std::string short_rows;  // refuse or blank
    std::string version_column;
    std::string versions_map;
    std::string group_column;

    // Whether any flag was given, which makes a file a spreadsheet file.
    bool any() const;
};

// Adds the flags; `--items` and `--key` only when `with_items_and_key` (the
// import command has its own, shared with the text formats).
void add_csv_flags(CLI::App* command, CsvFlags& flags, bool with_items_and_key);

// Reads the spreadsheet file into the editor's boxes; the summary of what
// was found goes to `err`. Returns an exit code when a flag or the file is
// refused.
std::optional<int> import_csv(Application& app, const std::string& path, const CsvFlags& flags,
                              std::ostream& err);

// The files the import reads besides the data file (a key file, a versions map), which no
// output of the same command may replace.
std::vector<std::string> csv_sources(const CsvFlags& flags);

}  // namespace kor
