#pragma once
// The pictures of the web page, drawn as inline SVG: the histogram of the
// scores, the map of every item's difficulty against its discrimination, and
// an item's option trace; and the placing of the labels on the item map.

#include <string>
#include <vector>

#include "core/analysis/OptionTrace.h"

namespace kor {

struct Item_Record;
struct AnalysisState;
struct TTestData;

// The items analysed, in item order.
std::vector<const Item_Record*> included_items(const AnalysisState& state);

// An option as the page names it: "Option B", or RIGHT and WRONG.
std::string option_name(const TTestData& data, int option);

// Each picture as a figure with its caption, one line of markup per shape.
std::vector<std::string> histogram_figure(const AnalysisState& state);
std::vector<std::string> item_map_figure(const AnalysisState& state);
std::vector<std::string> trace_figure(const AnalysisState& state, const Item_Record& item,
                                      const ScoreGroups& groups,
                                      const std::vector<OptionTraceLine>& trace);

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
