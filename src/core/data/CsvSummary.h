#pragma once
// The summary of a spreadsheet import that is shown before the data are
// used: every choice, given or detected, the counts of the cells read as
// missing, and the warnings; in letters where the answers are letters.

#include <string>
#include <vector>

#include "core/data/CsvImport.h"

namespace kor::csv {

// A key written in option numbers, as letters ("3" is "C"); letters stay.
std::string key_in_letters(const std::string& key);

// The items' options as letter ranges, neighbours alike joined: "A-D for
// items 1-40", "T/F for item 3".
std::string options_in_letters(const CsvMapping& m);

// The summary's lines, the key and the options in letters when `in_letters`.
std::vector<std::string> summary_lines(const CsvMapping& m, const CsvTable& table, bool in_letters);

}  // namespace kor::csv
