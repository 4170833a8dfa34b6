#pragma once
// The program state of one run: the data set, the settings, the dialogs'
// boxes that outlive a showing, and the results of the last analysis. One
// object per run, passed by reference; nothing of it is global.

#include <string>

#include "core/analysis/Records.h"
#include "core/data/AltAnswers.h"
#include "core/data/EditorModel.h"
#include "core/data/PartialCredit.h"
#include "core/data/TableOfSpecs.h"
#include "core/data/TestData.h"
#include "core/settings/AnalysisSettings.h"
#include "core/settings/GradingScale.h"
#include "core/settings/ProblemCriteria.h"
#include "core/settings/SpearmanBrown.h"
#include "core/data/GeneratorState.h"

namespace kor {

inline constexpr const char* program_caption = "KOR: Korvath (version 14.7.4) N<10K version";
inline constexpr const char* unsaved_name = "UNSAVED";

struct ProgramState {
    EditorTexts editor;  // the data editor's boxes: the source layer
    EditorForm editor_form;
    TTestData data;
    AnalysisSettings settings;

    // Dialog boxes that keep their texts between showings.
    GradeForm grade_form;
    PartialCreditForm pc_form;
    AltAnswerTable alt_table;
    TosForm tos_form;
    ProblemItemForm problem_form;
    GenForm gen_form;
    SpearmanBrownForm spearman_form;

    GeneratorState generator;  // the generator's random stream and dialog flow

    AnalysisResults results;
    ReportTexts reports;

    // Main window flags.
    bool analyze_on_return = false;

    // The user's decimal separator; "." unless the windows pass the locale's.
    char decimal_separator = '.';
};

// The separators a typed real may use: the user's own only.
std::string typed_separators(const ProgramState& state);

// The separators a real read from a file may use: "." and the user's own, so
// files written under another locale stay readable.
std::string file_separators(const ProgramState& state);

// The data set name shown in the main window: the file name without its
// extension, or "UNSAVED".
std::string shown_data_set_name(const ProgramState& state);

}  // namespace kor
