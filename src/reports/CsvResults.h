#pragma once
// The results as comma-separated files for a spreadsheet or a gradebook: one
// row per examinee with the scores, grade and confidence bands, and one row
// per item and option with the options analysis. Each file starts with a
// header row; cells holding a comma, a quote or blanks at either end are
// quoted. The lines are returned as UTF-8 text.

#include <string>
#include <string_view>
#include <vector>

#include "core/data/TestData.h"

namespace kor {

struct AnalysisState;
struct TTestData;

// The option columns an item's results list: its own options within the
// eight counted; RIGHT and WRONG for right-wrong data.
int option_columns(const TTestData& data, int item);

// The whole id and name of the examinee with the label (trailing blanks do
// not count): from the data set's table of shortened ids, else the label
// itself and no name.
FullId full_id_of(const TTestData& data, std::string_view label);

// The exam version the examinee with the label wrote: what the data set's
// version label columns hold; empty when they hold nothing or the data set
// has no version label.
std::string version_of(const TTestData& data, const std::string& label);

// The group (a section, a campus) of the examinee with the label, read as
// the version is from the data set's group label columns.
std::string group_of(const TTestData& data, const std::string& label);

// One cell: quoted when it holds a comma, a quote, a line break or blanks at
// either end, with its quotes doubled.
std::string csv_cell(std::string_view text);

// A cell of text from the data (an id, a grade). A spreadsheet would run a
// text starting with "=", "+", "-" or "@" as a formula, so such a text is
// kept as text by a leading apostrophe.
std::string csv_text_cell(std::string_view text);

// The cells joined by commas.
std::string csv_row(const std::vector<std::string>& cells);

// "id,score,percent,points,points_percent,grade,band68_low,band68_high,
// band95_low,band95_high", then one row per examinee in data order. Points
// are the partial-credit points when partial credit is on, otherwise the
// score; the bands are in raw scores. When the labels are shortened ids, the
// id is the whole id and two columns follow: "label" and "name". When the
// data set has a version label, a column "version" holds each examinee's
// version, and with a group label a last column "group" its group. The
// bands take the error the settings choose for the bands (the one SEM, or
// the conditional one at the examinee's score).
std::vector<std::string> scores_csv_lines(const AnalysisState& state);

// "item,option,key,count,proportion,high,low,pbis", then for every included
// item in item-number order one row per option (A, B, ...; RIGHT and WRONG
// for right-wrong data) and one row "omitted" for the answers left out. A
// point-biserial that cannot be computed is an empty cell.
std::vector<std::string> options_csv_lines(const AnalysisState& state);

// "item,difficulty,pbis,n,skipped,not_reached", then one row per included
// item in item-number order: the difficulty and point-biserial over the n
// examinees they are taken over (every examinee, or with answers not reached
// left out those who reached the item), and the answers left out, skipped
// and not reached. A figure that cannot be computed is an empty cell.
std::vector<std::string> items_csv_lines(const AnalysisState& state);

// "id,skipped,not_reached,last_answered", then one row per examinee in data
// order: the id as in the scores file, the answers left out of the included
// items, skipped and not reached, and the number of the last item answered
// (0 for none).
std::vector<std::string> missing_answers_csv_lines(const AnalysisState& state);

}  // namespace kor
