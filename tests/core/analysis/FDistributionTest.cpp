// The F distribution's quantiles against references computed in 40-digit
// arithmetic (tests/data/f_quantiles/make_references.py), and Feldt's
// interval of a reliability coefficient from them.

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "core/FileIO.h"
#include "core/TextUtil.h"
#include "core/analysis/FDistribution.h"
#include "core/analysis/Reliability.h"

namespace kor {
namespace {

struct Reference {
    double p, d1, d2, f;
};

std::vector<Reference> references() {
    std::vector<Reference> found;
    const std::string path = std::string(KOR_TEST_DATA_DIR) + "/f_quantiles/references.txt";
    for (const std::string& line : split_lines(read_file(path, 1u << 20))) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream in(line);
        Reference r{};
        in >> r.p >> r.d1 >> r.d2 >> r.f;
        found.push_back(r);
    }
    return found;
}

double reference_quantile(double p, double d1, double d2) {
    for (const Reference& r : references()) {
        if (r.p == p && r.d1 == d1 && r.d2 == d2) {
            return r.f;
        }
    }
    ADD_FAILURE() << "no reference for " << p << " " << d1 << " " << d2;
    return 0.0;
}

TEST(FDistribution, QuantilesAreRightToOnePartInTenBillion) {
    const std::vector<Reference> all = references();
    ASSERT_EQ(all.size(), 7u * 12u * 12u);
    for (const Reference& r : all) {
        const double f = f_quantile(r.p, r.d1, r.d2);
        EXPECT_LE(std::fabs(f - r.f) / r.f, 1e-10)
            << "F(" << r.p << "; " << r.d1 << ", " << r.d2 << ") = " << f << ", not " << r.f;
    }
    // The quantile and the distribution function undo each other.
    const double f = f_quantile(0.9, 7, 40);
    EXPECT_NEAR(regularized_beta(7.0 * f / (7.0 * f + 40.0), 3.5, 20.0), 0.9, 1e-13);
}

TEST(FeldtInterval, EndsAreTheFQuantilesOfItsDegreesOfFreedom) {
    const struct {
        int examinees, items;  // giving degrees of freedom found in the references
    } cases[] = {{31, 2}, {1001, 2}, {100, 9999}, {2, 2}};
    for (const auto& c : cases) {
        const double d1 = c.examinees - 1.0;
        const double d2 = d1 * (c.items - 1.0);
        const double r = 0.697;
        const ReliabilityInterval interval = feldt_interval(r, c.examinees, c.items, true, 0.95);
        SCOPED_TRACE(std::to_string(c.examinees) + " examinees, " + std::to_string(c.items) +
                     " items");
        EXPECT_TRUE(interval.reason.empty());
        EXPECT_NEAR(interval.low, 1.0 - (1.0 - r) * reference_quantile(0.975, d1, d2), 1e-9);
        EXPECT_NEAR(interval.high, 1.0 - (1.0 - r) * reference_quantile(0.025, d1, d2), 1e-9);
        EXPECT_LT(interval.low, r);
        EXPECT_GT(interval.high, r);
    }
    const struct {
        int examinees, items;
        bool variance;
        std::string reason;
    } undefined[] = {
        {1, 40, true, "an interval needs at least two examinees"},
        {23, 1, true, "an interval needs at least two items"},
        {23, 40, false, "the scores do not vary, so the coefficient has no interval"},
    };
    for (const auto& u : undefined) {
        EXPECT_EQ(feldt_interval(0.5, u.examinees, u.items, u.variance, 0.95).reason, u.reason);
    }
}

}  // namespace
}  // namespace kor
