#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/analysis/RecordSort.h"

namespace kor {
namespace {

TEST(RecordSort, HandWorkedTieOrder) {
    // Keys 2a 1 2b 1 at positions 1..4. a=4: largest is 2, highest position
    // holding it is 3 -> swap 3,4: 2a 1 1 2b. a=3: largest 2a at 1 -> swap
    // 1,3: 1(pos4) 1(pos2) 2a 2b. a=2: keys equal, nothing moves.
    const std::vector<std::int64_t> keys = {2, 1, 2, 1};
    const std::vector<int> expected = {3, 1, 0, 2};
    EXPECT_EQ(literal_selection_sort_order(keys), expected);
    EXPECT_EQ(selection_sort_order(keys), expected);
}

TEST(RecordSort, EmptyAndSingle) {
    EXPECT_TRUE(selection_sort_order({}).empty());
    EXPECT_EQ(selection_sort_order({5}), std::vector<int>{0});
}

TEST(RecordSort, FastSortGivesTheLiteralPermutationOnRandomDataFullOfTies) {
    std::mt19937 random(20261208);
    for (int round = 0; round < 3000; ++round) {
        const auto n = std::uniform_int_distribution<int>(0, 120)(random);
        const auto distinct =
            std::uniform_int_distribution<int>(1, round % 3 == 0 ? 3 : 40)(random);
        std::vector<std::int64_t> keys(static_cast<std::size_t>(n));
        for (auto& key : keys) {
            key = std::uniform_int_distribution<int>(0, distinct - 1)(random);
        }
        ASSERT_EQ(selection_sort_order(keys), literal_selection_sort_order(keys))
            << "round " << round;
    }
}

TEST(RecordSort, LargeInputMatchesToo) {
    std::mt19937 random(7);
    std::vector<std::int64_t> keys(3000);
    for (auto& key : keys) {
        key = std::uniform_int_distribution<int>(0, 60)(random);
    }
    EXPECT_EQ(selection_sort_order(keys), literal_selection_sort_order(keys));
}

TEST(RecordSort, LabelRanksCompareByCharacterCode) {
    std::mt19937 random(11);
    const std::string alphabet = "aB b\xe9Z";  // upper case before lower case; byte 0xE9 last
    for (int round = 0; round < 500; ++round) {
        std::vector<std::string> labels(
            static_cast<std::size_t>(std::uniform_int_distribution<int>(0, 60)(random)));
        for (auto& label : labels) {
            const auto length = std::uniform_int_distribution<int>(0, 3)(random);
            for (int c = 0; c < length; ++c) {
                label += alphabet[static_cast<std::size_t>(
                    std::uniform_int_distribution<int>(0, 5)(random))];
            }
        }
        const auto ranks = ranks_of(labels);
        // The literal procedure compares the strings themselves.
        std::vector<int> order(labels.size());
        for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
        std::vector<std::string> k(labels);
        for (std::size_t a = k.size(); a-- > 1;) {
            std::size_t m = a;
            for (std::size_t p = a; p-- > 0;) {
                if (k[p].compare(k[m]) > 0)
                    m = p;
            }
            if (m != a) {
                std::swap(k[a], k[m]);
                std::swap(order[a], order[m]);
            }
        }
        ASSERT_EQ(selection_sort_order(ranks), order) << "round " << round;
    }
    EXPECT_LT(ranks_of(std::vector<std::string>{"B", "a"})[0],
              ranks_of(std::vector<std::string>{"B", "a"})[1]);
    EXPECT_LT(ranks_of(std::vector<std::string>{"z", "\xe9"})[0],
              ranks_of(std::vector<std::string>{"z", "\xe9"})[1]);
}

TEST(RecordSort, RealRanksKeepEqualValuesEqual) {
    const auto ranks = ranks_of(std::vector<double>{0.5, -1.0, 0.5, 9.0});
    EXPECT_EQ(ranks, (std::vector<std::int64_t>{1, 0, 1, 2}));
}

}  // namespace
}  // namespace kor
