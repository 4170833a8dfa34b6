#pragma once
// The answers left out, told apart: a blank is "not reached" when it and
// every answer after it in the examinee's item order are blank (the
// examinee ran out of time), "skipped" otherwise. Every item's answer
// counts in telling them apart, but only the included items' blanks are
// counted: the two then add up to the answers left out that the options
// analysis counts, by item and over the examinees.

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
    // The number of the last item each examinee answered (0 for none): the
    // items after it were not reached.
    std::vector<int> last_answered_by_examinee;
};

// The count of item or examinee `number` (from 1); 0 beyond the counts,
// as before an analysis has counted anything.
int count_of(const std::vector<int>& counts, int number);

// The counts of the loaded data set.
MissingAnswers count_missing_answers(const TTestData& data);

}  // namespace kor
