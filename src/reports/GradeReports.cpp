#include "reports/GradeReports.h"

#include <algorithm>

#include "core/AnalysisState.h"
#include "core/FileIO.h"
#include "core/Format.h"
#include "core/analysis/Scoring.h"
#include "core/data/Codes.h"
#include "core/data/Conversions.h"
#include "reports/QuickCommon.h"
#include "reports/QuickExaminees.h"
#include "reports/ResultsFiles.h"

namespace kor {

namespace {

enum class Form { view, file };

// Items harder than this carry the "#" marker in the printed reports.
constexpr double hard_item_difficulty = 0.30;
constexpr int entries_per_list_line = 10;
constexpr int wrong_answers_per_line = 6;
constexpr int items_per_column = 50;
// The instructor list's first page holds its header and the lists up to the
// correct answers' banner before the counted lines begin.
constexpr int first_page_lines = 17;
constexpr int later_page_lines = 4;
constexpr int examinee_banner_lines = 3;

const char* const code_legend = "1=Aa1, 2=Bb2, 3=Cc3, 4=Dd4, 5=Ee5, 9=Missing, X=Excluded Item";
const char* const column_separator = "    |   ";

std::string number2(int j) {
    return right(whole(j), 2);
}

std::uint8_t key_of(const TTestData& data, int j) {
    return data.item_key[at(j)];
}

// Wrong answers are judged without the include condition: an excluded item
// still shows the examinee's wrong answer.
bool answered_wrong(const TTestData& data, int examinee, int j) {
    return right_wrong_code(data, examinee, j) == 0;
}

bool has_alternatives(const TTestData& data, int j) {
    const char c = at(j - 1) < data.include_text.size() ? data.include_text[at(j - 1)] : ' ';
    return c == 'A' || c == 'a';
}

std::string item_marker(const AnalysisState& state, int j, Form form) {
    const TTestData& data = state.data;
    if (has_alternatives(data, j) || key_of(data, j) == missing_code) {
        return "* ";
    }
    if (data.item_include[at(j)] == include_excluded) {
        return "& ";
    }
    // The printed legend promises "#" for hard items, so the file form keeps that promise.
    if (form == Form::file && state.results.item_records[at(j)].Diff < hard_item_difficulty) {
        return "# ";
    }
    return "  ";
}

bool extra_credit(const TTestData& data) {
    return data.partial_credit_on && data.pc_total_points == 0;
}

// Entries joined `per_line` to a line.
std::vector<std::string> entry_lines(const std::vector<std::string>& entries, int per_line) {
    std::vector<std::string> lines;
    for (std::size_t e = 0; e < entries.size(); ++e) {
        if (e % at(per_line) == 0) {
            lines.emplace_back();
        }
        lines.back() += entries[e];
    }
    return lines;
}

std::vector<std::string> banner(const std::string& text) {
    const std::string bar = "  " + rule('=', static_cast<int>(text.size()));
    return {bar, "  " + text, bar};
}

// --- the instructor list ---

struct ListPart {
    std::vector<std::string> lines;
    int counted = 0;  // lines that count towards the page
};

ListPart grading_scale_part(const AnalysisState& state) {
    ListPart part{banner("GRADING SCALE (in Percentages):"), 0};
    part.lines.emplace_back();
    for (const std::string& line : grading_scale_lines(state.settings)) {
        part.lines.push_back("  " + line);
    }
    part.lines.emplace_back();
    return part;
}

// A banner and its entries ten to a line; the file form leaves an empty line after them.
ListPart listed_part(const std::string& title, const std::vector<std::string>& entries, Form form) {
    ListPart part{banner(title), 0};
    const std::vector<std::string> rows = entry_lines(entries, entries_per_list_line);
    append(part.lines, rows);
    part.counted = static_cast<int>(rows.size());
    if (form == Form::file) {
        part.lines.emplace_back();
    }
    return part;
}

ListPart correct_answers_part(const TTestData& data, Form form) {
    std::vector<std::string> entries;
    for (int j = 1; j <= data.num_items; ++j) {
        entries.push_back("  #" + number2(j) + "-" + code_digit(key_of(data, j)));
    }
    return listed_part("CORRECT ANSWERS (Item#-Key):", entries, form);
}

ListPart excluded_items_part(const TTestData& data, Form form) {
    std::vector<std::string> entries;
    for (int j = 1; j <= data.num_items; ++j) {
        if (data.item_include[at(j)] == include_excluded) {
            entries.push_back("  #" + number2(j));
        }
    }
    if (entries.empty()) {
        return {};
    }
    ListPart part = listed_part("ITEMS EXCLUDED FROM ANALYSIS:", entries, form);
    part.lines.insert(part.lines.begin(), "");
    return part;
}

ListPart alternative_answers_part(const AnalysisState& state, Form form) {
    const TTestData& data = state.data;
    if (data.num_alt_or_all_correct_items <= 0) {
        return {};
    }
    const std::string label = form == Form::file ? ", Correct Answers: " : "   Correct Answers: ";
    ListPart part{banner("ALTERNATIVE CORRECT ANSWERS:"), 0};
    for (const AltAnswerRow& row : state.alt_table.rows) {
        std::string line = "  Item #" + right(row.cells[0], 2) + label;
        for (std::size_t c = 2; c < row.cells.size(); ++c) {
            line += row.cells[c].empty() ? "  " : row.cells[c] + " ";
        }
        part.lines.push_back(line);
    }
    for (int j = 1; j <= data.num_items; ++j) {
        if (key_of(data, j) == missing_code) {
            part.lines.push_back("  Item #" + number2(j) + label + "ALL");
        }
    }
    part.counted = static_cast<int>(part.lines.size()) - 3;
    return part;
}

std::vector<std::string> examinee_banner(const TTestData& data) {
    return {"", rule('*', 72),
            "EXAMINEE ANALYSIS--ONLY MULTIPLE CHOICE (total out of " +
                whole(data.num_included_items) + " included items)",
            rule('*', 72)};
}

std::string list_score(const TTestData& data, const Case_Record& r) {
    if (data.partial_credit_on) {
        return (r.PC_Score < 10 ? " " : "") + fixed(r.PC_Score, 0) +
               (r.PC_Percent >= 10 ? "=" : "= ") + fixed(r.PC_Percent, 1) + "%";
    }
    return (r.Score <= 9 ? " " : "") + whole(r.Score) + (r.Percent >= 10 ? "=" : "= ") +
           fixed(r.Percent, 1) + "%";
}

// The examinee's list block: an empty line, then the label, the score and
// the wrong answers six to a line, continuation lines indented under the
// first wrong answer's column.
std::vector<std::string> examinee_list_block(const TTestData& data, const Case_Record& r) {
    std::vector<std::string> entries;
    for (int j = 1; j <= data.num_items; ++j) {
        if (answered_wrong(data, r.IDnum, j)) {
            entries.push_back("  #" + number2(j) + "-" + code_digit(data.responses(r.IDnum, j)));
        }
    }
    if (data.partial_credit_on) {
        entries.push_back((extra_credit(data) ? "  XC=" : "  PC=") + whole(r.PC));
    }
    std::vector<std::string> rows = entry_lines(entries, wrong_answers_per_line);
    const std::string head = r.Name + "  " + list_score(data, r);
    if (rows.empty()) {
        rows.push_back(head);
    } else {
        rows[0] = head + rows[0];
        for (std::size_t k = 1; k < rows.size(); ++k) {
            rows[k] = rule(' ', data.label_length + 10) + rows[k];
        }
    }
    rows.insert(rows.begin(), "");
    return rows;
}

std::vector<std::string> later_page_header(const TTestData& data, int page) {
    return {"\f", data.test_title, rule('~', 60),
            "Instructor List of Scores and Wrong Answers (page " + whole(page) + ")",
            rule('~', 60)};
}

std::vector<std::string> first_page_header(const TTestData& data, Form form) {
    const int width = form == Form::file ? 61 : 72;
    const std::string heading = form == Form::file
                                    ? "Instructor List of Scores and Wrong Answers (page 1)"
                                    : "Instructor List of Scores and Wrong Answers (scroll for "
                                      "student reports)";
    return {data.test_title, rule('~', width), heading, rule('~', width),
            code_legend,     rule('~', width), ""};
}

void add_part(std::vector<std::string>& lines, int& counter, const ListPart& part) {
    append(lines, part.lines);
    counter += part.counted;
}

std::vector<std::string> instructor_list(const AnalysisState& state, Form form) {
    const TTestData& data = state.data;
    std::vector<std::string> lines = first_page_header(data, form);
    int counter = first_page_lines;
    add_part(lines, counter, grading_scale_part(state));
    add_part(lines, counter, correct_answers_part(data, form));
    add_part(lines, counter, excluded_items_part(data, form));
    add_part(lines, counter, alternative_answers_part(state, form));
    append(lines, examinee_banner(data));
    counter += examinee_banner_lines;
    int page = 1;
    for (int p = 1; p <= data.num_examinees; ++p) {
        const std::vector<std::string> block =
            examinee_list_block(data, state.results.examinee_records[at(p)]);
        append(lines, block);
        counter += static_cast<int>(block.size());
        // A full page starts a new one only when an examinee is left for it.
        if (form == Form::file && counter > grade_list_page_lines && p < data.num_examinees) {
            append(lines, later_page_header(data, ++page));
            counter = later_page_lines;
        }
    }
    return lines;
}

// --- the individual report ---

std::string grade_part(const AnalysisState& state, std::string_view grade) {
    if (!state.settings.print_grades_on_reports || state.settings.num_grade_cats <= 0) {
        return "";
    }
    return std::string("(Grade = ").append(grade).append(")");
}

std::string score_line(const AnalysisState& state, const Case_Record& r) {
    const TTestData& data = state.data;
    if (data.partial_credit_on) {
        return "Total Points= " + fixed(r.PC_Score, 1) + "= " + whole(r.MC) + "*" +
               fixed(data.mc_item_points, 1) + " MC + " + whole(r.PC) +
               (extra_credit(data) ? " XC " : " PC ") +
               grade_part(state, fixed(r.PC_Percent, 2) + "% = " + r.PC_Grade);
    }
    return "Total Items Correct = " + whole(r.Score) + " (" + fixed(r.Percent, 2) + "%) " +
           grade_part(state, r.Grade);
}

std::string class_line(const AnalysisState& state) {
    const bool points = state.data.partial_credit_on;
    const ScoreStatistics& s = points ? state.results.pc_score : state.results.score;
    const double possible = points ? state.results.total_possible : state.data.num_included_items;
    return "Possible=" + fixed(possible, 1) + ", Mean=" + fixed(s.mean, 1) +
           ", SD=" + fixed(s.sd, 1) + ", Min=" + fixed(s.min, 1) + ", Mdn=" + fixed(s.median, 1) +
           ", Max=" + fixed(s.max, 1);
}

std::vector<std::string> table_headings(bool two_columns, Form form) {
    if (form == Form::file) {
        if (two_columns) {
            return {"Item     Your    Correct   |   Item     Your    Correct ",
                    "Number Response  Answer    |   Number Response  Answer  "};
        }
        return {"Item     Your    Correct   ", "Number Response  Answer    "};
    }
    if (two_columns) {
        return {"Item     Your    Correct   |   Item     Your    Correct ",
                "Number Response  Answer    |   Number Response  Answer  ",
                "------ -------- --------   |   ------ -------- -------- "};
    }
    return {"Item     Your    Correct", "Number Response  Answer ", "------ -------- --------"};
}

// One item of the table: number, the response and, when wrong, the key,
// then the item's marker. A right answer on an item keyed 9 shows no marker.
std::string table_entry(const AnalysisState& state, int examinee, int j, Form form,
                        bool left_of_two) {
    const TTestData& data = state.data;
    const std::uint8_t code = data.responses(examinee, j);
    const char key = code_digit(key_of(data, j));
    const bool wrong = answered_wrong(data, examinee, j);
    const bool missing = code == missing_code;
    const bool file = form == Form::file;
    std::string entry = right(whole(j), file ? 4 : 3) + "  ";
    std::string marker = item_marker(state, j, form);
    if (wrong && missing) {
        entry += file ? "  Missing " + right(std::string(1, key), 5)
                      : "   Missing     " + std::string(1, key);
    } else if (wrong) {
        entry +=
            file ? right(std::string(1, code_digit(code)), 6) + "-" + right(std::string(1, key), 8)
                 : rule(' ', 6) + code_digit(code) + "-       " + key;
    } else if (missing) {
        entry += (file ? "  Missing " : "   Missing ") + rule(' ', 5);
        marker = "  ";
    } else {
        entry +=
            (file ? right(std::string(1, code_digit(code)), 6) : rule(' ', 6) + code_digit(code)) +
            rule(' ', 9);
    }
    return entry + marker + (left_of_two ? column_separator : "");
}

std::vector<std::string> item_table(const AnalysisState& state, int examinee, Form form) {
    const int k = state.data.num_items;
    const bool two_columns = k > items_per_column;
    std::vector<std::string> lines = table_headings(two_columns, form);
    for (int r = 1; r <= std::min(k, items_per_column); ++r) {
        const bool pair = r + items_per_column <= k;
        std::string row = table_entry(state, examinee, r, form, pair);
        if (pair) {
            row += table_entry(state, examinee, r + items_per_column, form, false);
        }
        lines.push_back(row);
    }
    return lines;
}

std::vector<std::string> report_closing(Form form) {
    if (form == Form::file) {
        return {rule('*', 73),
                "# means p<.30, - means wrong, * means >1 correct option, & means excluded"};
    }
    return {rule('*', 65), "-: student response marked incorrect (even after any adjustments) ",
            "*: multiple options counted correct, &: items excluded from total"};
}

std::vector<std::string> individual_report(const AnalysisState& state, const Case_Record& r,
                                           Form form) {
    std::vector<std::string> lines{
        state.data.test_title, rule('~', 62),        "Individual Grade Report for: " + r.Name,
        rule('~', 62),         score_line(state, r), rule('*', 62),
        class_line(state),     rule('*', 62)};
    append(lines, item_table(state, r.IDnum, form));
    append(lines, report_closing(form));
    return lines;
}

}  // namespace

GradeReport grade_report_view(const AnalysisState& state) {
    GradeReport report;
    if (state.data.num_examinees > grade_view_max_examinees) {
        report.outcome.refuse(
            "Number of Cases must 200 or less to View Grade Reports (it takes too long to view "
            "more)");
        return report;
    }
    report.lines = instructor_list(state, Form::view);
    for (int p = 1; p <= state.data.num_examinees; ++p) {
        report.lines.emplace_back("\f");
        append(report.lines,
               individual_report(state, state.results.examinee_records[at(p)], Form::view));
    }
    return report;
}

GradeReport grade_report_file(const AnalysisState& state) {
    GradeReport report;
    if (state.data.num_examinees > grade_save_max_examinees) {
        report.outcome.refuse(
            "Number of Cases must be 500 or less to Save Individual Examinee Grade Reports");
        return report;
    }
    report.lines = file_preface_lines();
    report.lines.emplace_back("\f");
    append(report.lines, instructor_list(state, Form::file));
    for (int p = 1; p <= state.data.num_examinees; ++p) {
        report.lines.emplace_back("\f");
        append(report.lines,
               individual_report(state, state.results.examinee_records[at(p)], Form::file));
    }
    return report;
}

Outcome save_grade_reports(const AnalysisState& state, const std::string& path) {
    GradeReport report = grade_report_file(state);
    if (report.outcome.accepted()) {
        write_lines_atomic(path, report.lines);
    }
    return report.outcome;
}

std::string grade_report_file_name(const AnalysisState& state) {
    const std::string name = shown_data_set_name(state);
    return name.empty() || name == unsaved_name ? "Grade_Report" : name;
}

}  // namespace kor
