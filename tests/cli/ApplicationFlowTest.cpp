// The application object alone carries a whole job from an input file to the
// saved results and a conversion, writing exactly what the kor command does;
// and no saver or report writer changes the order the reports list the
// results in.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "CliRun.h"
#include "app/Application.h"
#include "core/FileIO.h"
#include "reports/AnalysisJson.h"
#include "reports/QuickExaminees.h"
#include "reports/QuickItems.h"
#include "reports/ResultsFiles.h"
#include "reports/ViewerText.h"
#include "support/TempFolder.h"

namespace kor {
namespace {

namespace fs = std::filesystem;

class ApplicationFlow : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(folder / "app");
        fs::create_directories(folder / "cli");
    }
    std::string at(const std::string& name) const { return folder.file(name); }
    static std::string contents(const std::string& path) { return read_file(path, 1 << 22); }

    testing::TempFolder folder;
};

// The input file at `path` opened, loaded and analysed.
Application analysed_input_file(const std::string& path) {
    Application app;
    EXPECT_FALSE(app.open_input_file(path).refused);
    EXPECT_FALSE(app.close_editor(EditorExit::close_and_analyze).outcome.refused);
    EXPECT_FALSE(app.analyze().refused);
    return app;
}

// The editor's OK loads new data without analysing them: a report built from
// the results would pair the new data with the old figures.
TEST_F(ApplicationFlow, DataLoadedWithoutAnAnalysisHaveNoResultsToReport) {
    ASSERT_EQ(testing::kor({"example", "set2", "-o", at("set2.kor")}).code, 0);
    Application app = analysed_input_file(at("set2.kor"));
    ASSERT_FALSE(app.save_html_report(at("app/first.html")).refused);

    ASSERT_FALSE(app.close_editor(EditorExit::ok).outcome.refused);
    const Outcome stale = app.save_html_report(at("app/stale.html"));
    EXPECT_TRUE(stale.refused);
    EXPECT_FALSE(fs::exists(at("app/stale.html")));

    ASSERT_FALSE(app.analyze().refused);
    EXPECT_FALSE(app.save_html_report(at("app/stale.html")).refused);
}

Application analysed_example_1();

// Saving the data set is the one save meant to replace the input file the
// data came from; results and exports still never do, and a spreadsheet the
// data were imported from is no input file to replace.
TEST_F(ApplicationFlow, OnlyTheDataSetsOwnSaveReplacesTheOpenedInputFile) {
    ASSERT_EQ(testing::kor({"example", "set2", "-o", at("set2.kor")}).code, 0);
    Application app = analysed_input_file(at("set2.kor"));
    EXPECT_TRUE(app.save_item_stats(at("set2.kor")).refused);
    EXPECT_TRUE(
        app.save_results(at("set2.txt"), save_choices_of(app.state()), {at("set2.kor")}).refused);
    EXPECT_TRUE(app.export_data_only(at("./set2.kor")).refused);

    const std::string before = contents(at("set2.kor"));
    EditorTexts retitled = app.state().editor;
    retitled.title = "Saved in place";
    app.set_editor_texts(retitled);
    const Outcome saved = app.save_input_file(at("./set2.kor"));
    ASSERT_FALSE(saved.refused) << saved.messages.front();
    EXPECT_NE(contents(at("set2.kor")), before);
    Application reread;
    ASSERT_FALSE(reread.open_input_file(at("set2.kor")).refused);
    EXPECT_EQ(reread.state().editor.title, "Saved in place");

    folder.write("marks.csv", "Student,Q1,Q2\r\nKEY,A,B\r\nAnn,A,B\r\nBen,B,B\r\n");
    Application imported;
    ASSERT_TRUE(imported.import_csv(at("marks.csv"), {}).mapping);
    EXPECT_TRUE(imported.save_input_file(at("marks.csv")).refused);
    EXPECT_EQ(contents(at("marks.csv")), "Student,Q1,Q2\r\nKEY,A,B\r\nAnn,A,B\r\nBen,B,B\r\n");
}

// Results are saved only while they are those of the data as they stand:
// an edit of the editor's boxes after the analysis (then Cancel) would put
// old figures beside data that analyse to others.
TEST_F(ApplicationFlow, ResultsOfChangedDataAreRefusedByEverySave) {
    Application app = analysed_example_1();
    EXPECT_TRUE(app.results_are_current());
    EditorTexts texts = app.state().editor;
    const std::string line = texts.data_lines.front();
    texts.data_lines.front().back() = line.back() == '1' ? '2' : '1';
    app.set_editor_texts(texts);
    EXPECT_FALSE(app.results_are_current());
    const std::string folder_path = at("app");
    const Outcome refusals[] = {
        app.save_results(folder_path + "/r.txt", save_choices_of(app.state())),
        app.save_grade_reports(folder_path + "/g.rpt"),
        app.save_item_stats(folder_path + "/i.txt"),
        app.save_zero_one_data(folder_path + "/z.txt", ZeroOneLayout::main_window),
        app.save_alt_files(folder_path + "/alt"),
        app.save_viewer_file(QuickReport::items, {"x"}, folder_path + "/q.txt"),
        app.save_scores_csv(folder_path + "/s.csv"),
        app.save_options_csv(folder_path + "/o.csv"),
        app.save_html_report(folder_path + "/h.html"),
    };
    for (const Outcome& refused : refusals) {
        EXPECT_TRUE(refused.refused);
        EXPECT_EQ(refused.messages, std::vector<std::string>{stale_results_refusal});
    }
    EXPECT_TRUE(fs::is_empty(folder_path));

    // Changed back, the results are theirs again; the 0/1 data converts them
    // and back, and keeps them.
    const std::string edited = texts.data_lines.front();
    texts.data_lines.front() = line;
    app.set_editor_texts(texts);
    EXPECT_TRUE(app.results_are_current());
    EXPECT_FALSE(
        app.save_zero_one_data(folder_path + "/z.txt", ZeroOneLayout::main_window).refused);
    EXPECT_FALSE(app.save_item_stats(folder_path + "/i.txt").refused);

    // The editor's own export writes the data as they stand, and leaves
    // them so: not as they were first loaded.
    texts.data_lines.front() = edited;
    app.set_editor_texts(texts);
    EXPECT_FALSE(
        app.save_zero_one_data(folder_path + "/z.txt", ZeroOneLayout::data_editor).refused);
    EXPECT_EQ(app.state().editor.data_lines.front(), edited);
    EXPECT_FALSE(app.results_are_current());
}

// What was opened, generated, reset or saved is not unsaved; an edit is,
// until it is saved.
TEST_F(ApplicationFlow, UnsavedChangesFollowOpeningEditingAndSaving) {
    Application app;
    EXPECT_FALSE(app.has_unsaved_changes());
    ASSERT_FALSE(app.open_example("set1").refused);
    EXPECT_FALSE(app.has_unsaved_changes());
    EditorTexts edited = app.state().editor;
    edited.comments = "edited";
    app.set_editor_texts(edited);
    EXPECT_TRUE(app.has_unsaved_changes());
    ASSERT_FALSE(app.save_input_file(at("set1.kor")).refused);
    EXPECT_FALSE(app.has_unsaved_changes());
    // Settings travel in the file but are not the data.
    app.set_group_texts("30", app.state().settings.lower_group_percent_text);
    EXPECT_FALSE(app.has_unsaved_changes());
    edited = app.state().editor;
    edited.answer_key += "1";
    app.set_editor_texts(edited);
    EXPECT_TRUE(app.has_unsaved_changes());
    app.new_data_set();
    EXPECT_FALSE(app.has_unsaved_changes());
    edited = app.state().editor;
    edited.title = "typed";
    app.set_editor_texts(edited);
    EXPECT_TRUE(app.has_unsaved_changes());
    ASSERT_FALSE(app.open_input_file(at("set1.kor")).refused);
    EXPECT_FALSE(app.has_unsaved_changes());
}

TEST_F(ApplicationFlow, OpenLoadAnalyseSaveAndConvertWriteWhatTheCommandLineWrites) {
    ASSERT_EQ(testing::kor({"example", "set2", "-o", at("set2.kor")}).code, 0);

    Application app = analysed_input_file(at("set2.kor"));
    const Outcome saved = app.save_results(at("app/results.txt"), save_choices_of(app.state()));
    ASSERT_FALSE(saved.refused);
    EXPECT_EQ(saved.written, (std::vector<std::string>{at("app/results.txt"), at("app/results.exm"),
                                                       at("app/results.itm"), at("app/results.opt"),
                                                       at("app/results.kor")}));
    ASSERT_FALSE(app.convert(Conversion::right_wrong).refused);
    ASSERT_FALSE(app.save_input_file(at("app/right_wrong.kor")).refused);
    ASSERT_FALSE(app.convert(Conversion::back_from_right_wrong).refused);
    ASSERT_FALSE(app.save_input_file(at("app/back.kor")).refused);

    ASSERT_EQ(testing::kor({"analyze", at("set2.kor"), "--save", at("cli/results.txt")}).code, 0);
    ASSERT_EQ(testing::kor({"convert", at("set2.kor"), "--to", "right-wrong", "-o",
                            at("cli/right_wrong.kor")})
                  .code,
              0);
    for (const char* name : {"results.txt", "results.exm", "results.itm", "results.opt",
                             "results.kor", "right_wrong.kor"}) {
        EXPECT_EQ(contents(at(std::string("app/") + name)),
                  contents(at(std::string("cli/") + name)))
            << name;
    }
    // The way back from right-wrong gives the data set as it was opened.
    EXPECT_EQ(contents(at("app/back.kor")), contents(at("set2.kor")));
}

// The windows keep the first load's lines for the way back to them; the
// command line keeps none, analyses alike and leaves the lines as they are
// on the way back. The file is marked as UTF-8, so its text is converted
// on reading instead of used as read.
TEST_F(ApplicationFlow, OnlyTheWindowsKeepTheFirstLoadsLinesAndBothAnalyseAlike) {
    ASSERT_EQ(testing::kor({"example", "set2", "-o", at("set2.kor")}).code, 0);
    const std::string path = folder.write("marked.kor", "\xEF\xBB\xBF" + contents(at("set2.kor")));
    Application windows;
    Application command_line{WayBackToFirstLines::not_offered};
    for (Application* app : {&windows, &command_line}) {
        ASSERT_FALSE(app->open_input_file(path).refused);
        ASSERT_FALSE(app->close_editor(EditorExit::close_and_analyze).outcome.refused);
        ASSERT_FALSE(app->analyze().refused);
    }
    EXPECT_EQ(analysis_json_text(windows.state()), analysis_json_text(command_line.state()));
    const std::vector<std::string> opened = windows.state().editor.data_lines;
    std::vector<std::string> converted;
    for (Application* app : {&windows, &command_line}) {
        ASSERT_FALSE(app->convert(Conversion::letters).refused);
        converted = app->state().editor.data_lines;
        ASSERT_NE(converted, opened);
        app->convert(Conversion::back_to_original_lines);
    }
    EXPECT_EQ(windows.state().editor.data_lines, opened);
    EXPECT_EQ(command_line.state().editor.data_lines, converted);
}

// What the writers show of the order of the results: the JSON document and
// the examinee and item lists of the quick reports.
struct OrderedViews {
    std::string json;
    std::vector<std::string> examinees;
    std::vector<std::string> items;
};

OrderedViews views_of(const Application& app) {
    return {analysis_json_text(app.state()), examinee_output(app.state()),
            item_output(app.state())};
}

// Every command that used to put the records back into data order.
void run_data_order_commands(Application& app, const std::string& folder) {
    Outcome messages;
    EXPECT_FALSE(app.report_lines(ReportKind::grades, messages).empty());
    EXPECT_FALSE(app.save_results(folder + "/results.txt", save_choices_of(app.state())).refused);
    EXPECT_FALSE(app.save_grade_reports(folder + "/grades.rpt").refused);
    EXPECT_FALSE(app.save_item_stats(folder + "/item_stats.txt").refused);
    EXPECT_FALSE(
        app.save_zero_one_data(folder + "/data_01.txt", ZeroOneLayout::main_window).refused);
}

Application analysed_example_1() {
    Application app;
    EXPECT_FALSE(app.open_example("set1").refused);
    EXPECT_FALSE(app.close_editor(EditorExit::close_and_analyze).outcome.refused);
    EXPECT_FALSE(app.analyze().refused);
    return app;
}

TEST_F(ApplicationFlow, SavesAndGradeReportsLeaveTheReportsOrderAsTheSettingsMakeIt) {
    // Sample Data #1 sorts its examinees by score and its items by point-biserial.
    Application app = analysed_example_1();
    const AnalysisResults& results = app.state().results;
    ASSERT_FALSE(std::is_sorted(results.examinee_order.begin(), results.examinee_order.end()));
    ASSERT_FALSE(std::is_sorted(results.item_order.begin(), results.item_order.end()));
    const OrderedViews before = views_of(app);
    run_data_order_commands(app, at("app"));
    const OrderedViews after = views_of(app);
    EXPECT_EQ(after.json, before.json);
    EXPECT_EQ(after.examinees, before.examinees);
    EXPECT_EQ(after.items, before.items);

    // The other way round: the files first, then the views.
    Application other = analysed_example_1();
    run_data_order_commands(other, at("cli"));
    const OrderedViews reversed = views_of(other);
    EXPECT_EQ(reversed.json, before.json);
    EXPECT_EQ(reversed.examinees, before.examinees);
    EXPECT_EQ(reversed.items, before.items);
    EXPECT_EQ(contents(at("app/results.txt")), contents(at("cli/results.txt")));
}

}  // namespace
}  // namespace kor

namespace kor {
namespace {

Application loaded_example_2() {
    Application app;
    EXPECT_FALSE(app.open_example("set2").refused);
    EXPECT_FALSE(app.close_editor(EditorExit::close_and_analyze).outcome.refused);
    return app;
}

// An analysis that leaves the examinee output until it is asked for gives the
// same view and the same saved files as one that writes it at once.
TEST_F(ApplicationFlow, TheExamineeOutputLeftUntilAskedForIsTheSame) {
    Application now = loaded_example_2();
    ASSERT_FALSE(now.analyze().refused);
    Application later = loaded_example_2();
    ASSERT_FALSE(later.analyze(ExamineeOutput::when_asked).refused);
    EXPECT_TRUE(later.state().report_texts.examinees.empty());
    EXPECT_EQ(later.examinee_pane(), now.examinee_pane());
    EXPECT_EQ(later.state().results.warnings, now.state().results.warnings);

    Outcome messages;
    EXPECT_EQ(later.report_lines(ReportKind::examinees, messages),
              now.report_lines(ReportKind::examinees, messages));
    EXPECT_FALSE(later.state().report_texts.examinees.empty());

    Application saved_later = loaded_example_2();
    ASSERT_FALSE(saved_later.analyze(ExamineeOutput::when_asked).refused);
    ASSERT_FALSE(now.save_results(at("app/now.txt"), save_choices_of(now.state())).refused);
    ASSERT_FALSE(saved_later.save_results(at("cli/later.txt"), save_choices_of(saved_later.state()))
                     .refused);
    EXPECT_EQ(contents(at("cli/later.exm")), contents(at("app/now.exm")));
    EXPECT_EQ(contents(at("cli/later.txt")), contents(at("app/now.txt")));
}

// Each workflow says what it changed, so that the windows show exactly that
// anew: the data set, the settings, the results.
TEST_F(ApplicationFlow, EachWorkflowSaysWhatItChanged) {
    struct Expected {
        const char* what;
        Outcome outcome;
        bool data, settings, results;
    };
    Application app;
    const Outcome refused_analysis = app.analyze();  // nothing loaded yet
    const Expected cases[] = {
        {"a refused analysis", refused_analysis, false, false, false},
        {"an example", app.open_example("set1"), true, true, false},
        {"an item order", app.choose_item_order(ItemOrder::difficulty), false, true, false},
        {"the group dialog's OK", app.group_ok(), false, true, false},
        {"counting the lines", app.count_lines_as_examinees(), true, false, false},
        {"a conversion", app.convert(Conversion::letters), true, false, false},
        {"closing the editor", app.close_editor(EditorExit::close_and_analyze).outcome, true, false,
         false},
        {"an analysis", app.analyze(), false, false, true},
        {"a save of results", app.save_item_stats(at("items.txt")), false, false, false},
    };
    for (const Expected& c : cases) {
        EXPECT_EQ(c.outcome.changed.data, c.data) << c.what;
        EXPECT_EQ(c.outcome.changed.settings, c.settings) << c.what;
        EXPECT_EQ(c.outcome.changed.results, c.results) << c.what;
    }
    EXPECT_FALSE(cases[7].outcome.refused);
}

// The calculator as a value: no analysis is needed and nothing of the
// program state changes. A test of reliability 0.5 needs four times its
// length to reach 0.8.
TEST(SpearmanBrownValue, GivesTheLengthForADesiredReliabilityOrRefuses) {
    const Application::SpearmanBrownAnswer quadruple = Application::spearman_brown(0.5, 10, "0.8");
    EXPECT_FALSE(quadruple.outcome.refused);
    EXPECT_EQ(quadruple.answer.txt_totalitems, "40");
    EXPECT_EQ(quadruple.answer.txt_moreitems, "30");
    EXPECT_EQ(quadruple.answer.lbl_more_fewer, "more");
    EXPECT_EQ(quadruple.answer.txt_rel_out, "0.500");
    const Application::SpearmanBrownAnswer shorter = Application::spearman_brown(0.9, 40);
    EXPECT_EQ(shorter.answer.txt_sbrel, "0.800");  // the usual desired value
    EXPECT_EQ(shorter.answer.lbl_more_fewer, "fewer");
    EXPECT_TRUE(Application::spearman_brown(0.0, 10, "0.8").outcome.refused);
    EXPECT_TRUE(Application::spearman_brown(0.5, 10, "1.0").outcome.refused);
}

// What the front ends ask the application instead of deciding themselves.
TEST_F(ApplicationFlow, QueriesTheFrontEndsShare) {
    EXPECT_TRUE(Application::is_example("set1"));
    EXPECT_FALSE(Application::is_example("set"));
    EXPECT_EQ(Application::example_names(" ").rfind("set1 ", 0), 0u);

    ASSERT_EQ(testing::kor({"example", "set1", "-o", at("set1.kor")}).code, 0);
    folder.write("marks.csv", "Student,Q1\r\nKEY,A\r\nAnn,A\r\n");
    Application app;
    EXPECT_FALSE(app.is_foreign_file(at("set1.kor")));
    EXPECT_TRUE(app.is_foreign_file(at("marks.csv")));
    EXPECT_FALSE(app.is_foreign_file(at("missing.kor")));  // the reader says why

    EXPECT_FALSE(app.can_save_web_page());
    EXPECT_TRUE(app.patience_message().empty());
    ASSERT_FALSE(app.open_example("set1").refused);
    ASSERT_FALSE(app.close_editor(EditorExit::close_and_analyze).outcome.refused);
    ASSERT_FALSE(app.analyze().refused);
    EXPECT_TRUE(app.can_save_web_page());
    EXPECT_TRUE(app.can_view_grade_reports());
    EXPECT_TRUE(app.can_save_grade_reports());
}

// The domain names the field to correct; the editor's form the box.
TEST(EditorBoxes, AFieldBecomesItsBoxAndAnyOtherFocusStays) {
    const std::pair<const char*, const char*> cases[] = {
        {editor_field::items, "txt_items"},
        {editor_field::answer_key, "txt_answer_key"},
        {editor_field::data, "MemoData"},
        {"txt_sbrel", "txt_sbrel"},
        {"", ""},
    };
    for (const auto& [field, box] : cases) {
        Outcome outcome;
        outcome.refuse("refused", field);
        EXPECT_EQ(on_editor_boxes(outcome).focus, box) << field;
    }
}

}  // namespace
}  // namespace kor
