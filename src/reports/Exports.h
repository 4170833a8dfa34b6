#pragma once
// The main window's exports: the item statistics file, the comma-delimited
// 0/1 data file and the ALT files. Each puts the examinees into data order
// and the items into item-number order first. Writing throws FileError.

#include <string>
#include <vector>

#include "core/Outcome.h"

namespace kor {

struct ConvertMenu;
struct AnalysisState;

// File names from the main window's data set name; "UNSAVED" or no name
// gives the plain names (item_stats.txt, data_01.txt, alt).
std::string item_stats_file_name(const std::string& map_name);
std::string zero_one_file_name(const std::string& map_name);
std::string alt_base_name(const std::string& map_name);

inline constexpr const char* alt_data_extension = ".alt";
inline constexpr const char* alt_exceptions_extension = ".alx";

// Header and one line per included item, comma-delimited.
std::vector<std::string> item_stats_lines(const AnalysisState& state);
void save_item_stats(const AnalysisState& state, const std::string& path);

// "Examinee,Item01,...": the header of the 0/1 file.
std::string zero_one_header(int num_items);

// The two layouts of the comma-delimited 0/1 file: the main window's has the
// header and the examinee lines; the data editor's has a key line after the
// header, "Answer Key          " with the key code 1 for every item.
enum class ZeroOneLayout { main_window, data_editor };
inline constexpr const char* zero_one_key_label = "Answer Key          ";

// Loads the data, converts them to right-wrong codes and writes the file in
// `layout`, then converts back. When the load is refused nothing is written
// and its messages are returned.
Outcome save_zero_one_data(AnalysisState& state, ConvertMenu& menu, const std::string& path,
                           ZeroOneLayout layout = ZeroOneLayout::main_window);

// The ALT data file, and the exceptions file of items with alternative
// answers or a key of 9 (needed only when there are such items).
std::vector<std::string> alt_data_lines(const AnalysisState& state);
std::vector<std::string> alt_exceptions_lines(const AnalysisState& state);

// base + ".alt" and base + ".alx": the names the ALT files may take.
std::vector<std::string> alt_file_paths(const std::string& base);

// Writes base + ".alt" and, when needed, base + ".alx"; returns the paths written.
std::vector<std::string> save_alt_files(const AnalysisState& state, const std::string& base);

}  // namespace kor
