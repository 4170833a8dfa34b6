#include "core/analysis/Grades.h"

#include <algorithm>
#include <cmath>

#include "core/AnalysisState.h"
#include "core/TextUtil.h"

namespace kor {

namespace {

GradeLabel band_label(const AnalysisSettings& settings, double percent) {
    if (settings.num_grade_cats == 0) {
        return {};
    }
    return cut(settings.grade_label[at(grade_category(settings, percent))], 2);
}

}  // namespace

int grade_category(const AnalysisSettings& settings, double v) {
    for (int c = 1; c <= max_grade_categories - 1; ++c) {
        if (settings.grade_min_percent[at(c)] <= v) {
            return c;
        }
    }
    return max_grade_categories;
}

void assign_grades(AnalysisState& state) {
    const AnalysisSettings& settings = state.settings;
    AnalysisResults& results = state.results;
    results.grade_count.fill(0);
    const bool points = state.data.partial_credit_on;
    for (int i = 1; i <= state.data.num_examinees; ++i) {
        Case_Record& record = results.examinee_records[at(i)];
        GradeLabel& grade = points ? record.PC_Grade : record.Grade;
        if (settings.num_grade_cats == 0) {
            grade.clear();
            continue;
        }
        double v = points ? record.PC_Percent : record.Percent;
        if (settings.grade_round_percent) {
            v = std::nearbyint(v);  // halves to the even neighbour
        }
        const int category = grade_category(settings, v);
        grade = settings.grade_label[at(category)];
        ++results.grade_count[at(category)];
    }
}

ConfidenceBands confidence_bands(const AnalysisSettings& settings, int items, double score,
                                 double error) {
    const double k = items;
    auto raw = [k](double v) { return std::clamp(v, 0.0, k); };
    auto percent = [k](double v) { return std::clamp(v / k * 100.0, 0.0, 100.0); };
    ConfidenceBands b;
    b.plus1 = raw(score + error);
    b.minus1 = raw(score - error);
    b.plus2 = raw(score + 2.0 * error);
    b.minus2 = raw(score - 2.0 * error);
    b.plus1_percent = percent(score + error);
    b.minus1_percent = percent(score - error);
    b.plus2_percent = percent(score + 2.0 * error);
    b.minus2_percent = percent(score - 2.0 * error);
    b.plus1_grade = band_label(settings, b.plus1_percent);
    b.minus1_grade = band_label(settings, b.minus1_percent);
    b.plus2_grade = band_label(settings, b.plus2_percent);
    b.minus2_grade = band_label(settings, b.minus2_percent);
    return b;
}

ConfidenceBands bands_of(const Case_Record& r) {
    return {r.Minus1sem, r.Plus1sem, r.Minus2sem,   r.Plus2sem,   r.Minus1pc,    r.Plus1pc,
            r.Minus2pc,  r.Plus2pc,  r.Minus1grade, r.Plus1grade, r.Minus2grade, r.Plus2grade};
}

void assign_confidence_bands(AnalysisState& state) {
    const AnalysisSettings& settings = state.settings;
    AnalysisResults& results = state.results;
    for (int i = 1; i <= state.data.num_examinees; ++i) {
        Case_Record& r = results.examinee_records[at(i)];
        ConfidenceBands b =
            confidence_bands(settings, state.data.num_included_items, r.Score, results.sem_kr20);
        r.Plus1sem = b.plus1;
        r.Minus1sem = b.minus1;
        r.Plus2sem = b.plus2;
        r.Minus2sem = b.minus2;
        r.Plus1pc = b.plus1_percent;
        r.Minus1pc = b.minus1_percent;
        r.Plus2pc = b.plus2_percent;
        r.Minus2pc = b.minus2_percent;
        r.Plus1grade = b.plus1_grade;
        r.Minus1grade = b.minus1_grade;
        r.Plus2grade = b.plus2_grade;
        r.Minus2grade = b.minus2_grade;
    }
}

}  // namespace kor
