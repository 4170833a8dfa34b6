#include "core/data/LegacyInput.h"

namespace kor {

const std::array<ImportChoiceButton, 6>& import_choice_buttons() {
    static const std::array<ImportChoiceButton, 6> buttons = {{
        {ImportChoice::version3, "KOR Version 3.x.x", true},
        {ImportChoice::version4, "KOR Version 4.x.x", true},
        {ImportChoice::version5, "KOR Version 5.x.x", true},
        {ImportChoice::version6, "KOR Version 6.x.x", true},
        {ImportChoice::version7, "KOR Version 7.x.x", false},
        {ImportChoice::version8, "KOR Version 8.x.x", false},
    }};
    return buttons;
}

std::optional<InputLayout> import_form_ok(const ImportForm& form) {
    switch (form.selected) {
        case ImportChoice::version3:
            return InputLayout::version3;
        case ImportChoice::version4:
            return InputLayout::version4;
        case ImportChoice::version5:
            return InputLayout::version5;
        case ImportChoice::version6:
            return InputLayout::version6;
        case ImportChoice::version7:
        case ImportChoice::version8:
            break;
    }
    return std::nullopt;
}

std::optional<InputLayout> input_layout_named(std::string_view name) {
    if (name == "v3") {
        return InputLayout::version3;
    }
    if (name == "v4") {
        return InputLayout::version4;
    }
    if (name == "v5") {
        return InputLayout::version5;
    }
    if (name == "v6") {
        return InputLayout::version6;
    }
    return std::nullopt;
}

}  // namespace kor
