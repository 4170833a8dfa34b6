#pragma once
// The one test data set of a run: the texts the user typed (source layer)
// and the arrays the loader fills from them (loaded layer).

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/data/AltAnswers.h"
#include "core/data/LabelColumns.h"
#include "core/data/OneBased.h"

namespace kor {

inline constexpr int max_examinees_limit = 9999;  // value of max_examinees
inline constexpr int max_items = 100;
inline constexpr int max_label_plus_items = 105;
inline constexpr std::size_t title_length = 70;
inline constexpr int max_partial_credit_items = 98;
inline constexpr int answer_slots = 9;  // the key and up to eight more correct answers
inline constexpr int max_tos_categories = 6;
inline constexpr std::size_t tos_name_length = 50;

// The editor's boxes as typed, kept exactly: the source layer.
struct EditorTexts {
    std::string title;
    std::string comments;
    std::string cases;
    std::string items;
    std::string missing_data = "9";
    std::string label_length;
    std::string answer_key;
    std::string options;
    std::string include;
    std::vector<std::string> data_lines;  // one entry per line of the data window

    friend bool operator==(const EditorTexts&, const EditorTexts&) = default;
};

// The editor texts a refusal names as the one to correct (its focus): the
// names of the fields above. The windows put the focus on the box that
// shows the field.
namespace editor_field {
inline constexpr const char* title = "title";
inline constexpr const char* cases = "cases";
inline constexpr const char* items = "items";
inline constexpr const char* label_length = "label_length";
inline constexpr const char* answer_key = "answer_key";
inline constexpr const char* options = "options";
inline constexpr const char* include = "include";
inline constexpr const char* data = "data_lines";
}  // namespace editor_field

// The whole id and name of a student whose label in the data lines is a
// shortened form of its id.
struct FullId {
    std::string id;
    std::string name;

    friend bool operator==(const FullId&, const FullId&) = default;
};

struct ItemTos {
    int content_area = 0;     // 0 = not assigned
    int cognitive_level = 0;  // 0 = not assigned
};

// What the data editor does first when it becomes active.
enum EditorStartMode : int {
    start_nothing = 1,
    start_new = 2,
    start_open_file = 3,
    start_generate = 4,
    start_generate_fixed = 5,
    start_insert_text = 6,
};

// What the right-wrong conversion rewrites besides the key, option and
// response codes: the options line, and the alternatives (the converted data
// carry none). The way back gives them back, however often the converted
// data were loaded in between.
struct RightWrongKept {
    bool held = false;
    std::string options_text;
    std::string include_text;  // the include line as loaded, "A" items and all
    OneBased<std::uint8_t, max_items> item_include;
    OneBased<std::array<std::int32_t, answer_slots>, max_items> item_correct_answers;
    OneBased<std::array<std::string, answer_slots>, max_items> alt_answer_cells;
    OneBased<std::array<std::uint8_t, answer_slots>, max_items> confirmed_alternatives;
    int num_alt_items = 0;
    AltAnswerTable table;
};

// The two groups an analysis of differential item functioning compares.
struct DifChoice {
    std::string reference;
    std::string focal;

    friend bool operator==(const DifChoice&, const DifChoice&) = default;
};

struct TTestData {
    // --- loaded layer: written by the loader, read by the analysis ---
    std::string test_title;
    std::string test_comments;
    std::string missing_symbol_text = "9";
    std::string key_text;
    std::string options_text;
    std::string include_text;

    int num_examinees = 0;
    int num_items = 0;
    int label_length = 0;
    int max_options = 8;  // 5 or 8; a program setting, not part of the file
    int max_examinees = max_examinees_limit;

    OneBased<std::uint8_t, max_items> item_key;
    std::string key_digits;
    OneBased<std::uint8_t, max_items> item_options;
    int max_item_options = 0;
    OneBased<std::uint8_t, max_items> item_include;
    int num_included_items = 0;
    OneBased<std::array<std::int32_t, answer_slots>, max_items> item_correct_answers;
    OneBased<std::array<std::string, answer_slots>, max_items> alt_answer_cells;
    // The answers the alternative-answers table's last accepted OK confirmed,
    // by item and slot 1..8; 0 where none was. Slot 0 is always the key.
    OneBased<std::array<std::uint8_t, answer_slots>, max_items> confirmed_alternatives;
    int num_alt_items = 0;
    int num_alt_or_all_correct_items = 0;

    // responses(i, j): code of examinee i on item j, 0..8 or 9 = missing.
    std::uint8_t& responses(int examinee, int item) {
        return response_cells_[cell(examinee, item)];
    }
    std::uint8_t responses(int examinee, int item) const {
        return response_cells_[cell(examinee, item)];
    }

    bool partial_credit_on = false;
    int pc_total_points = 0;
    OneBasedHeap<std::int32_t, max_examinees_limit> pc_points;
    double mc_item_points = 1.0;
    bool data_are_right_wrong = false;

    // The key, options and responses before the right-wrong conversion, so
    // that converting back restores them.
    OneBased<std::uint8_t, max_items> saved_item_key;
    OneBased<std::uint8_t, max_items> saved_item_options;
    std::uint8_t& saved_responses(int examinee, int item) {
        return saved_response_cells_[cell(examinee, item)];
    }
    std::uint8_t saved_responses(int examinee, int item) const {
        return saved_response_cells_[cell(examinee, item)];
    }
    RightWrongKept right_wrong_kept;

    std::string original_key_text;
    OneBasedLines original_lines;
    bool original_lines_saved = false;
    // Whether the first load keeps its lines for the way back to them; a run
    // that never converts back (the command line) keeps no copy.
    bool keeps_original_lines = true;

    int num_content_areas = 0;
    int num_cognitive_levels = 0;
    OneBased<std::string, max_tos_categories> content_area_names;
    OneBased<std::string, max_tos_categories> cognitive_level_names;
    OneBased<ItemTos, max_items> item_tos;

    // --- program state that travels with the data set ---
    int editor_start_mode = start_nothing;
    bool editor_load_failed = false;
    bool data_loaded = false;
    bool opened_from_file = false;
    std::string input_file_path;
    std::string data_set_name;  // file name shown in the main window; empty = "UNSAVED"
    std::string save_file_path;
    bool include_changed = false;
    bool alt_answers_set = false;
    bool show_alt_dialog = true;
    // By label (without trailing blanks): the whole ids of a spreadsheet
    // import whose ids did not fit the data lines. The results give the whole
    // id of an examinee whose label is here, wherever its line was moved;
    // every other data set starts without any.
    std::map<std::string, FullId> full_ids;
    // The label columns that hold each examinee's exam version: set by a
    // spreadsheet import with versions, or given for a data set whose
    // labels carry them; none for every other data set.
    std::optional<LabelColumns> version_label;
    // The label columns that hold each examinee's group (a section, a
    // campus), set as the version label is; and the reference and focal
    // groups compared for differential item functioning.
    std::optional<LabelColumns> group_label;
    std::optional<DifChoice> dif_groups;

    // What an import kept beside the data lines, and what was chosen for its
    // labels, which another data set (opened, generated, reset, imported)
    // must not inherit.
    void forget_import_companions() {
        full_ids.clear();
        version_label.reset();
        group_label.reset();
        dif_groups.reset();
    }

  private:
    static std::size_t cell(int examinee, int item) {
        return static_cast<std::size_t>(examinee) * (max_items + 1) +
               static_cast<std::size_t>(item);
    }
    // Room for the largest data set; only the rows written take memory.
    static constexpr std::size_t cell_count =
        static_cast<std::size_t>(max_examinees_limit + 1) * (max_items + 1);
    ZeroedBytes response_cells_{cell_count};
    ZeroedBytes saved_response_cells_{cell_count};
};

}  // namespace kor
