#include "app/forms/TosForm.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "core/TextUtil.h"

namespace kor {

namespace {

int clamp_count(int k) {
    return std::clamp(k, 0, max_tos_categories);
}

// Boxes beyond the chosen count are disabled and lose their text.
void empty_boxes_after(OneBased<std::string, max_tos_categories>& boxes, int count) {
    for (int k = count + 1; k <= max_tos_categories; ++k) {
        boxes[at(k)].clear();
    }
}

void empty_stored_names(TTestData& data) {
    data.content_area_names.fill(std::string());
    data.cognitive_level_names.fill(std::string());
}

void store_names(const OneBased<std::string, max_tos_categories>& boxes, int count,
                 const std::string& fallback, OneBased<std::string, max_tos_categories>& names) {
    for (int k = 1; k <= clamp_count(count); ++k) {
        const std::string& box = boxes[at(k)];
        names[at(k)] = box.empty() ? fallback + std::to_string(k) : cut(box, tos_name_length);
    }
}

// The items the grids hold: never more than 100, never beyond a grid row.
int grid_items(const TosForm& form) {
    const std::size_t cells = std::min(form.area_cells.size(), form.level_cells.size());
    return cells == 0 ? 0 : static_cast<int>(std::min(cells - 1, at(max_items)));
}

// The words of one grid row's messages.
struct GridRow {
    const char* plural;  // "Content Areas" or "Cognitive Levels"
    int count;           // the highest value allowed
};

// Reads one cell: empty is "not assigned" (0). Values are kept as read, also
// when out of range, since the dialog comes back until the grid is right. The
// range is checked only while no error has been found; a negative value is
// out of range too, because the reports count items per area and level.
std::optional<int> read_cell(const std::string& cell, const GridRow& row, int item,
                             bool& error_mark, Outcome& outcome) {
    if (cell.empty()) {
        return 0;
    }
    std::optional<int> value = parse_int(cell);
    const std::string check = " -- check item #" + std::to_string(item);
    if (!value) {
        outcome.refuse(std::string("One of your ") + row.plural + " is not an integer" + check);
        error_mark = true;
        return std::nullopt;
    }
    if (!error_mark && (*value > row.count || *value < 0)) {
        outcome.refuse(std::string("One of your ") + row.plural + " is out of range" + check);
        error_mark = true;
    }
    return value;
}

// Area cells are read for every item; once an error is found the level cells
// are no longer read.
void read_grid(ProgramState& state, Outcome& outcome) {
    TosForm& form = state.tos_form;
    TTestData& data = state.data;
    const GridRow areas{"Content Areas", data.num_content_areas};
    const GridRow levels{"Cognitive Levels", data.num_cognitive_levels};
    for (int item = 1; item <= grid_items(form); ++item) {
        ItemTos& tos = data.item_tos[at(item)];
        if (auto area =
                read_cell(form.area_cells[at(item)], areas, item, form.error_mark, outcome)) {
            tos.content_area = *area;
        }
        if (form.error_mark) {
            continue;
        }
        if (auto level =
                read_cell(form.level_cells[at(item)], levels, item, form.error_mark, outcome)) {
            tos.cognitive_level = *level;
        }
    }
}

}  // namespace

void tos_select_areas(ProgramState& state, int k) {
    const int count = clamp_count(k);
    state.tos_form.areas = count;
    state.data.num_content_areas = count;
    empty_boxes_after(state.tos_form.txt_content, count);
}

void tos_select_levels(ProgramState& state, int k) {
    const int count = clamp_count(k);
    state.tos_form.levels = count;
    state.data.num_cognitive_levels = count;
    empty_boxes_after(state.tos_form.txt_skill, count);
}

void tos_lay_out_grids(TosForm& form, int num_items) {
    const std::size_t cells = at(std::clamp(num_items, 0, max_items)) + 1;
    form.item_cells.resize(cells);
    form.area_cells.resize(cells);
    form.level_cells.resize(cells);
    for (std::size_t item = 1; item < cells; ++item) {
        form.item_cells[item] = std::to_string(item);
    }
}

void tos_reset(ProgramState& state, int num_items) {
    tos_select_areas(state, 0);
    tos_select_levels(state, 0);
    TosForm& form = state.tos_form;
    form.item_cells.clear();
    form.area_cells.clear();
    form.level_cells.clear();
    tos_lay_out_grids(form, num_items);
}

void tos_open_dialog(ProgramState& state) {
    tos_lay_out_grids(state.tos_form, parse_int(state.editor.items).value_or(0));
}

Outcome tos_ok(ProgramState& state) {
    Outcome outcome;
    TTestData& data = state.data;
    TosForm& form = state.tos_form;
    form.error_mark = false;
    empty_stored_names(data);
    store_names(form.txt_content, data.num_content_areas, "Content Area ", data.content_area_names);
    store_names(form.txt_skill, data.num_cognitive_levels, "Cognitive Level ",
                data.cognitive_level_names);
    if (data.num_content_areas > 0 || data.num_cognitive_levels > 0) {
        read_grid(state, outcome);
    }
    return outcome;
}

std::vector<TosGrid> tos_grids(int num_items) {
    constexpr int grid_width = 34;
    std::vector<TosGrid> grids;
    const int items = std::clamp(num_items, 0, max_items);
    for (int first = 1; first <= items; first += grid_width) {
        grids.push_back({first, std::min(grid_width, items - first + 1)});
    }
    return grids;
}

void tos_use_taxonomy(ProgramState& state, Taxonomy taxonomy) {
    std::vector<std::string> names;
    switch (taxonomy) {
        case Taxonomy::popham:
            names = {"Recall", "Beyond Recall"};
            break;
        case Taxonomy::bloom:
            names = {"Knowledge", "Comprehension", "Application",
                     "Analysis",  "Synthesis",     "Evaluation"};
            break;
        case Taxonomy::gagne:
            names = {"Verbal Information", "Discriminations", "Concrete Concepts",
                     "Defined Concepts",   "Rules",           "Higher Order Rules"};
            break;
        case Taxonomy::oosterhof:
            names = {"Declarative Knowledge", "Discriminations", "Concepts", "Rules",
                     "Complex Skills"};
            break;
    }
    tos_select_levels(state, static_cast<int>(names.size()));
    for (std::size_t k = 0; k < names.size(); ++k) {
        state.tos_form.txt_skill[k + 1] = names[k];
    }
}

void tos_use_default_set(ProgramState& state) {
    TosForm& form = state.tos_form;
    tos_select_areas(state, 2);
    tos_select_levels(state, 2);
    form.txt_content[1] = "Chapter 1";
    form.txt_content[2] = "Chapter 2";
    form.txt_skill[1] = "Recall";
    form.txt_skill[2] = "Beyond Recall";
    // Each grid on its own: the first quarter area 1 level 1, up to the half
    // area 1 level 2, up to the last quarter area 2 level 1, the rest area 2 level 2.
    const int items = static_cast<int>(form.area_cells.size()) - 1;
    for (const TosGrid& grid : tos_grids(items)) {
        const int m = grid.columns;
        const int q = m / 4;
        for (int position = 1; position <= m; ++position) {
            const bool first_area = position <= m / 2;
            const bool first_level = position <= q || (position > m / 2 && position <= m - q);
            const auto item = at(grid.first_item + position - 1);
            form.area_cells[item] = first_area ? "1" : "2";
            form.level_cells[item] = first_level ? "1" : "2";
        }
    }
}

void tos_cancel(ProgramState& state) {
    tos_select_areas(state, 0);
    tos_select_levels(state, 0);
    empty_stored_names(state.data);
}

}  // namespace kor
