// The web-page report: well-formed, self-contained, one section per item
// analysed, user text escaped, and the notes on options that move the wrong
// way with the score.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "core/analysis/Analysis.h"
#include "core/data/Loader.h"
#include "reports/HtmlReport.h"
#include "support/DataSets.h"
#include "support/HtmlCheck.h"

namespace kor {
namespace {

using testing::HtmlElement;
using testing::HtmlPage;

void analyse(ProgramState& state) {
    const Outcome loaded = load_test_data(state);
    ASSERT_FALSE(loaded.refused) << loaded.messages.back();
    const Outcome analysed = run_analysis(state);
    ASSERT_FALSE(analysed.refused) << analysed.messages.back();
}

HtmlPage page_of(const ProgramState& state) {
    const HtmlPage page = testing::read_html(testing::joined(html_report_lines(state)));
    EXPECT_EQ(page.error, "");
    return page;
}

// Nothing is fetched: no element loads anything, links stay on the page,
// the styles name no outside file, and no address appears at all.
void expect_self_contained(const HtmlPage& page, const std::string& text) {
    for (const HtmlElement& element : page.elements) {
        for (const char* loader :
             {"link", "img", "iframe", "object", "embed", "audio", "video", "source", "image"}) {
            EXPECT_NE(element.name, loader);
        }
        EXPECT_EQ(element.attribute("src"), "") << element.name;
        const std::string href = element.attribute("href");
        EXPECT_TRUE(href.empty() || href[0] == '#') << href;
        if (!href.empty()) {
            EXPECT_NE(page.by_id(href.substr(1)), nullptr) << href << " leads nowhere";
        }
    }
    for (const char* address : {"http:", "https:", "ftp:", "file:", "url(", "@import", "data:"}) {
        EXPECT_EQ(text.find(address), std::string::npos) << address;
    }
}

std::unique_ptr<ProgramState> analysed_sample(int which) {
    auto state = which == 1 ? testing::sample_set_1() : testing::sample_set_2();
    analyse(*state);
    return state;
}

TEST(HtmlCheck, RejectsWhatIsNotWellFormed) {
    EXPECT_EQ(testing::read_html("<html><p>a &amp; b</p><br /></html>").error, "");
    EXPECT_NE(testing::read_html("<html><p>open</html>").error, "");
    EXPECT_NE(testing::read_html("<html><b><i>x</b></i></html>").error, "");
    EXPECT_NE(testing::read_html("<html><p>a & b</p></html>").error, "");
    EXPECT_NE(testing::read_html("<html><p class=x>a</p></html>").error, "");
    EXPECT_NE(testing::read_html("<html><p id=\"a\"></p><p id=\"a\"></p></html>").error, "");
    EXPECT_NE(testing::read_html("<html></html><html></html>").error, "");
    EXPECT_NE(testing::read_html("<html><svg><rect></svg></html>").error, "");
}

TEST(HtmlReport, SampleDataPagesAreWellFormedAndSelfContained) {
    for (const int which : {1, 2}) {
        SCOPED_TRACE("sample data " + std::to_string(which));
        const auto state = analysed_sample(which);
        const std::vector<std::string> lines = html_report_lines(*state);
        const std::string text = testing::joined(lines);
        const HtmlPage page = testing::read_html(text);
        ASSERT_EQ(page.error, "");
        EXPECT_EQ(lines.front(), "<!DOCTYPE html>");
        ASSERT_FALSE(page.elements.empty());
        EXPECT_EQ(page.elements.front().name, "html");
        EXPECT_EQ(page.elements.front().attribute("lang"), "en");
        expect_self_contained(page, text);
        // Every picture names itself for screen readers.
        const auto pictures = page.named("svg");
        ASSERT_FALSE(pictures.empty());
        for (const HtmlElement* svg : pictures) {
            const std::string title_id = svg->attribute("aria-labelledby");
            ASSERT_NE(page.by_id(title_id), nullptr);
            EXPECT_EQ(page.by_id(title_id)->name, "title");
            EXPECT_FALSE(page.by_id(title_id)->text.empty());
        }
        // No figure that cannot be computed leaks out as text.
        for (const char* bad : {"nan", "inf"}) {
            for (const HtmlElement* cell : page.named("td")) {
                EXPECT_EQ(cell->text.find(bad), std::string::npos) << cell->text;
            }
        }
    }
}

TEST(HtmlReport, OneSectionPerItemAnalysedWithAPlotAndItsOptions) {
    const auto state = analysed_sample(1);  // items 9 and 45 are excluded
    const HtmlPage page = page_of(*state);
    std::vector<std::string> sections;
    for (const HtmlElement* section : page.named("section")) {
        if (section->has_class("item")) {
            sections.push_back(section->attribute("id"));
        }
    }
    ASSERT_EQ(sections.size(), 47u);
    EXPECT_EQ(sections.front(), "item-1");
    EXPECT_EQ(sections[8], "item-10");
    EXPECT_EQ(page.by_id("item-9"), nullptr);
    EXPECT_EQ(page.by_id("item-45"), nullptr);
    EXPECT_NE(page.by_id("trace-10"), nullptr);
    // Item 2 has four options: four option rows and the omitted answers.
    const HtmlElement* item2 = page.by_id("item-2");
    ASSERT_NE(item2, nullptr);
    const auto rows = page.inside(*item2, "tr");
    ASSERT_EQ(rows.size(), 6u);  // the heading and five rows
    EXPECT_EQ(page.inside(*rows[4], "th").front()->text, "Option 4 *");  // the key is 4
    EXPECT_EQ(page.inside(*rows[5], "th").front()->text, "Omitted");
    // Its counts add up to the examinees.
    int count = 0;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        count += std::stoi(page.inside(*rows[r], "td").front()->text);
    }
    EXPECT_EQ(count, 23);
    // One line per option in the plot, the key's drawn bold.
    const HtmlElement* plot = page.by_id("trace-2");
    ASSERT_NE(plot, nullptr);
    int bold = 0;
    int dashed = 0;
    for (const HtmlElement* path : page.inside(*plot, "path")) {
        bold += path->attribute("stroke-width") == "3.5" ? 1 : 0;
        dashed += path->attribute("stroke-dasharray").empty() ? 0 : 1;
    }
    EXPECT_EQ(bold, 2);    // the line and its sample in the legend
    EXPECT_EQ(dashed, 6);  // three distractors, twice each
}

TEST(HtmlReport, UserTextIsEscapedAndKeptWhole) {
    auto state = testing::sample_set_2();
    state->editor.title = "<script>alert(\"Q&A\")</script> 'x'";
    state->editor.comments = "Caf\xE9 <b>quiz</b> & more";
    analyse(*state);
    const std::string text = testing::joined(html_report_lines(*state));
    EXPECT_EQ(text.find("<script>alert"), std::string::npos);
    EXPECT_EQ(text.find("<b>quiz"), std::string::npos);
    const HtmlPage page = page_of(*state);
    ASSERT_FALSE(page.named("h1").empty());
    EXPECT_EQ(page.named("h1").front()->text, "<script>alert(\"Q&A\")</script> 'x'");
    // The Latin-1 byte of the data set becomes its UTF-8 character.
    EXPECT_NE(text.find("Caf\xC3\xA9 &lt;b&gt;quiz&lt;/b&gt; &amp; more"), std::string::npos);
    EXPECT_NE(text.find("<meta charset=\"utf-8\" />"), std::string::npos);

    EXPECT_EQ(html_text("a\tb\x01"
                        "c\x7f"),
              "a b c ");
    EXPECT_EQ(html_text("\xFF"), "\xC3\xBF");
}

// Item 1 keyed A, but the stronger examinees choose B; items 2 to 5 keyed B
// are answered correctly by more examinees the stronger they are.
std::unique_ptr<ProgramState> miskeyed_first_item() {
    std::vector<std::string> lines;
    for (int k = 1; k <= 10; ++k) {
        std::string line = (k < 10 ? "0" : "") + std::to_string(k) + (k <= 5 ? "A" : "B");
        const int right = (k - 1) / 2;
        for (int j = 0; j < 4; ++j) {
            line += j < right ? 'B' : 'C';
        }
        lines.push_back(line);
    }
    return testing::typed(
        {.title = "Miskey", .label_length = 2, .key = "ABBBB", .options = "44444", .lines = lines});
}

TEST(HtmlReport, NotesARisingDistractorAndAFallingKeyOnly) {
    auto state = miskeyed_first_item();
    analyse(*state);
    const HtmlPage page = page_of(*state);
    const HtmlElement* first = page.by_id("item-1");
    ASSERT_NE(first, nullptr);
    const auto notes = page.inside(*first, "li");
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0]->text.rfind(
                  "Option A is keyed correct, yet the highest score group chose it less often "
                  "(0.00) than the lowest (1.00)",
                  0),
              0u);
    EXPECT_EQ(notes[1]->text.rfind(
                  "Option B is not keyed correct, yet the highest score group chose it more often "
                  "(1.00) than the lowest (0.00): a possible miskey",
                  0),
              0u);
    // Keys that rise with the score get no note.
    for (const char* id : {"item-2", "item-3", "item-4", "item-5"}) {
        ASSERT_NE(page.by_id(id), nullptr);
        EXPECT_TRUE(page.inside(*page.by_id(id), "li").empty()) << id;
    }
}

TEST(HtmlReport, GradeDistributionOnlyWithAScale) {
    auto state = testing::sample_set_2();
    analyse(*state);
    EXPECT_EQ(page_of(*state).by_id("grades-table"), nullptr);

    AnalysisSettings& s = state->settings;
    s.num_grade_cats = 2;
    s.grade_min_percent[1] = 80;
    s.grade_min_percent_text[1] = "80";
    s.grade_label[1] = "Pass";
    s.grade_label[2] = "F   ";
    analyse(*state);
    const HtmlPage page = page_of(*state);
    const HtmlElement* table = page.by_id("grades-table");
    ASSERT_NE(table, nullptr);
    const auto rows = page.inside(*table, "tr");
    ASSERT_EQ(rows.size(), 3u);
    int examinees = 0;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const auto cells = page.inside(*rows[r], "td");
        ASSERT_EQ(cells.size(), 3u);
        examinees += std::stoi(cells[1]->text);
        EXPECT_EQ(cells[1]->text, std::to_string(state->results.grade_count[r]));
    }
    EXPECT_EQ(examinees, 17);
    EXPECT_EQ(page.inside(*rows[1], "th").front()->text, "Pass");
    EXPECT_EQ(page.inside(*rows[1], "td")[0]->text, "80");
    EXPECT_EQ(page.inside(*rows[2], "th").front()->text, "F");
    EXPECT_EQ(page.inside(*rows[2], "td")[0]->text, "");  // the last category has no minimum
}

TEST(HtmlReport, ProblemItemsCarryTheirCriteriaOnTheMapAndInTheTable) {
    const auto state = analysed_sample(2);
    const HtmlPage page = page_of(*state);
    int problems = 0;
    for (int j = 1; j <= state->data.num_items; ++j) {
        const HtmlElement* row = page.by_id("row-" + std::to_string(j));
        ASSERT_NE(row, nullptr);
        const bool problem = row->has_class("problem");
        problems += problem ? 1 : 0;
        const auto cells = page.inside(*row, "td");
        ASSERT_EQ(cells.size(), 10u);
        EXPECT_EQ(cells[9]->text.empty(), !problem) << "item " << j;
    }
    EXPECT_EQ(problems, state->results.num_problem_items);
    EXPECT_GT(problems, 0);
    // The map marks the same items with squares and their numbers.
    const HtmlElement* map = page.by_id("item-map");
    ASSERT_NE(map, nullptr);
    int squares = 0;
    for (const HtmlElement* rect : page.inside(*map, "rect")) {
        squares += rect->attribute("fill") == "#111" ? 1 : 0;
    }
    EXPECT_EQ(squares, problems);

    // Without suggestions nothing is shaded, marked or flagged.
    auto quiet = testing::sample_set_2();
    quiet->settings.suggest_problem_items = false;
    analyse(*quiet);
    const HtmlPage plain = page_of(*quiet);
    ASSERT_NE(plain.by_id("item-map"), nullptr);
    for (const HtmlElement* rect : plain.inside(*plain.by_id("item-map"), "rect")) {
        EXPECT_NE(rect->attribute("fill"), "#111");
        EXPECT_NE(rect->attribute("fill"), "#bbb");
    }
    for (const HtmlElement* row : plain.named("tr")) {
        EXPECT_FALSE(row->has_class("problem"));
    }
}

TEST(HtmlReport, EverybodyAlikeGivesAsterisksAndOneGroupNotNumbersThatAreNot) {
    // Every examinee answers every item correctly: no variance, no
    // correlation, one score group; the page still reads and claims nothing.
    auto state = testing::typed({.title = "Alike",
                                 .label_length = 2,
                                 .key = "AB",
                                 .options = "44",
                                 .lines = {"01AB", "02AB", "03AB"}});
    analyse(*state);
    const HtmlPage page = page_of(*state);
    const HtmlElement* row = page.by_id("row-1");
    ASSERT_NE(row, nullptr);
    const auto cells = page.inside(*row, "td");
    ASSERT_EQ(cells.size(), 10u);
    EXPECT_EQ(cells[2]->text, "1.00");
    EXPECT_EQ(cells[4]->text, "****");
    EXPECT_EQ(cells[5]->text, "****");
    EXPECT_TRUE(page.named("li").empty());  // one group: no line rises or falls
    ASSERT_NE(page.by_id("n"), nullptr);
    EXPECT_EQ(page.by_id("n")->text, "3");
    EXPECT_EQ(page.by_id("sd")->text, "0.000");
    ASSERT_NE(page.by_id("mean-se"), nullptr);
    EXPECT_EQ(page.by_id("mean-se")->text, "0.000");
    // No figure and no coordinate of a picture is anything but a number.
    for (const HtmlElement& element : page.elements) {
        if (element.name == "td" || element.name == "dd") {
            EXPECT_EQ(element.text.find("nan"), std::string::npos) << element.text;
            EXPECT_EQ(element.text.find("inf"), std::string::npos) << element.text;
        }
        for (const char* place :
             {"x", "y", "width", "height", "cx", "cy", "d", "points", "x1", "y2"}) {
            const std::string value = element.attribute(place);
            EXPECT_EQ(value.find("nan"), std::string::npos) << element.name << " " << place;
            EXPECT_EQ(value.find("inf"), std::string::npos) << element.name << " " << place;
        }
    }
}

TEST(HtmlReport, CrowdedMapLabelsCoverNoPointAndNoOtherLabel) {
    // A tight cluster of labelled points, a row of them along the top edge
    // and a few far apart.
    std::vector<MapPoint> points;
    for (int k = 0; k < 64; ++k) {
        points.push_back({300.0 + 5.0 * (k % 8), 200.0 + 5.0 * (k / 8), std::to_string(k + 1)});
    }
    for (int k = 0; k < 20; ++k) {
        points.push_back({60.0 + 14.0 * k, 18.0, k % 2 == 0 ? std::to_string(65 + k) : ""});
    }
    points.push_back({500.0, 300.0, "100"});
    points.push_back({100.0, 350.0, "99"});
    const PictureBox area{52, 16, 610, 372};
    const std::vector<MapLabel> labels = place_map_labels(points, area);
    ASSERT_FALSE(labels.empty());
    int leaders = 0;
    for (std::size_t a = 0; a < labels.size(); ++a) {
        const PictureBox& box = labels[a].box;
        EXPECT_TRUE(box.lies_within(area)) << points[labels[a].point].label;
        for (const MapPoint& point : points) {
            EXPECT_FALSE(box.overlaps(mark_box(point)))
                << points[labels[a].point].label << " covers the point at " << point.x << ","
                << point.y;
        }
        for (std::size_t b = a + 1; b < labels.size(); ++b) {
            EXPECT_FALSE(box.overlaps(labels[b].box))
                << points[labels[a].point].label << " and " << points[labels[b].point].label;
        }
        EXPECT_FALSE(points[labels[a].point].label.empty());
        leaders += labels[a].leader ? 1 : 0;
    }
    // The lone points keep their labels next to them; the cluster needs
    // leader lines and cannot label every point.
    EXPECT_FALSE(labels.back().leader);
    EXPECT_EQ(points[labels.back().point].label, "99");
    EXPECT_GT(leaders, 0);
    EXPECT_LT(labels.size(), 76u);
    EXPECT_EQ(place_map_labels(points, area).size(), labels.size());  // the same every time

    // On the page, each problem item has its number on the map or in the caption.
    const auto state = analysed_sample(2);
    const HtmlPage page = page_of(*state);
    const HtmlElement* map = page.by_id("item-map");
    ASSERT_NE(map, nullptr);
    std::size_t numbered = 0;
    for (const HtmlElement* text : page.inside(*map, "text")) {
        numbered += text->has_class("map-label") ? 1u : 0u;
    }
    const auto problems = static_cast<std::size_t>(state->results.num_problem_items);
    const std::string caption = page.inside(page.elements[map->parent], "figcaption").front()->text;
    EXPECT_LE(numbered, problems);
    EXPECT_EQ(caption.find("Too crowded to carry their numbers") != std::string::npos,
              numbered < problems);
    EXPECT_GT(numbered, 0u);
}

}  // namespace
}  // namespace kor
