#include "reports/HtmlPictures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

#include "core/AnalysisState.h"
#include "core/Format.h"
#include "core/analysis/ChartData.h"
#include "core/analysis/ItemStatistics.h"
#include "reports/AnswerNames.h"
#include "reports/HtmlMarkup.h"
#include "reports/QuickCommon.h"

namespace kor {

namespace {

using html::attribute;
using html::element;
using Lines = std::vector<std::string>;

// A coordinate of a picture: one decimal is finer than a pixel.
std::string coordinate(double value) {
    return fixed(value, 1);
}

// The item map's labels: bold numbers of this size, and the box one takes.
constexpr int map_label_font_size = 11;
constexpr double map_label_char_width = 7.0;
constexpr double map_label_height = 12.0;
constexpr double map_label_padding = 2.0;

// ------------------------------------------------------------ shapes

struct Frame {
    double width, height;             // the whole picture
    double left, right, top, bottom;  // margins around the plot area
    double plot_width() const { return width - left - right; }
    double plot_height() const { return height - top - bottom; }
};

std::string svg_open(const Frame& f, std::string_view id, std::string_view title) {
    return "<svg" + attribute("id", id) +
           attribute("viewBox",
                     "0 0 " + whole(std::lround(f.width)) + " " + whole(std::lround(f.height))) +
           attribute("width", whole(std::lround(f.width))) +
           attribute("height", whole(std::lround(f.height))) + attribute("role", "img") +
           attribute("aria-labelledby", std::string(id) + "-title") + ">" +
           element("title", title, attribute("id", std::string(id) + "-title"));
}

std::string line_shape(double x1, double y1, double x2, double y2, std::string_view style) {
    return "<line" + attribute("x1", coordinate(x1)) + attribute("y1", coordinate(y1)) +
           attribute("x2", coordinate(x2)) + attribute("y2", coordinate(y2)) + std::string(style) +
           " />";
}

std::string rect_shape(double x, double y, double w, double h, std::string_view style,
                       std::string_view title = {}) {
    const std::string open = "<rect" + attribute("x", coordinate(x)) +
                             attribute("y", coordinate(y)) +
                             attribute("width", coordinate(std::max(w, 0.0))) +
                             attribute("height", coordinate(std::max(h, 0.0))) + std::string(style);
    return title.empty() ? open + " />" : open + ">" + element("title", title) + "</rect>";
}

std::string text_shape(double x, double y, std::string_view text,
                       std::string_view anchor = "middle", std::string_view extra = {}) {
    return element("text", text,
                   attribute("x", coordinate(x)) + attribute("y", coordinate(y)) +
                       attribute("text-anchor", anchor) + std::string(extra));
}

// The smallest whole step of 1, 2 or 5 times a power of ten that divides
// 0..top into at most `marks` parts.
int axis_step(int top, int marks) {
    for (int scale = 1;; scale *= 10) {
        for (const int base : {1, 2, 5}) {
            if (base * scale * marks >= top) {
                return base * scale;
            }
        }
    }
}

// The title of the vertical axis, written upwards beside the plot.
std::string vertical_axis_title(const Frame& f, std::string_view title) {
    return text_shape(
        14, f.top + f.plot_height() / 2, title, "middle",
        attribute("transform", "rotate(-90 14 " + coordinate(f.top + f.plot_height() / 2) + ")"));
}

// ------------------------------------------------------------ item map

// The item map's plot: difficulty from 0 to 1 across, D from -1 to 1 upwards.
struct MapScale {
    Frame f{640, 420, 52, 30, 16, 48};
    double x_of(double p) const { return f.left + f.plot_width() * std::clamp(p, 0.0, 1.0); }
    double y_of(double d) const {
        return f.top + f.plot_height() * (1.0 - (std::clamp(d, -1.0, 1.0) + 1.0) / 2.0);
    }
};

// The regions of the problem-item criteria, shaded.
Lines problem_regions(const MapScale& m, const AnalysisSettings& s) {
    const Frame& f = m.f;
    const std::string shade = attribute("fill", "#bbb") + attribute("fill-opacity", "0.45");
    const double plot_right = f.width - f.right;
    const double plot_bottom = f.height - f.bottom;
    return {
        rect_shape(f.left, f.top, m.x_of(s.crit_p_low) - f.left, f.plot_height(), shade,
                   "Too hard: difficulty at or below " + fixed(s.crit_p_low, 2)),
        rect_shape(m.x_of(s.crit_p_high), f.top, plot_right - m.x_of(s.crit_p_high),
                   f.plot_height(), shade,
                   "Too easy: difficulty at or above " + fixed(s.crit_p_high, 2)),
        rect_shape(f.left, m.y_of(s.crit_disc), f.plot_width(), plot_bottom - m.y_of(s.crit_disc),
                   shade, "Weak discrimination: D at or below " + fixed(s.crit_disc, 2))};
}

// The grid lines with their values, and the frame of the plot.
Lines map_grid(const MapScale& m) {
    const Frame& f = m.f;
    Lines lines;
    for (int tenth = 0; tenth <= 10; tenth += 2) {
        const double p = tenth / 10.0;
        lines.push_back(line_shape(m.x_of(p), f.top, m.x_of(p), f.height - f.bottom,
                                   attribute("stroke", "#ddd")));
        lines.push_back(text_shape(m.x_of(p), f.height - f.bottom + 14, fixed(p, 1), "middle",
                                   attribute("font-size", "11")));
    }
    for (int tenth = -10; tenth <= 10; tenth += 5) {
        const double d = tenth / 10.0;
        lines.push_back(line_shape(f.left, m.y_of(d), f.width - f.right, m.y_of(d),
                                   attribute("stroke", tenth == 0 ? "#888" : "#ddd")));
        lines.push_back(text_shape(f.left - 6, m.y_of(d) + 4, fixed(d, 1), "end",
                                   attribute("font-size", "11")));
    }
    lines.push_back(rect_shape(f.left, f.top, f.plot_width(), f.plot_height(),
                               attribute("fill", "none") + attribute("stroke", "#111")));
    return lines;
}

// The marks of the item map: the leader lines, the circles of the items,
// the squares of the problem items over them, and the labels on top.
Lines map_marks(const std::vector<const Item_Record*>& items, const std::vector<MapPoint>& points,
                const std::vector<MapLabel>& labels) {
    Lines lines;
    for (const MapLabel& label : labels) {
        if (label.leader) {
            const MapPoint& point = points[label.point];
            lines.push_back(
                line_shape(point.x, point.y, std::clamp(point.x, label.box.left, label.box.right),
                           std::clamp(point.y, label.box.top, label.box.bottom),
                           attribute("stroke", "#555") + attribute("stroke-width", "0.8")));
        }
    }
    for (const bool problems : {false, true}) {
        for (std::size_t n = 0; n < items.size(); ++n) {
            const MapPoint& point = points[n];
            const bool problem = !point.label.empty();
            if (problem != problems) {
                continue;
            }
            const Item_Record& item = *items[n];
            const std::string title = "Item " + whole(item.ItemNum) + ": difficulty " +
                                      fixed(item.Diff, 2) + ", D " + fixed(item.Disc, 2) +
                                      (problem ? ", potential problem" : "");
            lines.push_back(
                problem
                    ? rect_shape(point.x - 4, point.y - 4, 8, 8, attribute("fill", "#111"), title)
                    : "<circle" + attribute("cx", coordinate(point.x)) +
                          attribute("cy", coordinate(point.y)) + attribute("r", "3.5") +
                          attribute("fill", "#fff") + attribute("stroke", "#1f3f5f") +
                          attribute("stroke-width", "1.5") + ">" + element("title", title) +
                          "</circle>");
        }
    }
    for (const MapLabel& label : labels) {
        const PictureBox& box = label.box;
        lines.push_back(text_shape(
            (box.left + box.right) / 2, (box.top + box.bottom) / 2, points[label.point].label,
            "middle",
            attribute("class", "map-label") + attribute("font-size", whole(map_label_font_size)) +
                attribute("font-weight", "700") + attribute("dominant-baseline", "central")));
    }
    return lines;
}

// The labels of the points that found no place, as a list.
std::string unlabelled_points(const std::vector<MapPoint>& points,
                              const std::vector<MapLabel>& labels) {
    std::vector<bool> placed(points.size(), false);
    for (const MapLabel& label : labels) {
        placed[label.point] = true;
    }
    std::string list;
    for (std::size_t n = 0; n < points.size(); ++n) {
        if (!points[n].label.empty() && !placed[n]) {
            list += (list.empty() ? "" : ", ") + points[n].label;
        }
    }
    return list;
}

std::string item_map_caption(const AnalysisSettings& s, const std::string& unlabelled) {
    std::string caption = "One point per item analysed.";
    if (s.suggest_problem_items) {
        caption += " Shaded: the regions of the problem-item criteria (difficulty &#8804; " +
                   fixed(s.crit_p_low, 2) + " or &#8805; " + fixed(s.crit_p_high, 2) +
                   ", D &#8804; " + fixed(s.crit_disc, 2) +
                   "). Potential problem items are black squares with their numbers; an item can "
                   "also be one by its "
                   "adjusted point-biserial (&#8804; " +
                   fixed(s.crit_adj_pbis, 2) + "), which the map does not show.";
        if (!unlabelled.empty()) {
            caption += " Too crowded to carry their numbers: items " + unlabelled + ".";
        }
    }
    return caption;
}

// ------------------------------------------------------------ option trace

// Lines told apart by dash pattern and marker as well as colour (a palette
// that colour-blind readers can tell apart), so they read in grey print.
// The key is always solid and bold; the distractors are never solid.
constexpr std::array<std::string_view, 8> line_colours = {
    "#0072B2", "#D55E00", "#009E73", "#CC79A7", "#E69F00", "#56B4E9", "#000000", "#7F7F7F"};
constexpr std::array<std::string_view, 8> dash_patterns = {"7 3",      "2 3", "10 3 2 3",    "1 2",
                                                           "12 4 4 4", "4 2", "6 2 1 2 1 2", "3 6"};

std::string line_style(const OptionTraceLine& line) {
    const std::size_t k = at(line.option - 1) % line_colours.size();
    std::string style = attribute("fill", "none") + attribute("stroke", line_colours[k]);
    if (line.keyed) {
        return style + attribute("stroke-width", "3.5");
    }
    return style + attribute("stroke-width", "1.8") +
           attribute("stroke-dasharray", dash_patterns[k]);
}

std::string marker(const OptionTraceLine& line, double x, double y) {
    const std::string colour =
        attribute("fill", line_colours[at(line.option - 1) % line_colours.size()]);
    switch ((line.option - 1) % 4) {
        case 0:
            return "<circle" + attribute("cx", coordinate(x)) + attribute("cy", coordinate(y)) +
                   attribute("r", "3.5") + colour + " />";
        case 1:
            return rect_shape(x - 3.5, y - 3.5, 7, 7, colour);
        case 2:
            return "<polygon" +
                   attribute("points", coordinate(x) + "," + coordinate(y - 4.5) + " " +
                                           coordinate(x + 4.5) + "," + coordinate(y + 3.5) + " " +
                                           coordinate(x - 4.5) + "," + coordinate(y + 3.5)) +
                   colour + " />";
        default:
            return "<polygon" +
                   attribute("points", coordinate(x) + "," + coordinate(y - 4.5) + " " +
                                           coordinate(x + 4.5) + "," + coordinate(y) + " " +
                                           coordinate(x) + "," + coordinate(y + 4.5) + " " +
                                           coordinate(x - 4.5) + "," + coordinate(y)) +
                   colour + " />";
    }
}

std::string group_range(const ScoreGroup& group) {
    if (group.examinees == 0) {
        return "none";
    }
    return group.min_score == group.max_score
               ? whole(group.min_score)
               : whole(group.min_score) + "&#8211;" + whole(group.max_score);
}

std::string group_sizes_text(const ScoreGroups& groups) {
    std::string sizes;
    for (int g = 0; g < score_group_count; ++g) {
        sizes += (g == 0 ? "" : ", ") + whole(groups.groups[at(g)].examinees);
    }
    return sizes;
}

std::string shares_text(const OptionTraceLine& line) {
    std::string text;
    for (int g = 0; g < score_group_count; ++g) {
        const std::optional<double>& share = line.share[at(g)];
        text += (g == 0 ? "" : ", ") + (share ? fixed(*share, 2) : std::string("none"));
    }
    return text;
}

// The plot of the option trace: five score groups across, shares upwards.
struct TraceScale {
    Frame f{600, 300, 48, 130, 16, 52};
    double x_of(int g) const {
        const double step = f.plot_width() / score_group_count;
        return f.left + step * (g + 0.5);
    }
    double y_of(double share) const { return f.top + f.plot_height() * (1.0 - share); }
};

// The grid of quarters, the score groups under the plot and the axis title.
Lines trace_axes(const TraceScale& t, const ScoreGroups& groups) {
    const Frame& f = t.f;
    Lines lines;
    for (int quarter = 0; quarter <= 4; ++quarter) {
        const double share = quarter / 4.0;
        lines.push_back(line_shape(f.left, t.y_of(share), f.left + f.plot_width(), t.y_of(share),
                                   attribute("stroke", quarter == 0 ? "#111" : "#ddd")));
        lines.push_back(text_shape(f.left - 6, t.y_of(share) + 4, fixed(share, 2), "end",
                                   attribute("font-size", "11")));
    }
    for (int g = 0; g < score_group_count; ++g) {
        const ScoreGroup& group = groups.groups[at(g)];
        lines.push_back(text_shape(t.x_of(g), f.height - f.bottom + 15, "Group " + whole(g + 1),
                                   "middle", attribute("font-size", "11")));
        lines.push_back(text_shape(t.x_of(g), f.height - f.bottom + 28, group_range(group),
                                   "middle", attribute("font-size", "10")));
    }
    lines.push_back(text_shape(f.left + f.plot_width() / 2, f.height - 6,
                               "Score group (fifths of the total score)"));
    return lines;
}

// One option's line, broken where a group is empty, with a marker at every
// group that has examinees.
Lines trace_line(const TTestData& data, const OptionTraceLine& line, const TraceScale& t) {
    const std::string name = option_name(data, line.option);
    Lines lines{"<g>" +
                element("title", name + (line.keyed ? " (keyed)" : "") + ": " + shares_text(line))};
    std::string path;
    bool drawing = false;
    for (int g = 0; g < score_group_count; ++g) {
        const std::optional<double>& share = line.share[at(g)];
        if (!share) {
            drawing = false;
            continue;
        }
        path += std::string(path.empty() ? "" : " ") + (drawing ? "L" : "M") +
                coordinate(t.x_of(g)) + " " + coordinate(t.y_of(*share));
        drawing = true;
    }
    if (!path.empty()) {
        lines.push_back("<path" + attribute("d", path) + line_style(line) + " />");
    }
    for (int g = 0; g < score_group_count; ++g) {
        if (const std::optional<double>& share = line.share[at(g)]) {
            lines.push_back(marker(line, t.x_of(g), t.y_of(*share)));
        }
    }
    lines.push_back("</g>");
    return lines;
}

// The legend right of the plot, in option order.
Lines trace_legend(const TTestData& data, const std::vector<OptionTraceLine>& trace,
                   const TraceScale& t) {
    const Frame& f = t.f;
    const double legend_x = f.width - f.right + 14;
    Lines lines;
    for (std::size_t n = 0; n < trace.size(); ++n) {
        const OptionTraceLine& line = trace[n];
        const double y = f.top + 10 + 20.0 * static_cast<double>(n);
        lines.push_back("<path" +
                        attribute("d", "M" + coordinate(legend_x) + " " + coordinate(y) + " L" +
                                           coordinate(legend_x + 34) + " " + coordinate(y)) +
                        line_style(line) + " />");
        lines.push_back(marker(line, legend_x + 17, y));
        lines.push_back(
            text_shape(legend_x + 40, y + 4,
                       option_name(data, line.option) + (line.keyed ? " *" : ""), "start",
                       attribute("font-size", "11") +
                           (line.keyed ? attribute("font-weight", "700") : std::string())));
    }
    return lines;
}

}  // namespace

std::vector<const Item_Record*> included_items(const AnalysisState& state) {
    std::vector<const Item_Record*> items;
    for (int j = 1; j <= std::clamp(state.data.num_items, 0, max_items); ++j) {
        const Item_Record& item = state.results.item_records[at(j)];
        if (state.data.item_include[at(j)] > 0 && item.ItemNum == j) {
            items.push_back(&item);
        }
    }
    return items;
}

std::string option_name(const TTestData& data, int option) {
    if (data.data_are_right_wrong) {
        return option == 1 ? "RIGHT" : "WRONG";
    }
    return "Option " + answer_name(answer_form(data), option);
}

// The conditional standard error at each score of the histogram's range,
// as a line on a scale of its own at the right.
Lines csem_line(const Frame& f, const ChartData& chart, const std::vector<double>& csem) {
    if (csem.empty() || chart.edges.size() < 2) {
        return {};
    }
    const double first = chart.edges.front();
    const double span = chart.edges.back() - first;
    const double highest = *std::max_element(csem.begin(), csem.end());
    const double top = std::max(1.0, std::ceil(highest));
    const auto x_of = [&](double score) {
        return f.left + f.plot_width() * (score - first) / span;
    };
    const auto y_of = [&](double error) { return f.top + f.plot_height() * (1.0 - error / top); };
    std::string points;
    for (int score = static_cast<int>(std::ceil(first)); score < chart.edges.back(); ++score) {
        if (score < 0 || static_cast<std::size_t>(score) >= csem.size()) {
            continue;
        }
        points += (points.empty() ? "" : " ") + coordinate(x_of(score)) + "," +
                  coordinate(y_of(csem[static_cast<std::size_t>(score)]));
    }
    const std::string style =
        attribute("fill", "none") + attribute("stroke", "#c0392b") + attribute("stroke-width", "2");
    Lines lines{"<polyline" + attribute("id", "csem-line") + attribute("points", points) + style +
                ">" + element("title", "Conditional standard error of measurement") +
                "</polyline>"};
    const double axis_x = f.width - f.right;
    for (const double mark : {0.0, top / 2.0, top}) {
        lines.push_back(text_shape(axis_x + 4, y_of(mark) + 4, general(mark), "start",
                                   attribute("font-size", "11") + attribute("fill", "#c0392b")));
    }
    const double middle = f.top + f.plot_height() / 2;
    lines.push_back(text_shape(f.width - 10, middle, "CSEM", "middle",
                               attribute("fill", "#c0392b") +
                                   attribute("transform", "rotate(90 " + coordinate(f.width - 10) +
                                                              " " + coordinate(middle) + ")")));
    return lines;
}

Lines histogram_figure(const AnalysisState& state) {
    const ChartData chart = chart_of(state, ChartKind::histogram);
    const Frame f{640, 280, 48, 44, 24, 48};
    int highest = 1;
    for (const ChartBar& bar : chart.bars) {
        highest = std::max(highest, bar.value);
    }
    const int step = axis_step(highest, 5);
    const int top = (highest + step - 1) / step * step;
    const auto bars = static_cast<int>(chart.bars.size());
    const double bar_width = f.plot_width() / std::max(bars, 1);
    const auto y_of = [&](double count) { return f.top + f.plot_height() * (1.0 - count / top); };
    Lines lines{"<figure>",
                svg_open(f, "histogram", "Histogram for Scores: examinees in each score range")};
    for (int mark = 0; mark <= top; mark += step) {
        lines.push_back(line_shape(f.left, y_of(mark), f.width - f.right, y_of(mark),
                                   attribute("stroke", "#ccc")));
        lines.push_back(text_shape(f.left - 6, y_of(mark) + 4, whole(mark), "end",
                                   attribute("font-size", "11")));
    }
    // Few labels fit under many bars: every n-th.
    const int label_every = std::max(1, (bars + 15) / 16);
    for (int j = 0; j < bars; ++j) {
        const ChartBar& bar = chart.bars[at(j)];
        const double x = f.left + j * bar_width;
        const std::string low = fixed(chart.edges[at(j)] + 0.5, 0);
        const std::string high = fixed(chart.edges[at(j + 1)] - 0.5, 0);
        const std::string range = low == high ? "score " + low : "scores " + low + " to " + high;
        lines.push_back(rect_shape(x + 0.5, y_of(bar.value), bar_width - 1.0,
                                   y_of(0) - y_of(bar.value),
                                   attribute("fill", "#5b8db8") + attribute("stroke", "#1f3f5f"),
                                   range + ": " + whole(bar.value) + " examinees"));
        if (bar.value > 0) {
            lines.push_back(text_shape(x + bar_width / 2, y_of(bar.value) - 3, whole(bar.value),
                                       "middle", attribute("font-size", "10")));
        }
        if (j % label_every == 0) {
            lines.push_back(text_shape(x + bar_width / 2, f.height - f.bottom + 14,
                                       html_text(bar.label), "middle",
                                       attribute("font-size", "11")));
        }
    }
    lines.push_back(
        line_shape(f.left, y_of(0), f.width - f.right, y_of(0), attribute("stroke", "#111")));
    lines.push_back(
        text_shape(f.left + f.plot_width() / 2, f.height - 8, "Score (middle of each range)"));
    lines.push_back(vertical_axis_title(f, "Examinees"));
    append(lines, csem_line(f, chart, state.results.precision.csem));
    lines.push_back("</svg>");
    lines.push_back(element("figcaption",
                            "Histogram for Scores (number correct), in the bins of the results "
                            "window's histogram. The red line is the conditional standard error "
                            "of measurement at each score (scale at the right)."));
    lines.push_back("</figure>");
    return lines;
}

Lines item_map_figure(const AnalysisState& state) {
    const AnalysisSettings& s = state.settings;
    const MapScale m;
    const Frame& f = m.f;
    Lines lines{"<figure>", svg_open(f, "item-map", "Difficulty and discrimination of every item")};
    if (s.suggest_problem_items) {
        append(lines, problem_regions(m, s));
    }
    append(lines, map_grid(m));
    const std::vector<const Item_Record*> items = included_items(state);
    std::vector<MapPoint> points;
    for (const Item_Record* item : items) {
        points.push_back({m.x_of(item->Diff), m.y_of(item->Disc),
                          is_problem_item(*item, s) ? whole(item->ItemNum) : std::string()});
    }
    // Labels may also take the empty margins above and right of the plot.
    const std::vector<MapLabel> labels =
        place_map_labels(points, PictureBox{f.left, 0.0, f.width, f.height - f.bottom});
    append(lines, map_marks(items, points, labels));
    lines.push_back(
        text_shape(f.left + f.plot_width() / 2, f.height - 10, "Difficulty (proportion correct)"));
    lines.push_back(vertical_axis_title(f, "Discrimination index D"));
    lines.push_back("</svg>");
    lines.push_back(element("figcaption", item_map_caption(s, unlabelled_points(points, labels))));
    lines.push_back("</figure>");
    return lines;
}

Lines trace_figure(const AnalysisState& state, const Item_Record& item, const ScoreGroups& groups,
                   const std::vector<OptionTraceLine>& trace) {
    const TraceScale t;
    Lines lines{
        "<figure>",
        svg_open(t.f, "trace-" + whole(item.ItemNum),
                 "Item " + whole(item.ItemNum) +
                     ": proportion choosing each option in five score groups, lowest to highest")};
    append(lines, trace_axes(t, groups));
    // The key last, so it lies on top.
    for (const bool keyed : {false, true}) {
        for (const OptionTraceLine& line : trace) {
            if (line.keyed == keyed) {
                append(lines, trace_line(state.data, line, t));
            }
        }
    }
    append(lines, trace_legend(state.data, trace, t));
    lines.push_back("</svg>");
    lines.push_back(
        element("figcaption",
                "Share of each score group choosing each option; the keyed answer (*) is "
                "the bold solid line. Examinees per group: " +
                    group_sizes_text(groups) + "."));
    lines.push_back("</figure>");
    return lines;
}

bool PictureBox::overlaps(const PictureBox& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
}

bool PictureBox::lies_within(const PictureBox& outer) const {
    return left >= outer.left && right <= outer.right && top >= outer.top && bottom <= outer.bottom;
}

PictureBox mark_box(const MapPoint& point) {
    return {point.x - map_mark_reach, point.y - map_mark_reach, point.x + map_mark_reach,
            point.y + map_mark_reach};
}

std::vector<MapLabel> place_map_labels(const std::vector<MapPoint>& points,
                                       const PictureBox& area) {
    // The directions tried around a point, nearest first; and how far from
    // its mark: next to it, then twice farther off with a leader line.
    constexpr std::array<std::pair<int, int>, 8> directions = {
        {{1, -1}, {1, 0}, {-1, -1}, {-1, 0}, {0, -1}, {0, 1}, {1, 1}, {-1, 1}}};
    constexpr std::array<double, 3> gaps = {1.0, 10.0, 20.0};
    std::vector<PictureBox> taken;
    for (const MapPoint& point : points) {
        taken.push_back(mark_box(point));
    }
    std::vector<MapLabel> labels;
    for (std::size_t n = 0; n < points.size(); ++n) {
        const MapPoint& point = points[n];
        if (point.label.empty()) {
            continue;
        }
        const double half_width =
            (map_label_char_width * static_cast<double>(point.label.size()) + map_label_padding) /
            2;
        const double half_height = map_label_height / 2;
        const auto free_box = [&](double gap, std::pair<int, int> d) -> std::optional<PictureBox> {
            const double cx = point.x + d.first * (map_mark_reach + gap + half_width);
            const double cy = point.y + d.second * (map_mark_reach + gap + half_height);
            const PictureBox box{cx - half_width, cy - half_height, cx + half_width,
                                 cy + half_height};
            const bool free =
                box.lies_within(area) &&
                std::none_of(taken.begin(), taken.end(),
                             [&box](const PictureBox& other) { return box.overlaps(other); });
            return free ? std::optional(box) : std::nullopt;
        };
        const auto first_free = [&]() -> std::optional<MapLabel> {
            for (std::size_t ring = 0; ring < gaps.size(); ++ring) {
                for (const auto& direction : directions) {
                    if (const std::optional<PictureBox> box = free_box(gaps[ring], direction)) {
                        return MapLabel{n, *box, ring > 0};
                    }
                }
            }
            return std::nullopt;
        };
        if (const std::optional<MapLabel> label = first_free()) {
            labels.push_back(*label);
            taken.push_back(label->box);
        }
    }
    return labels;
}

}  // namespace kor
