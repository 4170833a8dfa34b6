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

// The program state comes in named parts, so that a function can say in its
// signature which parts it reads and which it changes (the analysis reads
// the data set and the settings and writes the results).

// The data set: the editor's boxes (the source layer) and the loaded layer.
struct DataSetPart {
    EditorTexts editor;
    TTestData data;
};

// The settings that steer the analysis and how typed numbers are read.
struct SettingsPart {
    AnalysisSettings settings;
    // The user's decimal separator; "." unless the windows pass the locale's.
    char decimal_separator = '.';
};

// The dialogs' boxes and state that outlive a showing.
struct FormsPart {
    EditorForm editor_form;
    GradeForm grade_form;
    PartialCreditForm pc_form;
    AltAnswerTable alt_table;
    TosForm tos_form;
    ProblemItemForm problem_form;
    GenForm gen_form;
    SpearmanBrownForm spearman_form;
    GeneratorState generator;  // the generator's random stream and dialog flow
};

// The main window's flags between commands.
struct FlowPart {
    bool analyze_on_return = false;
};

// What the last analysis computed and the report texts it wrote.
struct ResultsPart {
    AnalysisResults results;
    ReportTexts reports;
};

struct ProgramState : DataSetPart, SettingsPart, FormsPart, FlowPart, ResultsPart {};

// The separators a typed real may use: the user's own only.
std::string typed_separators(const ProgramState& state);

// The separators a real read from a file may use: "." and the user's own, so
// files written under another locale stay readable.
std::string file_separators(const ProgramState& state);

// The data set name shown in the main window: the file name without its
// extension, or "UNSAVED".
std::string shown_data_set_name(const ProgramState& state);

}  // namespace kor
