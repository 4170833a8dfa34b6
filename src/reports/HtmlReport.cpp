#include "reports/HtmlReport.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

#include "core/Encoding.h"
#include "core/Format.h"
#include "core/AnalysisState.h"
#include "core/analysis/ChartData.h"
#include "core/analysis/ItemStatistics.h"
#include "core/analysis/OptionTrace.h"
#include "core/analysis/Reliability.h"
#include "reports/AnswerNames.h"
#include "reports/CsvResults.h"
#include "reports/Ident.h"
#include "reports/QuickCommon.h"
#include "reports/QuickItems.h"
#include "reports/QuickOptions.h"

namespace kor {

namespace {

using Lines = std::vector<std::string>;

std::size_t at(int position) {
    return static_cast<std::size_t>(position);
}

// ------------------------------------------------------------ markup

std::string attribute(std::string_view name, std::string_view value) {
    return " " + std::string(name) + "=\"" + std::string(value) + "\"";
}

// An element with its content on one line; the content is markup already.
std::string element(std::string_view tag, std::string_view content,
                    std::string_view attributes = {}) {
    return "<" + std::string(tag) + std::string(attributes) + ">" + std::string(content) + "</" +
           std::string(tag) + ">";
}

std::string cell(std::string_view content, std::string_view css_class = {}) {
    return element("td", content,
                   css_class.empty() ? std::string() : attribute("class", css_class));
}

std::string header_cell(std::string_view content, std::string_view css_class = {}) {
    return element("th", content,
                   attribute("scope", "col") +
                       (css_class.empty() ? std::string() : attribute("class", css_class)));
}

// A coordinate of a picture: one decimal is finer than a pixel.
std::string coordinate(double value) {
    return fixed(value, 1);
}

// The item map's labels: bold numbers of this size, and the box one takes.
constexpr int map_label_font_size = 11;
constexpr double map_label_char_width = 7.0;
constexpr double map_label_height = 12.0;
constexpr double map_label_padding = 2.0;

// Page-wide ids of the parts a reader (or a test) looks for.
std::string item_id(int item) {
    return "item-" + whole(item);
}

// ------------------------------------------------------------ style and script

// Print: the summary, the table of items and every item's section each
// start a page; a plot or a table is never cut.
constexpr std::string_view style_sheet[] = {
    ":root { color-scheme: light; }",
    "body { font-family: system-ui, 'Segoe UI', Roboto, Helvetica, Arial, sans-serif; color: #111;",
    "  background: #fff; margin: 0 auto; padding: 0.75rem; max-width: 70rem; line-height: 1.4; }",
    "h1 { font-size: 1.5rem; margin: 0.2rem 0; overflow-wrap: anywhere; }",
    "h2 { font-size: 1.2rem; margin: 1.2rem 0 0.4rem; border-bottom: 2px solid #333; }",
    "p.comments { margin: 0.2rem 0 0.8rem; color: #333; overflow-wrap: anywhere; }",
    "dl.card { display: grid; grid-template-columns: repeat(auto-fill, minmax(10.5rem, 1fr));",
    "  gap: 0.4rem; margin: 0.5rem 0; padding: 0; }",
    "dl.card div { border: 1px solid #999; border-radius: 4px; padding: 0.3rem 0.5rem; }",
    "dl.card dt { font-size: 0.8rem; color: #333; }",
    "dl.card dd { margin: 0; font-size: 1.15rem; font-weight: 600; font-variant-numeric: "
    "tabular-nums; }",
    "dl.card dd small { font-weight: 400; font-size: 0.8rem; }",
    "figure { margin: 0.6rem 0; }",
    "div.charts { display: grid; grid-template-columns: repeat(auto-fit, minmax(20rem, 1fr)); gap: "
    "1rem; }",
    "figcaption { font-size: 0.85rem; color: #333; }",
    "svg { display: block; width: 100%; height: auto; max-width: 44rem; }",
    "svg text { font-family: inherit; fill: #111; }",
    ".scroll { overflow-x: auto; }",
    "table { border-collapse: collapse; font-variant-numeric: tabular-nums; margin: 0.4rem 0; }",
    "th, td { border: 1px solid #aaa; padding: 0.15rem 0.45rem; text-align: right; white-space: "
    "nowrap; }",
    "th { background: #eee; }",
    "th[scope=row], th.text, td.text { text-align: left; }",
    "tr.keyed { font-weight: 700; }",
    "tr.problem td.flags { font-weight: 700; }",
    "th button { font: inherit; font-weight: 700; background: none; border: 0; padding: 0; cursor: "
    "pointer; }",
    "th[aria-sort=ascending] button::after { content: ' \\2191'; }",
    "th[aria-sort=descending] button::after { content: ' \\2193'; }",
    "ul.notes { padding-left: 1.2rem; }",
    "ul.notes li { margin: 0.2rem 0; }",
    "p.facts span { display: inline-block; margin-right: 1rem; }",
    "footer { margin-top: 2rem; font-size: 0.8rem; color: #333; }",
    "footer p { margin: 0; }",
    "@media (max-width: 30rem) { body { padding: 0.4rem; } th, td { padding: 0.1rem 0.25rem; } }",
    "@media print {",
    "  @page { margin: 12mm; }",
    "  body { max-width: none; padding: 0; font-size: 9.5pt; }",
    "  section.items, section.item { break-before: page; page-break-before: always; }",
    "  figure, table, svg, ul.notes { break-inside: avoid; page-break-inside: avoid; }",
    "  div.charts { grid-template-columns: 1fr 1fr; }",
    "  dl.card { grid-template-columns: repeat(5, 1fr); }",
    "  dl.card dd { font-size: 10pt; }",
    "  section.item svg { max-width: 15cm; }",
    "  section.items th, section.items td { padding: 0 0.3rem; font-size: 7.5pt; line-height: 1.1; "
    "}",
    "  th button::after { content: none; }",
    "}",
};

// Sorting the table of items by a column; the page reads the same without
// it. It holds neither "<" nor "&" so the page stays well-formed XML.
constexpr std::string_view sort_script[] = {
    "(function () {",
    "  function key(cell) {",
    "    var n = parseFloat(cell.textContent);",
    "    return isNaN(n) ? cell.textContent : n;",
    "  }",
    "  function order(x, y) {",
    "    if (typeof x !== typeof y) { return typeof x === 'number' ? -1 : 1; }",
    "    return (x > y) - (y > x);",
    "  }",
    "  document.querySelectorAll('table.sortable').forEach(function (table) {",
    "    table.querySelectorAll('thead th').forEach(function (th, column) {",
    "      var button = document.createElement('button');",
    "      button.type = 'button';",
    "      button.textContent = th.textContent;",
    "      th.textContent = '';",
    "      th.appendChild(button);",
    "      button.addEventListener('click', function () {",
    "        var up = th.getAttribute('aria-sort') !== 'ascending';",
    "        table.querySelectorAll('thead th').forEach(function (h) { "
    "h.removeAttribute('aria-sort'); });",
    "        th.setAttribute('aria-sort', up ? 'ascending' : 'descending');",
    "        var body = table.tBodies[0];",
    "        var rows = Array.prototype.slice.call(body.rows);",
    "        rows.sort(function (a, b) {",
    "          var d = order(key(a.cells[column]), key(b.cells[column]));",
    "          return up ? d : -d;",
    "        });",
    "        rows.forEach(function (row) { body.appendChild(row); });",
    "      });",
    "    });",
    "  });",
    "})();",
};

void add_block(Lines& lines, std::string_view open, const auto& block, std::string_view close) {
    lines.emplace_back(open);
    for (const std::string_view line : block) {
        lines.emplace_back(line);
    }
    lines.emplace_back(close);
}

// ------------------------------------------------------------ summary

std::string card_entry(std::string_view label, std::string_view id, const std::string& value,
                       const std::string& small = {}) {
    const std::string note = small.empty() ? std::string() : " " + element("small", small);
    return element("div", element("dt", label) + element("dd", value + note, attribute("id", id)));
}

std::string step_up_text(double r) {
    const std::optional<double> sb = spearman_brown_step_up(r);
    return sb ? fixed(*sb, 3) : "*****";
}

std::string excluded_items_text(const TTestData& data) {
    std::string text;
    for (int j = 1; j <= data.num_items; ++j) {
        if (data.item_include[at(j)] == 0) {
            text += (text.empty() ? "" : ", ") + whole(j);
        }
    }
    return text;
}

Lines summary_card(const AnalysisState& state) {
    const AnalysisResults& r = state.results;
    const ScoreStatistics& s = reported_scores(state);
    const double total = reported_total(state);
    const bool points = reports_points(state);
    const std::string mean_percent = "(" + fixed(percent_of(s.mean, total), 1) + "%)";
    Lines lines{"<dl class=\"card\">"};
    lines.push_back(card_entry("Examinees", "n", whole(state.data.num_examinees)));
    const std::string excluded = excluded_items_text(state.data);
    lines.push_back(card_entry("Items analysed", "items", whole(state.data.num_included_items),
                               excluded.empty() ? std::string() : "(excluded: " + excluded + ")"));
    lines.push_back(card_entry(points ? "Total possible points" : "Total possible score", "total",
                               points ? fixed(total, 1) : whole(state.data.num_included_items)));
    lines.push_back(
        card_entry(points ? "Mean points" : "Mean score", "mean", fixed(s.mean, 3), mean_percent));
    lines.push_back(card_entry("Standard deviation", "sd", fixed(s.sd, 3)));
    lines.push_back(card_entry("Median", "median", fixed(s.median, 3)));
    lines.push_back(card_entry("Minimum", "min", fixed(s.min, 3)));
    lines.push_back(card_entry("Maximum", "max", fixed(s.max, 3)));
    lines.push_back(card_entry("KR20 (alpha)", "kr20", fixed(r.kr20, 3)));
    lines.push_back(card_entry("SEM (from KR20)", "sem", fixed(r.sem_kr20, 3)));
    lines.push_back(card_entry("KR21", "kr21", fixed(r.kr21, 3)));
    lines.push_back(card_entry("Split-half (1st/2nd)", "split-first-second",
                               fixed(r.split_half_first_second, 3),
                               "(Spearman-Brown " + step_up_text(r.split_half_first_second) + ")"));
    lines.push_back(card_entry("Split-half (odd/even)", "split-odd-even",
                               fixed(r.split_half_odd_even, 3),
                               "(Spearman-Brown " + step_up_text(r.split_half_odd_even) + ")"));
    lines.push_back("</dl>");
    return lines;
}

// ------------------------------------------------------------ pictures

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

Lines histogram(const AnalysisState& state) {
    const ChartData chart = chart_of(state, ChartKind::histogram);
    const Frame f{640, 280, 48, 12, 24, 48};
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
    lines.push_back(text_shape(
        14, f.top + f.plot_height() / 2, "Examinees", "middle",
        attribute("transform", "rotate(-90 14 " + coordinate(f.top + f.plot_height() / 2) + ")")));
    lines.push_back("</svg>");
    lines.push_back(element("figcaption",
                            "Histogram for Scores (number correct), in the bins of the results "
                            "window's histogram."));
    lines.push_back("</figure>");
    return lines;
}

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

std::string criteria_text(const ProblemCriteriaMet& met, const AnalysisSettings& s) {
    std::string text;
    const auto add = [&](bool on, const std::string& part) {
        if (on) {
            text += (text.empty() ? "" : ", ") + part;
        }
    };
    add(met.p_low, "p &#8804; " + fixed(s.crit_p_low, 2));
    add(met.p_high, "p &#8805; " + fixed(s.crit_p_high, 2));
    add(met.disc, "D &#8804; " + fixed(s.crit_disc, 2));
    add(met.adj_pbis, "adj. pbis &#8804; " + fixed(s.crit_adj_pbis, 2));
    return text;
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

Lines item_map(const AnalysisState& state) {
    const AnalysisSettings& s = state.settings;
    const Frame f{640, 420, 52, 30, 16, 48};
    const auto x_of = [&](double p) { return f.left + f.plot_width() * std::clamp(p, 0.0, 1.0); };
    const auto y_of = [&](double d) {
        return f.top + f.plot_height() * (1.0 - (std::clamp(d, -1.0, 1.0) + 1.0) / 2.0);
    };
    Lines lines{"<figure>", svg_open(f, "item-map", "Difficulty and discrimination of every item")};
    if (s.suggest_problem_items) {
        const std::string shade = attribute("fill", "#bbb") + attribute("fill-opacity", "0.45");
        const double plot_right = f.width - f.right;
        const double plot_bottom = f.height - f.bottom;
        lines.push_back(rect_shape(f.left, f.top, x_of(s.crit_p_low) - f.left, f.plot_height(),
                                   shade,
                                   "Too hard: difficulty at or below " + fixed(s.crit_p_low, 2)));
        lines.push_back(rect_shape(x_of(s.crit_p_high), f.top, plot_right - x_of(s.crit_p_high),
                                   f.plot_height(), shade,
                                   "Too easy: difficulty at or above " + fixed(s.crit_p_high, 2)));
        lines.push_back(rect_shape(f.left, y_of(s.crit_disc), f.plot_width(),
                                   plot_bottom - y_of(s.crit_disc), shade,
                                   "Weak discrimination: D at or below " + fixed(s.crit_disc, 2)));
    }
    for (int tenth = 0; tenth <= 10; tenth += 2) {
        const double p = tenth / 10.0;
        lines.push_back(
            line_shape(x_of(p), f.top, x_of(p), f.height - f.bottom, attribute("stroke", "#ddd")));
        lines.push_back(text_shape(x_of(p), f.height - f.bottom + 14, fixed(p, 1), "middle",
                                   attribute("font-size", "11")));
    }
    for (int tenth = -10; tenth <= 10; tenth += 5) {
        const double d = tenth / 10.0;
        lines.push_back(line_shape(f.left, y_of(d), f.width - f.right, y_of(d),
                                   attribute("stroke", tenth == 0 ? "#888" : "#ddd")));
        lines.push_back(
            text_shape(f.left - 6, y_of(d) + 4, fixed(d, 1), "end", attribute("font-size", "11")));
    }
    lines.push_back(rect_shape(f.left, f.top, f.plot_width(), f.plot_height(),
                               attribute("fill", "none") + attribute("stroke", "#111")));
    const std::vector<const Item_Record*> items = included_items(state);
    std::vector<MapPoint> points;
    for (const Item_Record* item : items) {
        points.push_back({x_of(item->Diff), y_of(item->Disc),
                          is_problem_item(*item, s) ? whole(item->ItemNum) : std::string()});
    }
    // Labels may also take the empty margins above and right of the plot.
    const std::vector<MapLabel> labels =
        place_map_labels(points, PictureBox{f.left, 0.0, f.width, f.height - f.bottom});
    append(lines, map_marks(items, points, labels));
    const std::string unlabelled = unlabelled_points(points, labels);
    lines.push_back(
        text_shape(f.left + f.plot_width() / 2, f.height - 10, "Difficulty (proportion correct)"));
    lines.push_back(text_shape(
        14, f.top + f.plot_height() / 2, "Discrimination index D", "middle",
        attribute("transform", "rotate(-90 14 " + coordinate(f.top + f.plot_height() / 2) + ")")));
    lines.push_back("</svg>");
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
    lines.push_back(element("figcaption", caption));
    lines.push_back("</figure>");
    return lines;
}

// ------------------------------------------------------------ table of items

// The key as the instructor typed it, "*" when more answers count.
std::string key_text(const TTestData& data, const Item_Record& item) {
    return answer_name(answer_form(data), item.Key) +
           (has_multiple_correct_answers(item) ? "*" : "");
}

Lines items_table(const AnalysisState& state) {
    const AnalysisSettings& s = state.settings;
    const double kr20 = state.results.kr20;
    Lines lines{"<section class=\"items\" aria-labelledby=\"items-heading\">",
                element("h2", "Items", attribute("id", "items-heading")),
                element("p",
                        "Click a column heading to sort by it. Correlations that cannot be "
                        "computed show as ****. "
                        "+ marks an item without which KR20 (" +
                            fixed(kr20, 3) +
                            ") would be higher; "
                            "* a key with more than one correct answer."),
                "<div class=\"scroll\"><table class=\"sortable\" id=\"items-table\">",
                "<thead><tr>" + header_cell("Item") + header_cell("Key") +
                    header_cell("Difficulty") + header_cell("D") + header_cell("Pt-biserial") +
                    header_cell("Adj. pt-biserial") + header_cell("KR20 if deleted") +
                    header_cell("Problem", "text") + "</tr></thead>",
                "<tbody>"};
    for (const Item_Record* item : included_items(state)) {
        const bool problem = is_problem_item(*item, s);
        const std::string flags =
            problem ? criteria_text(problem_criteria_met(*item, s), s) : std::string();
        lines.push_back(
            "<tr" + attribute("id", "row-" + whole(item->ItemNum)) +
            (problem ? attribute("class", "problem") : "") + ">" +
            cell(
                element("a", whole(item->ItemNum), attribute("href", "#" + item_id(item->ItemNum))),
                "item") +
            cell(key_text(state.data, *item), "key") + cell(fixed(item->Diff, 2), "p") +
            cell(fixed(item->Disc, 2), "d") + cell(correlation_text(item->PtBis), "pbis") +
            cell(correlation_text(item->AdjPtBis), "adjpbis") +
            cell(fixed(item->KR20IfDeleted, 3) + (kr20_improves_without(*item, kr20) ? "+" : ""),
                 "kr20del") +
            cell(flags, "text flags") + "</tr>");
    }
    lines.push_back("</tbody></table></div>");
    if (s.suggest_problem_items) {
        lines.push_back(element(
            "p", "Potential problem items: " + whole(state.results.num_problem_items) + "."));
    }
    lines.push_back("</section>");
    return lines;
}

// ------------------------------------------------------------ grades

Lines grade_section(const AnalysisState& state) {
    const AnalysisSettings& s = state.settings;
    const int categories = std::clamp(s.num_grade_cats, 0, max_grade_categories);
    if (categories == 0) {
        return {};
    }
    Lines lines{"<section class=\"grades\" aria-labelledby=\"grades-heading\">",
                element("h2", "Grade distribution", attribute("id", "grades-heading")),
                "<div class=\"scroll\"><table id=\"grades-table\">",
                "<thead><tr>" + header_cell("Grade") + header_cell("Minimum %") +
                    header_cell("Examinees") + header_cell("Percent") + "</tr></thead>",
                "<tbody>"};
    for (int c = 1; c <= categories; ++c) {
        std::string label = s.grade_label[at(c)];
        label.erase(label.find_last_not_of(' ') + 1);
        // The last category has no minimum: it takes every lower percentage.
        const std::string minimum =
            c < categories ? html_text(s.grade_min_percent_text[at(c)]) : "";
        const int count = state.results.grade_count[at(c)];
        lines.push_back("<tr>" + element("th", html_text(label), attribute("scope", "row")) +
                        cell(minimum) + cell(whole(count)) +
                        cell(fixed(percent_of(count, state.data.num_examinees), 1) + "%") +
                        "</tr>");
    }
    lines.push_back("</tbody></table></div>");
    lines.push_back("</section>");
    return lines;
}

// ------------------------------------------------------------ one item

std::string option_name(const TTestData& data, int option) {
    if (data.data_are_right_wrong) {
        return option == 1 ? "RIGHT" : "WRONG";
    }
    return "Option " + answer_name(answer_form(data), option);
}

std::string option_row(const std::string& name, bool keyed, int count, double share, double high,
                       double low, double pbis) {
    return "<tr" + (keyed ? attribute("class", "keyed") : "") + ">" +
           element("th", name + (keyed ? " *" : ""), attribute("scope", "row")) +
           cell(whole(count)) + cell(fixed(share, 3)) + cell(fixed(high, 3)) + cell(fixed(low, 3)) +
           cell(correlation_text(pbis)) + "</tr>";
}

Lines options_table(const AnalysisState& state, const Item_Record& item) {
    const TTestData& data = state.data;
    const Option_Figures& figures = state.results.option_figures[at(item.ItemNum)];
    Lines lines{"<div class=\"scroll\"><table class=\"options\">",
                "<thead><tr>" + header_cell("Option") + header_cell("Count") +
                    header_cell("Proportion") + header_cell("High group") +
                    header_cell("Low group") + header_cell("Pt-biserial") + "</tr></thead>",
                "<tbody>"};
    for (int k = 1; k <= option_columns(data, item.ItemNum); ++k) {
        lines.push_back(option_row(option_name(data, k), is_marked_correct(item, data, k),
                                   item.OptCount[at(k)], item.OptProp[at(k)],
                                   item.OptPropHigh[at(k)], item.OptPropLow[at(k)],
                                   figures.OptPtBis[at(k)]));
    }
    lines.push_back(option_row("Omitted", false, figures.NumOmitted, figures.OmitProp,
                               figures.OmitPropHigh, figures.OmitPropLow, figures.OmitPtBis));
    lines.push_back("</tbody></table></div>");
    return lines;
}

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

Lines trace_plot(const AnalysisState& state, const Item_Record& item, const ScoreGroups& groups,
                 const std::vector<OptionTraceLine>& trace) {
    const Frame f{600, 300, 48, 130, 16, 52};
    const double step = f.plot_width() / score_group_count;
    const auto x_of = [&](int g) { return f.left + step * (g + 0.5); };
    const auto y_of = [&](double share) { return f.top + f.plot_height() * (1.0 - share); };
    const std::string id = "trace-" + whole(item.ItemNum);
    Lines lines{
        "<figure>",
        svg_open(f, id,
                 "Item " + whole(item.ItemNum) +
                     ": proportion choosing each option in five score groups, lowest to highest")};
    for (int quarter = 0; quarter <= 4; ++quarter) {
        const double share = quarter / 4.0;
        lines.push_back(line_shape(f.left, y_of(share), f.left + f.plot_width(), y_of(share),
                                   attribute("stroke", quarter == 0 ? "#111" : "#ddd")));
        lines.push_back(text_shape(f.left - 6, y_of(share) + 4, fixed(share, 2), "end",
                                   attribute("font-size", "11")));
    }
    for (int g = 0; g < score_group_count; ++g) {
        const ScoreGroup& group = groups.groups[at(g)];
        lines.push_back(text_shape(x_of(g), f.height - f.bottom + 15, "Group " + whole(g + 1),
                                   "middle", attribute("font-size", "11")));
        lines.push_back(text_shape(x_of(g), f.height - f.bottom + 28, group_range(group), "middle",
                                   attribute("font-size", "10")));
    }
    lines.push_back(text_shape(f.left + f.plot_width() / 2, f.height - 6,
                               "Score group (fifths of the total score)"));
    // The key last, so it lies on top.
    std::vector<const OptionTraceLine*> order;
    for (const OptionTraceLine& line : trace) {
        if (!line.keyed) {
            order.push_back(&line);
        }
    }
    for (const OptionTraceLine& line : trace) {
        if (line.keyed) {
            order.push_back(&line);
        }
    }
    const TTestData& data = state.data;
    for (const OptionTraceLine* line : order) {
        const std::string name = option_name(data, line->option);
        lines.push_back("<g>" + element("title", name + (line->keyed ? " (keyed)" : "") + ": " +
                                                     shares_text(*line)));
        // A path broken where a group is empty.
        std::string path;
        bool drawing = false;
        for (int g = 0; g < score_group_count; ++g) {
            const std::optional<double>& share = line->share[at(g)];
            if (!share) {
                drawing = false;
                continue;
            }
            path += std::string(path.empty() ? "" : " ") + (drawing ? "L" : "M") +
                    coordinate(x_of(g)) + " " + coordinate(y_of(*share));
            drawing = true;
        }
        if (!path.empty()) {
            lines.push_back("<path" + attribute("d", path) + line_style(*line) + " />");
        }
        for (int g = 0; g < score_group_count; ++g) {
            if (const std::optional<double>& share = line->share[at(g)]) {
                lines.push_back(marker(*line, x_of(g), y_of(*share)));
            }
        }
        lines.push_back("</g>");
    }
    // The legend, in option order.
    const double legend_x = f.width - f.right + 14;
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
    lines.push_back("</svg>");
    lines.push_back(
        element("figcaption",
                "Share of each score group choosing each option; the keyed answer (*) is "
                "the bold solid line. Examinees per group: " +
                    group_sizes_text(groups) + "."));
    lines.push_back("</figure>");
    return lines;
}

// The shares of the lowest and highest groups that have examinees.
std::pair<double, double> end_shares(const OptionTraceLine& line) {
    std::optional<double> first;
    std::optional<double> last;
    for (const std::optional<double>& share : line.share) {
        if (share) {
            first = first ? first : share;
            last = share;
        }
    }
    return {first.value_or(0.0), last.value_or(0.0)};
}

Lines trace_notes(const TTestData& data, const Item_Record& item,
                  const std::vector<OptionTraceLine>& trace) {
    Lines notes;
    if (item.Key == 9) {
        return notes;  // every answer counts: there is no key to doubt
    }
    for (const OptionTraceLine& line : trace) {
        if (!line.suspicious()) {
            continue;
        }
        const auto [low, high] = end_shares(line);
        const std::string name = option_name(data, line.option);
        if (line.keyed) {
            notes.push_back(element(
                "li", name +
                          " is keyed correct, yet the highest score group chose it less often (" +
                          fixed(high, 2) + ") than the lowest (" + fixed(low, 2) +
                          "): check the key and the wording of the item."));
        } else {
            notes.push_back(element(
                "li", name +
                          " is not keyed correct, yet the highest score group chose it more "
                          "often (" +
                          fixed(high, 2) + ") than the lowest (" + fixed(low, 2) +
                          "): a possible miskey, or a second defensible answer."));
        }
    }
    if (notes.empty()) {
        return notes;
    }
    notes.insert(notes.begin(), "<ul class=\"notes\">");
    notes.push_back("</ul>");
    return notes;
}

Lines item_section(const AnalysisState& state, const Item_Record& item, const ScoreGroups& groups) {
    const TTestData& data = state.data;
    const AnalysisSettings& s = state.settings;
    std::vector<bool> keyed;
    for (int k = 1; k <= option_columns(data, item.ItemNum); ++k) {
        keyed.push_back(is_marked_correct(item, data, k));
    }
    const std::vector<OptionTraceLine> trace = trace_item(state, groups, item.ItemNum, keyed);
    const std::string id = item_id(item.ItemNum);
    // Blanks between the parts let a narrow screen wrap the line.
    std::string facts = element("span", "Key " + element("b", key_text(data, item))) + " " +
                        element("span", "Difficulty " + fixed(item.Diff, 2)) + " " +
                        element("span", "D " + fixed(item.Disc, 2)) + " " +
                        element("span", "Pt-biserial " + correlation_text(item.PtBis)) + " " +
                        element("span", "Adj. pt-biserial " + correlation_text(item.AdjPtBis));
    if (is_problem_item(item, s)) {
        facts += " " +
                 element("span", element("b", "Potential problem: " +
                                                  criteria_text(problem_criteria_met(item, s), s)));
    }
    Lines lines{"<section class=\"item\"" + attribute("id", id) +
                    attribute("aria-labelledby", id + "-heading") + ">",
                element("h2", "Item " + whole(item.ItemNum), attribute("id", id + "-heading")),
                element("p", facts, attribute("class", "facts"))};
    append(lines, options_table(state, item));
    append(lines, trace_plot(state, item, groups, trace));
    append(lines, trace_notes(data, item, trace));
    lines.push_back("</section>");
    return lines;
}

}  // namespace

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

std::string html_text(std::string_view latin1) {
    std::string text;
    text.reserve(latin1.size());
    for (const char c : latin1) {
        switch (c) {
            case '&':
                text += "&amp;";
                break;
            case '<':
                text += "&lt;";
                break;
            case '>':
                text += "&gt;";
                break;
            case '"':
                text += "&quot;";
                break;
            case '\'':
                text += "&#39;";
                break;
            default:
                // Control characters have no place in the page (nor in XML).
                text += static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? ' ' : c;
        }
    }
    return utf8_from_latin1(text);
}

std::vector<std::string> html_report_lines(const AnalysisState& state) {
    const TTestData& data = state.data;
    const std::string title = html_text(data.test_title);
    Lines lines{
        "<!DOCTYPE html>",
        "<html lang=\"en\">",
        "<head>",
        "<meta charset=\"utf-8\" />",
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\" />",
        element("title", (title.empty() ? std::string() : title + " &#8211; ") + "Item analysis")};
    add_block(lines, "<style>", style_sheet, "</style>");
    lines.push_back("</head>");
    lines.push_back("<body>");
    lines.push_back("<header>");
    lines.push_back(element("h1", title.empty() ? "Item analysis" : title));
    if (!data.test_comments.empty()) {
        lines.push_back(
            element("p", html_text(data.test_comments), attribute("class", "comments")));
    }
    lines.push_back("</header>");
    lines.push_back("<main>");
    lines.push_back("<section class=\"summary\" aria-labelledby=\"summary-heading\">");
    lines.push_back(element("h2", "Summary", attribute("id", "summary-heading")));
    append(lines, summary_card(state));
    lines.push_back("<div class=\"charts\">");
    append(lines, histogram(state));
    append(lines, item_map(state));
    lines.push_back("</div>");
    append(lines, grade_section(state));
    lines.push_back("</section>");
    append(lines, items_table(state));
    const ScoreGroups groups = quintile_groups_of(state);
    for (const Item_Record* item : included_items(state)) {
        append(lines, item_section(state, *item, groups));
    }
    lines.push_back("</main>");
    lines.push_back("<footer>");
    for (const std::string& line : ident_lines()) {
        lines.push_back(element("p", html_text(line)));
    }
    lines.push_back("</footer>");
    add_block(lines, "<script>//<![CDATA[", sort_script, "//]]></script>");
    lines.push_back("</body>");
    lines.push_back("</html>");
    return lines;
}

}  // namespace kor
