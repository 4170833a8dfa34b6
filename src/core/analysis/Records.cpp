#include "core/analysis/Records.h"

#include <cstddef>

namespace kor {

namespace {

std::vector<int> order_or_all(const std::vector<int>& order, int count) {
    if (count > 0 && order.size() == static_cast<std::size_t>(count)) {
        return order;
    }
    std::vector<int> all;
    for (int number = 1; number <= count; ++number) {
        all.push_back(number);
    }
    return all;
}

}  // namespace

std::vector<int> examinees_in_report_order(const AnalysisResults& results, int num_examinees) {
    return order_or_all(results.examinee_order, num_examinees);
}

std::vector<int> items_in_report_order(const AnalysisResults& results, int num_items) {
    return order_or_all(results.item_order, num_items);
}

}  // namespace kor
