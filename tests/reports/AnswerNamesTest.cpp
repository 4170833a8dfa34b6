// The options named as the answer key names them in the web page, for each
// way the built-in examples write their answers; the options CSV keeps the
// letters its readers rely on.

#include <gtest/gtest.h>

#include <string>

#include "app/Application.h"
#include "reports/AnswerNames.h"
#include "reports/CsvResults.h"
#include "reports/HtmlReport.h"
#include "support/HtmlCheck.h"

namespace kor {
namespace {

using testing::HtmlElement;
using testing::HtmlPage;

TEST(AnswerNames, TheWebPageAndTheOptionsCsvNameOptionsAsTheKeyWasTyped) {
    struct Case {
        const char* example;
        AnswerForm form;
        const char* key;     // item 1's key (option 1 in every example)
        const char* second;  // option 2's name in the CSV, always a letter
        const char* shown;   // and in the web page
    };
    const Case cases[] = {
        {"letter", AnswerForm::letters, "A", "B", "Option B"},
        {"truefalse", AnswerForm::true_false, "T", "B", "Option F"},
        {"numeric", AnswerForm::digits, "1", "B", "Option 2"},
        // Digits and letters in one key: the option numbers of the reports.
        {"mixture", AnswerForm::digits, "1", "B", "Option 2"},
        {"rightwrong", AnswerForm::digits, "1", "WRONG", "WRONG"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.example);
        Application app;
        ASSERT_FALSE(app.open_example(c.example).refused);
        ASSERT_FALSE(app.close_editor(EditorExit::close_and_analyze).outcome.refused);
        ASSERT_FALSE(app.analyze().refused);
        EXPECT_EQ(answer_form(app.state().data), c.form);

        const std::vector<std::string> csv = options_csv_lines(app.state());
        ASSERT_GE(csv.size(), 3u);
        EXPECT_EQ(csv[2].substr(0, csv[2].find(',', 2)), std::string("1,") + c.second);

        const HtmlPage page = testing::read_html(testing::joined(html_report_lines(app.state())));
        ASSERT_EQ(page.error, "");
        const HtmlElement* row = page.by_id("row-1");
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(page.inside(*row, "td")[1]->text, c.key);
        const HtmlElement* item = page.by_id("item-1");
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(page.inside(*item, "th")[7]->text, c.shown);  // after the six column headings
    }
    // A key of 9 names no option and keeps its digit in every form.
    EXPECT_EQ(answer_name(AnswerForm::letters, 9), "9");
    EXPECT_EQ(answer_name(AnswerForm::true_false, 3), "3");
}

}  // namespace
}  // namespace kor
