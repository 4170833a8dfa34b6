#include "reports/QuickExaminees.h"

#include <string_view>

#include "core/AnalysisState.h"
#include "core/Format.h"
#include "reports/QuickCommon.h"

namespace kor {

namespace {

std::string blanks(int count) {
    return std::string(at(count > 0 ? count : 0), ' ');
}

// --- headings -------------------------------------------------------------

std::vector<std::string> credit_title_lines(const ExamineeLayout& layout) {
    const bool letters = layout.bands == BandUnit::grade_letters;
    const std::string p = blanks(layout.label_length);
    std::string title;
    if (layout.credit == CreditLayout::partial_credit) {
        title = letters ? "       Both MC & PC Items          for Multiple Choice Items ONLY "
                        : "       Both MC & PC Items            for MC items ONLY    ";
    } else {
        title = letters ? "      Both MC & XC           for Multiple Choice Items ONLY "
                        : "      Both MC & XC           for MC items ONLY    ";
    }
    const std::string underline =
        letters ? " ^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^   ^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^"
                : " ^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^   ^^^^^^^^^^^^^^^^^^^^^^^ ";
    return {p + title, p + underline};
}

std::string first_heading(const ExamineeLayout& layout) {
    const bool letters = layout.bands == BandUnit::grade_letters;
    const std::string_view bands =
        letters ? "Ltr   ~68% C.I.    ~68% C.I.   ~68% C.I. " : "Ltr    ~68% C.I.     ~95% C.I. ";
    std::string_view scores;
    switch (layout.credit) {
        case CreditLayout::partial_credit:
            scores = "   MC  Part Total          ";
            break;
        case CreditLayout::extra_credit:
            scores = "   MC       Total          ";
            break;
        case CreditLayout::mc_only:
            scores = " Total          ";
            break;
    }
    return blanks(layout.label_length) + std::string(scores) + std::string(bands);
}

std::string second_heading(const ExamineeLayout& layout) {
    std::string_view scores;
    switch (layout.credit) {
        case CreditLayout::partial_credit:
            scores = " Items Cred Score Percent Grade";
            break;
        case CreditLayout::extra_credit:
            scores = " Items  XC  Score Percent Grade";
            break;
        case CreditLayout::mc_only:
            scores = " Score Percent Grade";
            break;
    }
    std::string_view bands;
    switch (layout.bands) {
        case BandUnit::none:
        case BandUnit::raw_scores:
            bands = "  (Raw Score)   (Raw Score)";
            break;
        case BandUnit::percentages:
            bands = "   (Percents)    (Percents)";
            break;
        case BandUnit::grade_letters:
            bands = " (Raw Score)   (Percents)  (Letters)";
            break;
    }
    // A label narrower than "ID" leaves the headings shifted against the columns.
    return "ID" + blanks(layout.label_length - 2) + std::string(scores) + std::string(bands);
}

std::string heading_rule(const ExamineeLayout& layout) {
    const bool letters = layout.bands == BandUnit::grade_letters;
    const std::string_view scores = layout.credit == CreditLayout::mc_only
                                        ? " ----- ------- -----"
                                        : " ----- ---- ----- ------- -----";
    const std::string_view bands =
        letters ? " ------------ ------------ ---------" : " ------------- -------------";
    return rule('-', layout.label_length) + std::string(scores) + std::string(bands);
}

// --- examinee columns -------------------------------------------------------

// A whole score: right-aligned in 5 for up to three digits.
std::string score_column(int value) {
    const std::string_view prefix = value <= 9 ? "    " : value <= 99 ? "   " : "  ";
    return std::string(prefix) + whole(value);
}

std::string percent_column(double value) {
    const std::string_view prefix = value > 99.99 ? "  " : value >= 10.0 ? "   " : "    ";
    return std::string(prefix) + fixed(value, 2) + "% ";
}

std::string points_column(double value) {
    const std::string_view prefix = value < 10.0 ? "    " : value < 100.0 ? "   " : "  ";
    return std::string(prefix) + fixed(value, 1);
}

std::string points_percent_column(double value) {
    const std::string_view prefix = value > 99.99 ? " " : value >= 10.0 ? "  " : "   ";
    return std::string(prefix) + fixed(value, 2) + "% ";
}

std::string grade_column(std::string_view grade, bool grading) {
    // An empty grade keeps the column's width.
    return grading ? " " + left(grade, 4) : blanks(5);
}

// The opening of a band: `lead`, then "(" one place further right for a
// value under 100 and a blank inside it for a value under 10.
std::string band_lower(double value, std::string_view lead) {
    std::string text(lead);
    text += value < 99.99 ? " (" : "(";
    text += value < 9.99 ? " " : "";
    return text + fixed(value, 1) + "-";
}

std::string band_upper(double value, double wide_from) {
    const std::string_view prefix = value < 9.99 ? "  " : value < wide_from ? " " : "";
    return std::string(prefix) + fixed(value, 1);
}

std::string range_bands(double lower1, double upper1, double lower2, double upper2,
                        double wide_from) {
    return band_lower(lower1, " ") + band_upper(upper1, wide_from) + ") " + band_lower(lower2, "") +
           band_upper(upper2, wide_from) + ") ";
}

std::string letter_bands(const Case_Record& r) {
    constexpr double wide_from = 100.0;
    return band_lower(r.Minus1sem, "") + band_upper(r.Plus1sem, wide_from) + ")" +
           band_lower(r.Minus1pc, "") + band_upper(r.Plus1pc, wide_from) + ")" + "  (" +
           r.Minus1grade + ", " + r.Plus1grade + ")";
}

std::string band_columns(const Case_Record& r, BandUnit unit) {
    switch (unit) {
        case BandUnit::none:
        case BandUnit::raw_scores:
            return range_bands(r.Minus1sem, r.Plus1sem, r.Minus2sem, r.Plus2sem, 99.99);
        case BandUnit::percentages:
            return range_bands(r.Minus1pc, r.Plus1pc, r.Minus2pc, r.Plus2pc, 100.0);
        case BandUnit::grade_letters:
            return letter_bands(r);
    }
    return {};
}

std::string grading_entries(const AnalysisSettings& settings, int first, int last) {
    std::string line;
    for (int c = first; c <= last && c < settings.num_grade_cats; ++c) {
        if (!line.empty()) {
            line += ", ";
        }
        line +=
            left(settings.grade_label[at(c)], 4) + "= " + settings.grade_min_percent_text[at(c)];
    }
    return line;
}

std::string equals_rule() {
    return rule('=', 74);
}

}  // namespace

ExamineeLayout examinee_layout(const AnalysisState& state) {
    const TTestData& data = state.data;
    const AnalysisSettings& settings = state.settings;
    ExamineeLayout layout;
    if (data.partial_credit_on) {
        layout.credit =
            data.pc_total_points > 0 ? CreditLayout::partial_credit : CreditLayout::extra_credit;
    }
    // After "No Grading Categories" no band unit is chosen: the bands stay in
    // raw scores, headings and columns alike.
    const BandUnit unit = band_unit_of(settings);
    layout.bands = unit == BandUnit::none ? BandUnit::raw_scores : unit;
    layout.label_length = data.label_length;
    layout.grading = settings.num_grade_cats != 0;
    return layout;
}

std::vector<std::string> examinee_headings(const ExamineeLayout& layout) {
    std::vector<std::string> lines;
    if (layout.credit != CreditLayout::mc_only) {
        lines = credit_title_lines(layout);
    }
    append(lines, {first_heading(layout), second_heading(layout), heading_rule(layout)});
    return lines;
}

std::string examinee_line(const Case_Record& record, const ExamineeLayout& layout) {
    std::string line = record.Name;
    if (layout.credit == CreditLayout::mc_only) {
        line += score_column(record.Score) + percent_column(record.Percent) +
                grade_column(record.Grade, layout.grading);
    } else {
        line += score_column(record.MC) + score_column(record.PC) + points_column(record.PC_Score) +
                points_percent_column(record.PC_Percent) +
                grade_column(record.PC_Grade, layout.grading);
    }
    return line + band_columns(record, layout.bands);
}

std::string examinee_sort_note(const AnalysisSettings& settings) {
    if (settings.sort_exam_label) {
        return "These results have been sorted by examinee ID label";
    }
    if (settings.sort_exam_score) {
        return "These results have been sorted by score";
    }
    return "These results have not been sorted (i.e., they are in Data Editor order)";
}

std::vector<std::string> grading_scale_lines(const AnalysisSettings& settings) {
    if (settings.num_grade_cats <= 0) {
        return {};
    }
    std::vector<std::string> lines{"Grading Scale:  " + grading_entries(settings, 1, 6)};
    if (settings.num_grade_cats > 7) {
        lines.push_back(blanks(16) + grading_entries(settings, 7, 12));
    }
    return lines;
}

std::vector<std::string> examinee_output(const AnalysisState& state) {
    const ExamineeLayout layout = examinee_layout(state);
    std::vector<std::string> lines = examinee_headings(layout);
    for (const int examinee : examinees_in_report_order(state.results, state.data.num_examinees)) {
        lines.push_back(examinee_line(state.results.examinee_records[at(examinee)], layout));
    }
    lines.push_back(equals_rule());
    lines.push_back(examinee_sort_note(state.settings));
    const std::vector<std::string> scale = grading_scale_lines(state.settings);
    if (!scale.empty()) {
        lines.push_back(equals_rule());
        append(lines, scale);
    }
    append(lines, {equals_rule(), ""});
    append(lines, score_summary_lines(state, PointsNote::same_line));
    return lines;
}

std::vector<std::string> quick_examinee_results(const AnalysisState& state) {
    std::vector<std::string> lines{""};
    append(lines, score_summary_lines(state, PointsNote::own_line));
    lines.push_back(rule('-', 38));
    lines.push_back(
        "Click the \"View Examinee Output\" button above to VIEW or SAVE or PRINT the detailed "
        "Examinee results or "
        "hit F5 on your keyboard (similarly for detailed Items and Options output, but FULL TEST "
        "does not include "
        "Options or Examinee).");
    return lines;
}

}  // namespace kor
