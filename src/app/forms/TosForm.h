#pragma once
// The table of specifications dialog's controls and its commands: choosing
// the counts, Reset, OK and Cancel.

#include <string>
#include <vector>

#include "core/Outcome.h"
#include "core/data/OneBased.h"
#include "core/data/TestData.h"

namespace kor {

struct ProgramState;

struct TosForm {
    int areas = 0;   // checked radio button rdo_ca0 .. rdo_ca6
    int levels = 0;  // checked radio button rdo_cs0 .. rdo_cs6
    OneBased<std::string, max_tos_categories> txt_content;  // area name boxes
    OneBased<std::string, max_tos_categories> txt_skill;    // level name boxes
    // Grid cells per item (index 0 unused): row 0 the item number, row 1 the
    // content area, row 2 the cognitive level. Sized num_items + 1.
    std::vector<std::string> item_cells;
    std::vector<std::string> area_cells;
    std::vector<std::string> level_cells;
    bool error_mark = false;
};

// Selecting k content areas / cognitive levels: stores the count, enables
// boxes 1..k and empties the others.
void tos_select_areas(ProgramState& state, int k);
void tos_select_levels(ProgramState& state, int k);

// "Reset": no areas and levels, empty names, grids for `num_items` items with
// the item numbers in row 0.
void tos_reset(ProgramState& state, int num_items);

// Sizes the grid rows for `num_items` items (at most 100) with the item
// numbers in row 0; the cells of the items that remain keep their texts.
void tos_lay_out_grids(TosForm& form, int num_items);

// "Set Table of Specifications...": the grids are laid out for the count in
// the editor's item box (the command is enabled only while it holds one), so
// the dialog keeps what was typed for as long as the count is the same.
void tos_open_dialog(ProgramState& state);

// The grids the dialog shows for `num_items` items: up to 34 items each.
struct TosGrid {
    int first_item = 0;  // item of the grid's first column
    int columns = 0;
};
std::vector<TosGrid> tos_grids(int num_items);

// The taxonomies of the Options menu: each selects its number of cognitive
// levels and fills their names.
enum class Taxonomy { popham, bloom, gagne, oosterhof };
void tos_use_taxonomy(ProgramState& state, Taxonomy taxonomy);

// "Use a Default Set of Specifications": two chapters and two levels, each
// grid split into quarters and halves.
void tos_use_default_set(ProgramState& state);

// OK: stores the names and reads the item grid into item_tos. Refused (the
// error mark) means the dialog is shown again.
Outcome tos_ok(ProgramState& state);

// Cancel: the table of specifications is switched off.
void tos_cancel(ProgramState& state);

}  // namespace kor
