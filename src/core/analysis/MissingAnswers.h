#pragma once
// The answers left out, told apart: a blank is "not reached" when it and
// every answer after it in the examinee's item order are blank (the
// examinee ran out of time), "skipped" otherwise. The two add up to the
// answers left out that the options analysis counts.

#include <vector>

namespace kor {

struct TTestData;

struct MissingAnswers {
    // By item number (index 0 is item 1).
    std::vector<int> skipped_by_item;
    std::vector<int> not_reached_by_item;
    // By examinee number (index 0 is examinee 1).
    std::vector<int> skipped_by_examinee;
    std::vector<int> not_reached_by_examinee;
};

// The counts of the loaded data set, over every item.
MissingAnswers count_missing_answers(const TTestData& data);

}  // namespace kor
