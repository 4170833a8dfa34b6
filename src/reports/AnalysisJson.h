#pragma once
// Every result of the last analysis as one JSON document, streamed to a sink
// as it is written.

#include <string>
#include <string_view>

namespace kor {

struct AnalysisState;
class TextSink;

// A value stored as 9 for "cannot be computed" is written as null. Lines end
// with `newline`, the last one too.
void write_analysis_json(const AnalysisState& state, TextSink& sink,
                         std::string_view newline = "\n");

// The same document as one text, lines ended by LF.
std::string analysis_json_text(const AnalysisState& state);

}  // namespace kor
