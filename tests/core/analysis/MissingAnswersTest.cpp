// Answers left out, told apart: blanks up to the end of an examinee's items
// were not reached, blanks before an answer were skipped; and the binomial
// standard error at each score.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "app/Application.h"
#include "core/analysis/MissingAnswers.h"
#include "core/analysis/Reliability.h"

namespace kor {
namespace {

TEST(MissingAnswers, BlanksToTheEndAreNotReachedAndOthersSkipped) {
    EditorTexts texts;
    texts.cases = "4";
    texts.items = "6";
    texts.label_length = "2";
    texts.answer_key = "ABCDAB";
    texts.options = "444444";
    texts.include = "YYYYYY";
    texts.data_lines = {
        "a ABCDAB",  // nothing left out
        "b AB.D..",  // a skip at item 3, items 5-6 not reached
        "c ......",  // nothing reached
        "d .BCDA.",  // a skip at item 1, item 6 not reached
    };
    Application app;
    app.set_editor_texts(texts);
    ASSERT_FALSE(app.close_editor(EditorExit::ok).outcome.refused);
    const MissingAnswers missing = count_missing_answers(app.state().data);
    EXPECT_EQ(missing.skipped_by_item, (std::vector<int>{1, 0, 1, 0, 0, 0}));
    EXPECT_EQ(missing.not_reached_by_item, (std::vector<int>{1, 1, 1, 1, 2, 3}));
    EXPECT_EQ(missing.skipped_by_examinee, (std::vector<int>{0, 1, 0, 1}));
    EXPECT_EQ(missing.not_reached_by_examinee, (std::vector<int>{0, 2, 6, 1}));
    // Together they are the answers the options analysis counts as omitted.
    ASSERT_FALSE(app.analyze().refused);
    for (int j = 1; j <= 6; ++j) {
        const auto item = static_cast<std::size_t>(j - 1);
        EXPECT_EQ(missing.skipped_by_item[item] + missing.not_reached_by_item[item],
                  app.state().results.option_figures[j].NumOmitted)
            << "item " << j;
    }
}

TEST(BinomialCsem, IsZeroAtTheEndsAndLargestInTheMiddle) {
    const struct {
        int x, k;
        double csem;
    } cases[] = {{0, 10, 0.0},
                 {10, 10, 0.0},
                 {5, 10, std::sqrt(25.0 / 9.0)},
                 {3, 40, std::sqrt(3.0 * 37.0 / 39.0)},
                 {1, 1, 0.0}};
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(binomial_csem(c.x, c.k), c.csem) << c.x << " of " << c.k;
    }
}

}  // namespace
}  // namespace kor
