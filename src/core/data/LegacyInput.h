#pragma once
// "Import old KOR Input File": the small window that asks which version of
// the program wrote an input file, and the readers it starts. The older
// layouts are only read; a file read this way is saved in the current one.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/Outcome.h"
#include "core/data/InputFile.h"

namespace kor {

struct AnalysisState;

inline constexpr const char* import_form_caption = "Import old KOR Input File";
inline constexpr const char* import_form_question = "Which KOR Version created your input file?";
// Every reader asks for its file with this extension and filter.
inline constexpr const char* legacy_file_extension = "kor";
inline constexpr const char* legacy_file_filter = "KOR files (*.kor)|*.kor";

// The chooser's radio buttons; versions 7 and 8 are hidden and read nothing.
enum class ImportChoice { version3, version4, version5, version6, version7, version8 };

struct ImportChoiceButton {
    ImportChoice choice;
    const char* caption;
    bool visible;
};

// The radio buttons in window order.
const std::array<ImportChoiceButton, 6>& import_choice_buttons();

struct ImportForm {
    ImportChoice selected = ImportChoice::version6;
};

// OK: the layout whose reader runs (after the chooser closes and the editor
// is shown), or none for the hidden choices.
std::optional<InputLayout> import_form_ok(const ImportForm& form);

// The layout named on a command line: "v3", "v4", "v5" or "v6".
std::optional<InputLayout> input_layout_named(std::string_view name);

}  // namespace kor
