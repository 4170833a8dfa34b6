#pragma once
// The web page's style sheet and script, kept as files of their own
// (reports/web/) and built into the program as these constants, so that the
// page is written without reading anything at run time. The page takes them
// line by line; neither may hold "<" or "&", so that the page stays
// well-formed XML.

#include <string_view>

namespace kor {

// Print: the summary, the table of items and every item's section each start
// a page; a plot or a table is never cut.
extern const std::string_view report_style_sheet;

// Sorting the table of items by a column; the page reads the same without it.
extern const std::string_view report_script;

}  // namespace kor
