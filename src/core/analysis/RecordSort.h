#pragma once
// The ascending selection sort by which examinee and item records are
// ordered. Its order among equal keys shows in the reports, so every sort of
// records must give exactly the permutation of this procedure:
//
//   for a = n down to 2: m = a; for p = a-1 down to 1: if key[p] > key[m] then m = p;
//                        swap records a and m.
//
// The procedure is quadratic; selection_sort_order gives the same
// permutation in n log n time.

#include <cstdint>
#include <string>
#include <vector>

namespace kor {

// Positions are 0-based here. order[p] is the index (into `keys`) of the
// element that ends at position p.
std::vector<int> selection_sort_order(const std::vector<std::int64_t>& keys);

// The procedure step by step; kept as the reference the fast sort is proved against.
std::vector<int> literal_selection_sort_order(const std::vector<std::int64_t>& keys);

// Integer ranks that compare like the values: equal values get equal ranks.
std::vector<std::int64_t> ranks_of(const std::vector<double>& values);
std::vector<std::int64_t> ranks_of(const std::vector<std::string>& values);

}  // namespace kor
