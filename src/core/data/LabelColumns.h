#pragma once
// Character columns of the examinees' labels that hold something the data
// lines carry beside the id: the exam version a student wrote, a section.

#include <optional>
#include <string>

namespace kor {

// Columns first..last of the label, counted from 1, both included.
struct LabelColumns {
    int first = 1;
    int last = 1;

    friend bool operator==(const LabelColumns&, const LabelColumns&) = default;
};

// "12" or "12-13"; none for anything else (a column 0, the ends reversed).
std::optional<LabelColumns> parse_label_columns(const std::string& text);

// The columns as the flag takes them: "12" or "12-13".
std::string label_columns_text(LabelColumns columns);

// What the columns of `label` hold, without the blanks around it; empty
// where the label is shorter.
std::string label_part(const std::string& label, LabelColumns columns);

}  // namespace kor
