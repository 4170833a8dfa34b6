#pragma once
// The data editor's exchange of plain text with other programs: inserting a
// text file into the data window (with or without a key line), saving the
// data lines alone, the comma-delimited raw export, the two-line records of
// a university test-scoring office's old system, and the help window on the
// text format with its sample SPSS syntax.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/Outcome.h"

namespace kor {

struct AnalysisState;

// The file dialogs of these commands.
inline constexpr const char* text_open_filter =
    "Text files (*.txt,*.out,*.dat,*.csv)|*.txt;*.out;*.dat;*.csv|All Files (*.*)|*.*";
inline constexpr const char* text_save_filter =
    "Text files (*.txt,*.dat,*.out,*.csv)|*.txt;*.dat;*.out;*.csv|All Files (*.*)|*.*";
inline constexpr const char* text_save_extension = "txt";
inline constexpr const char* comma_delimited_filter = "TXT files (*.txt)|*.txt";

// A text file to insert is read whole; none of a usable size comes near this.
inline constexpr std::size_t text_file_max_bytes = 16u * 1024u * 1024u;

// Both inserts read `contents` as single-byte text (single_byte_text: a
// UTF-8 file is converted, its byte-order mark dropped). A character the
// program cannot store refuses the insert, and nothing changes.

// "&Insert Text File into Data Window": the data window becomes the lines of
// the text, empty ones included (an empty file gives one empty line), and
// the examinee box their number.
Outcome insert_text(AnalysisState& state, const std::string& path, std::string_view contents);

// "Insert Data && Answer Key from Text File": the key box takes the first
// line from its first digit on (nothing when it has no digit), the data
// window the other lines (at least one). The examinee box is left alone.
Outcome insert_data_and_key_text(AnalysisState& state, const std::string& path,
                                 std::string_view contents);

// The same two commands reading the file at `path`. Throw FileError.
Outcome insert_text_file(AnalysisState& state, const std::string& path);
Outcome insert_data_and_key_file(AnalysisState& state, const std::string& path);

// "&Save Data Only to Text File": every line of the data window. Throws FileError.
void save_data_only(const AnalysisState& state, const std::string& path);

// The name the raw export proposes: the data set name + "_raw_data", or
// "data_raw" when there is none.
std::string raw_data_file_name(const std::string& map_name);

// "Save Comma-Delimited Raw Data": the header, the key codes and one line per
// examinee with the response codes, as the last load left them.
std::vector<std::string> raw_data_lines(const AnalysisState& state);
void save_raw_data(const AnalysisState& state, const std::string& path);  // throws FileError

// "Import VZ Testscore Data (old system)": rebuilds the data window's two-line
// records of the old system as key and data lines with a 43-column label.
// Refused when the item box holds no count from 1 to 100.
inline constexpr int testscore_label_length = 43;
Outcome import_testscore_data(AnalysisState& state);

// "How To Import VZ Testscore Data".
std::string testscore_howto_message();

// The text-insert help window (`TSPSSform`); every text is read-only.
struct SpssHelpTexts {
    std::string caption;
    std::vector<std::string> rules;  // the rules text, one entry per line
    std::string sample_intro;
    std::vector<std::string> sample_lines;
    std::string syntax_heading;
    std::vector<std::string> syntax_lines;
    std::string print_button;
    std::string save_button;
    std::string print_title;  // the printed document's title
};
const SpssHelpTexts& spss_help_texts();

inline constexpr const char* spss_syntax_file_name = "spss2kor.SPS";
inline constexpr const char* spss_syntax_filter = "SPS files (*.sps)|*.sps";

// "Save this SPSS Syntax": the syntax lines, each ended by CR LF. Throws FileError.
void save_spss_syntax(const std::string& path);

}  // namespace kor
