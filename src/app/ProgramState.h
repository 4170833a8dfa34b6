#pragma once
// The program state of one run: the analysis state (the data set, the
// settings and the results of the last analysis) and the windows' forms
// whose boxes outlive a showing. One object per run, owned by the
// application object, which alone changes it; everyone else reads it
// through a const reference. Nothing of it is global.

#include "app/forms/EditorModel.h"
#include "app/forms/GenForm.h"
#include "app/forms/GradeForm.h"
#include "app/forms/PartialCreditForm.h"
#include "app/forms/ProblemItemForm.h"
#include "app/forms/SpearmanBrownForm.h"
#include "app/forms/TosForm.h"
#include "core/AnalysisState.h"

namespace kor {

// The dialogs' boxes and state that outlive a showing.
struct FormsPart {
    EditorForm editor_form;
    GradeForm grade_form;
    PartialCreditForm pc_form;
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

struct ProgramState : AnalysisState, FormsPart, FlowPart {};

}  // namespace kor
