#include "core/analysis/MissingAnswers.h"

#include <cstddef>

#include "core/data/Codes.h"
#include "core/data/OneBased.h"
#include "core/data/TestData.h"

namespace kor {

int count_of(const std::vector<int>& counts, int number) {
    if (number < 1 || static_cast<std::size_t>(number) > counts.size()) {
        return 0;
    }
    return counts[static_cast<std::size_t>(number - 1)];
}

MissingAnswers count_missing_answers(const TTestData& data) {
    const auto items = static_cast<std::size_t>(data.num_items);
    const auto examinees = static_cast<std::size_t>(data.num_examinees);
    MissingAnswers missing;
    missing.skipped_by_item.assign(items, 0);
    missing.not_reached_by_item.assign(items, 0);
    missing.skipped_by_examinee.assign(examinees, 0);
    missing.not_reached_by_examinee.assign(examinees, 0);
    missing.last_answered_by_examinee.assign(examinees, 0);
    for (int i = 1; i <= data.num_examinees; ++i) {
        const auto examinee = static_cast<std::size_t>(i - 1);
        // Walking back from the last item, blanks are not reached until
        // the first answer; every blank before that answer was skipped.
        bool reached = false;
        for (int j = data.num_items; j >= 1; --j) {
            if (data.responses(i, j) != missing_code) {
                if (!reached) {
                    missing.last_answered_by_examinee[examinee] = j;
                }
                reached = true;
                continue;
            }
            if (data.item_include[at(j)] == 0) {
                continue;
            }
            const auto item = static_cast<std::size_t>(j - 1);
            ++(reached ? missing.skipped_by_item : missing.not_reached_by_item)[item];
            ++(reached ? missing.skipped_by_examinee : missing.not_reached_by_examinee)[examinee];
        }
    }
    return missing;
}

}  // namespace kor
