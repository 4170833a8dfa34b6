#pragma once
// The analysis state of one run: the data set, the settings and the results
// of the last analysis. The program state of the application adds the
// windows' forms to it. Passed by reference; nothing of it is global.

#include <string>

#include "core/analysis/Records.h"
#include "core/data/AltAnswers.h"
#include "core/data/TestData.h"
#include "core/settings/AnalysisSettings.h"

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
    AltAnswerTable alt_table;  // the alternative answers of the items marked "A"
};

// The settings that steer the analysis and how typed numbers are read.
struct SettingsPart {
    AnalysisSettings settings;
    // The user's decimal separator; "." unless the windows pass the locale's.
    char decimal_separator = '.';
};

// What the last analysis computed and the report texts it wrote.
struct ResultsPart {
    AnalysisResults results;
    ReportTexts report_texts;
};

// The domain of one run: a data set, its settings and its last analysis.
struct AnalysisState : DataSetPart, SettingsPart, ResultsPart {};

// The separators a typed real may use: the user's own only.
std::string typed_separators(const AnalysisState& state);

// The separators a real read from a file may use: "." and the user's own, so
// files written under another locale stay readable.
std::string file_separators(const AnalysisState& state);

// The data set name shown in the main window: the file name without its
// extension, or "UNSAVED".
std::string shown_data_set_name(const AnalysisState& state);

}  // namespace kor
