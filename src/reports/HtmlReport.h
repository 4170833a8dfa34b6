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
#include <string_view>
#include <vector>

namespace kor {

struct AnalysisState;

// Program text (single bytes shown as Latin-1) as UTF-8 for the page, with
// the characters markup gives a meaning to written as references and
// control characters as blanks.
std::string html_text(std::string_view latin1);

// The page of the last analysis as UTF-8 lines.
std::vector<std::string> html_report_lines(const AnalysisState& state);

// --- Labels on the item map, placed so that none covers a point or another.

// A rectangle on a picture, in its pixels (y grows downwards).
struct PictureBox {
    double left = 0.0, top = 0.0, right = 0.0, bottom = 0.0;
    // Whether the two share more than an edge.
    bool overlaps(const PictureBox& other) const;
    bool lies_within(const PictureBox& outer) const;
};

// A point of the map: the centre of its mark, and its label (none when empty).
struct MapPoint {
    double x = 0.0, y = 0.0;
    std::string label;
};

// The room each mark takes: a square this far to each side of its centre.
inline constexpr double map_mark_reach = 5.0;
PictureBox mark_box(const MapPoint& point);

// A placed label: which point it names, and the box its text is centred in.
// A label set off from its point is joined to it by a leader line.
struct MapLabel {
    std::size_t point = 0;
    PictureBox box;
    bool leader = false;
};

// The labels of `points`, placed in the points' order: each at the first
// place around its point, nearest first (right above, right, left above,
// left, above, below, right below, left below), where it lies within `area`
// and covers no mark and no label placed before it; then the same places
// farther off, with a leader line. A label that finds no free place is left
// out (and so missing from the result).
std::vector<MapLabel> place_map_labels(const std::vector<MapPoint>& points, const PictureBox& area);

}  // namespace kor
