#include "core/analysis/Grades.h"

#include <algorithm>
#include <cmath>

#include "core/AnalysisState.h"
#include "core/TextUtil.h"

namespace kor {

namespace {

std::string band_label(const AnalysisSettings& settings, double percent) {
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
        std::string& grade = points ? record.PC_Grade : record.Grade;
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

void assign_confidence_bands(AnalysisState& state) {
    const AnalysisSettings& settings = state.settings;
    AnalysisResults& results = state.results;
    const double k = state.data.num_included_items;
    const double sem = results.sem_kr20;
    auto raw = [k](double v) { return std::clamp(v, 0.0, k); };
    auto percent = [k](double v) { return std::clamp(v / k * 100.0, 0.0, 100.0); };
    for (int i = 1; i <= state.data.num_examinees; ++i) {
        Case_Record& r = results.examinee_records[at(i)];
        const double s = r.Score;
        r.Plus1sem = raw(s + sem);
        r.Minus1sem = raw(s - sem);
        r.Plus2sem = raw(s + 2.0 * sem);
        r.Minus2sem = raw(s - 2.0 * sem);
        r.Plus1pc = percent(s + sem);
        r.Minus1pc = percent(s - sem);
        r.Plus2pc = percent(s + 2.0 * sem);
        r.Minus2pc = percent(s - 2.0 * sem);
        r.Plus1grade = band_label(settings, r.Plus1pc);
        r.Minus1grade = band_label(settings, r.Minus1pc);
        r.Plus2grade = band_label(settings, r.Plus2pc);
        r.Minus2grade = band_label(settings, r.Minus2pc);
    }
}

}  // namespace kor
