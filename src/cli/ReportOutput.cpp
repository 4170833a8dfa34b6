// The report texts `kor analyze` prints.

#include "AnalysisJson.h"
#include "CliCommon.h"

namespace kor {

std::string default_analysis_output(const ProgramState& state) { return analysis_json(state)["test"].dump(2) + "\n"; }

std::optional<std::string> report_output(const ProgramState&, const std::string&) { return std::nullopt; }

}  // namespace kor
