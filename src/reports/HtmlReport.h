#pragma once
// The item-analysis report as one self-contained web page: the summary of
// the test, a histogram of the scores, a map of every item's difficulty
// against its discrimination, a sortable table of the items, and for every
// included item its options with a plot of how often each score group chose
// them. Styles and pictures are inline (SVG) and nothing is fetched, so the
// page opens offline in any browser and prints one item per page. Every
// figure is formatted by the same functions as the text reports, so the two
// never disagree. The markup is also well-formed XML.

#include <string>
#include <vector>

// What the page is made of: its markup (html_text) and its pictures (the
// placing of the item map's labels).
#include "reports/HtmlMarkup.h"
#include "reports/HtmlPictures.h"

namespace kor {

struct AnalysisState;

// The page of the last analysis as UTF-8 lines.
std::vector<std::string> html_report_lines(const AnalysisState& state);

}  // namespace kor
