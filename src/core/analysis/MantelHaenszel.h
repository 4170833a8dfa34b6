#pragma once
// Differential item functioning by the Mantel-Haenszel procedure: the
// examinees of a reference and a focal group are matched on their total
// score, and at each score level where both groups are present the odds of
// answering the item correctly are compared. The formulas follow Holland
// and Thayer (1988), "Differential item performance and the Mantel-Haenszel
// procedure", in Wainer and Braun (eds.), Test Validity, and the ETS
// classes the screening form of Zwick (2012), ETS Research Report RR-12-08.
//
// At each score level, with A, B the reference group's right and wrong
// answers, C, D the focal group's, n_R = A + B, n_F = C + D, m_1 = A + C,
// m_0 = B + D and N = n_R + n_F:
//   alpha_MH   = sum(A D / N) / sum(B C / N)
//   MH D-DIF   = -2.35 ln alpha_MH  (negative: harder for the focal group)
//   E(A)       = n_R m_1 / N,  Var(A) = n_R n_F m_1 m_0 / (N^2 (N - 1))
//   chi-square = (|sum A - sum E(A)| - 0.5)^2 / sum Var(A), 1 degree of freedom

#include <optional>
#include <string>
#include <vector>

namespace kor {

// The counts of one score level: right and wrong in each group.
struct MhLevel {
    int reference_right = 0;
    int reference_wrong = 0;
    int focal_right = 0;
    int focal_wrong = 0;
};

// What the procedure gives for one item; a figure that cannot be computed
// is none, and `reason` says why.
struct MhFigures {
    std::optional<double> alpha;       // the common odds ratio alpha_MH
    std::optional<double> d_dif;       // MH D-DIF = -2.35 ln alpha_MH
    std::optional<double> chi_square;  // with the continuity correction
    std::optional<double> p;           // of the chi-square, 1 degree of freedom
    std::string ets_class;             // "A", "B", "C"; empty when the item cannot be tested
    std::string reason;                // why a figure is none; empty when every one is computed
    int levels = 0;                    // the score levels where both groups are present
};

// The figures from the counts of every score level (levels where a group
// is absent are left out).
MhFigures mantel_haenszel(const std::vector<MhLevel>& levels);

// The ETS class in its screening form: A where |D-DIF| < 1 or the
// chi-square is not significant at 0.05, C where |D-DIF| >= 1.5 and it is,
// B otherwise.
std::string ets_class_of(double d_dif, double p);

// The upper tail of the chi-square distribution with 1 degree of freedom.
double chi_square_1_upper_tail(double chi_square);

}  // namespace kor
