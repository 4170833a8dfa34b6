#pragma once
// The Spearman-Brown calculator: how long the test must be to reach a
// desired reliability, from the KR20 of the last analysis.

#include <string>

#include "core/Outcome.h"

namespace kor {

struct ProgramState;

struct SpearmanBrownForm {
    std::string txt_sbrel;       // desired reliability
    std::string txt_moreitems;   // items to add or remove
    std::string lbl_more_fewer;  // "more" or "fewer"
    bool lbl_more_fewer_visible = false;
    bool lbl_more_fewer_underlined = false;  // "fewer" is bold and underlined, "more" only bold
    std::string txt_multiplier;              // lengthening factor
    std::string txt_current;                 // items now
    std::string txt_totalitems;              // items needed
    std::string txt_rel_out;                 // reliability of the analysed test
};

namespace spearman_control {
inline constexpr const char* desired = "txt_sbrel";
}

// The test the calculator works from: its reliability and items, and the
// separator its boxes show and read numbers with.
struct SpearmanBrownTest {
    double reliability = 0.0;
    int items = 0;
    char decimal_separator = '.';
};

// Opening the calculator: the desired reliability, the test's reliability
// and items; the answers empty.
void open_spearman_brown(SpearmanBrownForm& form, const SpearmanBrownTest& test, double desired);
// "Calculate" on the form alone: reads the desired reliability into
// `desired` and fills the answers.
Outcome calculate_spearman_brown(SpearmanBrownForm& form, const SpearmanBrownTest& test,
                                 double& desired);

// The same for the analysed test: desired 0.8, the analysed test's KR20 and items.
void open_spearman_brown(ProgramState& state);

// "Calculate": reads the desired reliability and fills the answers; refused
// (outputs left empty or as they were) when it cannot be computed.
Outcome calculate_spearman_brown(ProgramState& state);

}  // namespace kor
