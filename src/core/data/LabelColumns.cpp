#include "core/data/LabelColumns.h"

#include <algorithm>

#include "core/TextUtil.h"
#include "core/data/CsvReader.h"

namespace kor {

std::optional<LabelColumns> parse_label_columns(const std::string& text) {
    const std::size_t dash = text.find('-');
    const std::optional<int> first = parse_int(trimmed(text.substr(0, dash)));
    const std::optional<int> last =
        dash == std::string::npos ? first : parse_int(trimmed(text.substr(dash + 1)));
    if (!first || !last || *first < 1 || *last < *first) {
        return std::nullopt;
    }
    return LabelColumns{*first, *last};
}

std::string label_columns_text(LabelColumns columns) {
    const std::string first = std::to_string(columns.first);
    return columns.first == columns.last ? first : first + "-" + std::to_string(columns.last);
}

std::string label_part(const std::string& label, LabelColumns columns) {
    const std::size_t start = static_cast<std::size_t>(columns.first - 1);
    if (start >= label.size()) {
        return {};
    }
    const std::size_t length = static_cast<std::size_t>(columns.last - columns.first + 1);
    return trimmed(label.substr(start, std::min(length, label.size() - start)));
}

}  // namespace kor
