#include "app/forms/InputFileForms.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "app/ProgramState.h"
#include "app/forms/EditorModel.h"
#include "app/forms/GradeForm.h"
#include "app/forms/GroupForm.h"
#include "app/forms/PartialCreditForm.h"
#include "app/forms/TosForm.h"
#include "core/Format.h"
#include "core/TextUtil.h"

namespace kor {

namespace {

// An unassigned item shows an empty cell, as the dialog starts it.
void set_grid_cell(std::vector<std::string>& cells, int item, int value) {
    if (at(item) < cells.size()) {
        cells[at(item)] = value == 0 ? std::string() : std::to_string(value);
    }
}

class FormsOfProgram final : public InputFileForms {
  public:
    explicit FormsOfProgram(ProgramState& state) : state_(state) {}

    // The MC points with the user's decimal separator, so that OK reads them
    // back unchanged.
    Outcome confirm_partial_credit() override {
        state_.pc_form.txt_mc_points = with_user_separator(
            shortest_real(state_.data.mc_item_points), state_.decimal_separator);
        state_.pc_form.txt_pc_points = std::to_string(state_.data.pc_total_points);
        return partial_credit_ok(state_);
    }

    void clear_partial_credit() override {
        state_.pc_form.txt_mc_points = "1";
        state_.pc_form.txt_pc_points = "0";
    }

    Outcome confirm_groups(const std::string& upper, const std::string& lower) override {
        return apply_group_percentages(state_, upper, lower);
    }

    void select_no_grading() override { kor::select_no_grading(state_); }
    void select_grade_preset(int count) override { kor::select_grade_preset(state_, count); }
    Outcome select_user_grades(int count) override {
        return select_user_scheme(state_, std::to_string(count));
    }
    void set_grade_label(int category, const std::string& text) override {
        state_.grade_form.lbl_grade[at(category)] = text;
    }
    void set_grade_minimum(int category, const std::string& text) override {
        state_.grade_form.txt_grade[at(category)] = text;
    }
    Outcome confirm_grades() override { return grade_scale_ok(state_); }

    Outcome confirm_table_of_specs(int areas, int levels) override {
        const TTestData& data = state_.data;
        const int items = std::clamp(data.num_items, 0, max_items);
        tos_reset(state_, items);
        tos_select_areas(state_, areas);
        tos_select_levels(state_, levels);
        TosForm& form = state_.tos_form;
        for (int k = 1; k <= areas; ++k) {
            form.txt_content[at(k)] = data.content_area_names[at(k)];
        }
        for (int k = 1; k <= levels; ++k) {
            form.txt_skill[at(k)] = data.cognitive_level_names[at(k)];
        }
        for (int j = 1; j <= items; ++j) {
            const ItemTos tos = data.item_tos[at(j)];
            set_grid_cell(form.area_cells, j, tos.content_area);
            set_grid_cell(form.level_cells, j, tos.cognitive_level);
        }
        return tos_ok(state_);
    }

  private:
    ProgramState& state_;
};

}  // namespace

Outcome read_input_text(ProgramState& state, std::string_view contents, InputLayout layout) {
    FormsOfProgram forms(state);
    return on_editor_boxes(
        read_input_text(static_cast<AnalysisState&>(state), contents, layout, forms));
}

Outcome read_input_file(ProgramState& state, const std::string& path, InputLayout layout) {
    FormsOfProgram forms(state);
    return on_editor_boxes(
        read_input_file(static_cast<AnalysisState&>(state), path, layout, forms));
}

}  // namespace kor
