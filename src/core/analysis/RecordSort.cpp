#include "core/analysis/RecordSort.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace kor {

namespace {

// A max tree over positions: each node holds the position of the largest key
// in its range, the higher position winning among equal keys. That is the
// position the procedure's downward scan settles on. Positions already
// sorted are taken out, so the root answers for positions 0..a.
class MaxPositionTree {
  public:
    explicit MaxPositionTree(const std::vector<std::int64_t>& keys) : keys_(keys) {
        while (leaves_ < keys_.size()) {
            leaves_ *= 2;
        }
        nodes_.assign(2 * leaves_, none);
        for (std::size_t p = 0; p < keys_.size(); ++p) {
            nodes_[leaves_ + p] = static_cast<int>(p);
        }
        for (std::size_t node = leaves_ - 1; node >= 1; --node) {
            nodes_[node] = better(nodes_[2 * node], nodes_[2 * node + 1]);
        }
    }

    // Position of the largest key among the positions still taking part.
    int max_position() const { return nodes_[1]; }

    void swap_keys(std::size_t a, std::size_t b) {
        std::swap(keys_[a], keys_[b]);
        refresh(a);
        refresh(b);
    }

    // Position `p` no longer takes part (it is sorted).
    void remove(std::size_t p) {
        nodes_[leaves_ + p] = none;
        refresh_parents(leaves_ + p);
    }

  private:
    static constexpr int none = -1;

    int better(int a, int b) const {
        if (a == none) {
            return b;
        }
        if (b == none) {
            return a;
        }
        const auto ka = keys_[static_cast<std::size_t>(a)];
        const auto kb = keys_[static_cast<std::size_t>(b)];
        if (ka != kb) {
            return ka > kb ? a : b;
        }
        return std::max(a, b);
    }

    void refresh(std::size_t p) { refresh_parents(leaves_ + p); }

    void refresh_parents(std::size_t node) {
        for (node /= 2; node >= 1; node /= 2) {
            nodes_[node] = better(nodes_[2 * node], nodes_[2 * node + 1]);
        }
    }

    std::vector<std::int64_t> keys_;
    std::size_t leaves_ = 1;
    std::vector<int> nodes_;
};

std::vector<int> identity_order(std::size_t n) {
    std::vector<int> order(n);
    for (std::size_t p = 0; p < n; ++p) {
        order[p] = static_cast<int>(p);
    }
    return order;
}

template <typename T>
std::vector<std::int64_t> ranks_by_value(const std::vector<T>& values) {
    std::vector<T> distinct(values);
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    std::vector<std::int64_t> ranks(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        ranks[i] = std::lower_bound(distinct.begin(), distinct.end(), values[i]) - distinct.begin();
    }
    return ranks;
}

}  // namespace

std::vector<int> selection_sort_order(const std::vector<std::int64_t>& keys) {
    std::vector<int> order = identity_order(keys.size());
    if (keys.size() < 2) {
        return order;
    }
    MaxPositionTree tree(keys);
    for (std::size_t a = keys.size() - 1; a >= 1; --a) {
        const auto m = static_cast<std::size_t>(tree.max_position());
        if (m != a) {
            std::swap(order[a], order[m]);
            tree.swap_keys(a, m);
        }
        tree.remove(a);
    }
    return order;
}

std::vector<int> literal_selection_sort_order(const std::vector<std::int64_t>& keys) {
    std::vector<int> order = identity_order(keys.size());
    std::vector<std::int64_t> k(keys);
    for (std::size_t a = k.size(); a-- > 1;) {
        std::size_t m = a;
        for (std::size_t p = a; p-- > 0;) {
            if (k[p] > k[m]) {
                m = p;
            }
        }
        if (m != a) {
            std::swap(k[a], k[m]);
            std::swap(order[a], order[m]);
        }
    }
    return order;
}

std::vector<std::int64_t> ranks_of(const std::vector<double>& values) {
    return ranks_by_value(values);
}

std::vector<std::int64_t> ranks_of(const std::vector<std::string>& values) {
    // std::string compares by unsigned character code, as the labels are compared.
    return ranks_by_value(values);
}

}  // namespace kor
