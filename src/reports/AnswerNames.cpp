#include "reports/AnswerNames.h"

#include <algorithm>
#include <string_view>

#include "core/Format.h"
#include "core/data/TestData.h"

namespace kor {

namespace {

constexpr int first_option = 1;
constexpr int last_option = 8;

bool names_an_option(int code) {
    return code >= first_option && code <= last_option;
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

AnswerForm answer_form(const TTestData& data) {
    if (data.data_are_right_wrong) {
        return AnswerForm::digits;
    }
    bool digits = false;
    bool letters = false;
    bool true_false = false;
    bool all_true_false_items = true;
    const int items =
        std::clamp(std::min(data.num_items, static_cast<int>(data.key_text.size())), 0, max_items);
    for (int j = 1; j <= items; ++j) {
        const auto at = static_cast<std::size_t>(j);
        const bool two_options = data.item_options[at] == 2;
        all_true_false_items = all_true_false_items && two_options;
        if (!names_an_option(data.item_key[at])) {
            continue;
        }
        const char typed = data.key_text[at - 1];
        if (is_digit(typed)) {
            digits = true;
        } else if (two_options && std::string_view("TtFf").find(typed) != std::string_view::npos) {
            true_false = true;
        } else {
            letters = true;
        }
    }
    if (digits || (!letters && !true_false)) {
        return AnswerForm::digits;
    }
    return true_false && !letters && all_true_false_items ? AnswerForm::true_false
                                                          : AnswerForm::letters;
}

std::string answer_name(AnswerForm form, int code) {
    switch (form) {
        case AnswerForm::digits:
            break;
        case AnswerForm::letters:
            if (names_an_option(code)) {
                return std::string(1, static_cast<char>('A' + code - first_option));
            }
            break;
        case AnswerForm::true_false:
            if (code == 1 || code == 2) {
                return code == 1 ? "T" : "F";
            }
            break;
    }
    return whole(code);
}

}  // namespace kor
