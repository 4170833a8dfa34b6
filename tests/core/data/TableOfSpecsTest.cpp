#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "app/forms/TosForm.h"

namespace kor {
namespace {

using Messages = std::vector<std::string>;

// A dialog laid out for `items` items with the given area and level counts.
ProgramState table_for(int items, int areas, int levels) {
    ProgramState state;
    state.data.num_items = items;
    tos_reset(state, items);
    tos_select_areas(state, areas);
    tos_select_levels(state, levels);
    return state;
}

TEST(TosReset, LaysOutTheGridAndSelectsNoCategories) {
    ProgramState state;
    for (std::size_t k = 1; k <= 6; ++k) {
        state.tos_form.txt_skill[k] = "level";
    }
    tos_select_levels(state, 2);
    EXPECT_EQ(state.data.num_cognitive_levels, 2);
    EXPECT_EQ(state.tos_form.txt_skill[2], "level");
    EXPECT_EQ(state.tos_form.txt_skill[3], "");

    tos_reset(state, 40);

    EXPECT_EQ(state.data.num_cognitive_levels, 0);
    EXPECT_EQ(state.tos_form.levels, 0);
    EXPECT_EQ(state.tos_form.txt_skill[1], "");
    ASSERT_EQ(state.tos_form.item_cells.size(), 41u);
    EXPECT_EQ(state.tos_form.item_cells[40], "40");
    EXPECT_EQ(state.tos_form.area_cells[40], "");

    tos_reset(state, 250);
    EXPECT_EQ(state.tos_form.level_cells.size(), 101u);
}

TEST(TosOk, NamesAreCutTo50OrNamedAfterTheirNumber) {
    ProgramState state = table_for(3, 2, 1);
    state.tos_form.txt_content[1] = std::string(60, 'x');
    state.tos_form.txt_skill[1] = "Recall";
    state.data.content_area_names[5] = "left over";

    ASSERT_TRUE(tos_ok(state).accepted());

    EXPECT_EQ(state.data.content_area_names[1], std::string(50, 'x'));
    EXPECT_EQ(state.data.content_area_names[2], "Content Area 2");
    EXPECT_EQ(state.data.content_area_names[5], "");
    EXPECT_EQ(state.data.cognitive_level_names[1], "Recall");
}

TEST(TosOk, CellsAreStoredPerItemAndEmptyMeansUnassigned) {
    ProgramState state = table_for(3, 2, 2);
    state.tos_form.area_cells = {"", "1", "2", ""};
    state.tos_form.level_cells = {"", "2", "", "1"};

    ASSERT_TRUE(tos_ok(state).accepted());

    EXPECT_EQ(state.data.item_tos[1].content_area, 1);
    EXPECT_EQ(state.data.item_tos[1].cognitive_level, 2);
    EXPECT_EQ(state.data.item_tos[2].cognitive_level, 0);
    EXPECT_EQ(state.data.item_tos[3].content_area, 0);
    EXPECT_EQ(state.data.item_tos[3].cognitive_level, 1);

    ProgramState off = table_for(2, 0, 0);  // without areas or levels the grid is not read
    off.tos_form.area_cells[1] = "x";
    EXPECT_TRUE(tos_ok(off).accepted());
}

TEST(TosOk, BadCellIsRefusedWithItsItemNumber) {
    struct Case {
        bool area_row;
        std::size_t item;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {true, 4, "4", "One of your Content Areas is out of range -- check item #4"},
        {true, 2, "-1", "One of your Content Areas is out of range -- check item #2"},
        {false, 7, "high", "One of your Cognitive Levels is not an integer -- check item #7"},
        {false, 9, "3", "One of your Cognitive Levels is out of range -- check item #9"},
    };
    for (const Case& c : cases) {
        ProgramState state = table_for(10, 3, 2);
        (c.area_row ? state.tos_form.area_cells : state.tos_form.level_cells)[c.item] = c.text;

        Outcome outcome = tos_ok(state);

        EXPECT_TRUE(outcome.refused) << c.text;
        EXPECT_TRUE(state.tos_form.error_mark) << c.text;
        EXPECT_EQ(outcome.messages, Messages{c.message});
    }
}

TEST(TosOk, AfterAnErrorOnlyAreaCellsAreStillRead) {
    ProgramState state = table_for(6, 2, 2);
    state.tos_form.area_cells = {"", "x", "1", "9", "y", "2", "1"};
    state.tos_form.level_cells = {"", "1", "z", "1", "1", "1", "1"};

    Outcome outcome = tos_ok(state);

    // Item 3's range fault and every level cell are no longer looked at, but
    // item 4's area that is not a number is reported too.
    EXPECT_EQ(outcome.messages,
              (Messages{"One of your Content Areas is not an integer -- check item #1",
                        "One of your Content Areas is not an integer -- check item #4"}));
    EXPECT_EQ(state.data.item_tos[3].content_area, 9);
    EXPECT_EQ(state.data.item_tos[5].content_area, 2);
    EXPECT_EQ(state.data.item_tos[5].cognitive_level, 0);

    state.tos_form.area_cells = {"", "1", "1", "1", "1", "2", "1"};
    EXPECT_EQ(tos_ok(state).messages,
              Messages{"One of your Cognitive Levels is not an integer -- check item #2"});
    state.tos_form.level_cells[2] = "2";
    EXPECT_TRUE(tos_ok(state).accepted());
    EXPECT_FALSE(state.tos_form.error_mark);
}

TEST(TosOk, CellsBeyondItem100OrBeyondAGridRowAreNeverRead) {
    ProgramState state = table_for(100, 1, 1);
    state.tos_form.area_cells.resize(120, "1");
    state.tos_form.level_cells.resize(110, "x");
    state.tos_form.area_cells[100] = "1";
    EXPECT_TRUE(tos_ok(state).accepted());
    EXPECT_EQ(state.data.item_tos[100].content_area, 1);

    ProgramState uneven = table_for(5, 1, 1);
    uneven.tos_form.level_cells.resize(3);
    uneven.tos_form.area_cells[4] = "7";
    EXPECT_TRUE(tos_ok(uneven).accepted());
}

TEST(TosCancel, SwitchesTheTableOff) {
    ProgramState state = table_for(3, 2, 2);
    state.tos_form.txt_content[1] = "Algebra";
    ASSERT_TRUE(tos_ok(state).accepted());

    tos_cancel(state);

    EXPECT_EQ(state.data.num_content_areas, 0);
    EXPECT_EQ(state.data.num_cognitive_levels, 0);
    EXPECT_EQ(state.tos_form.areas, 0);
    EXPECT_EQ(state.tos_form.txt_content[1], "");
    EXPECT_EQ(state.data.content_area_names[1], "");
    EXPECT_EQ(state.data.cognitive_level_names[2], "");
}

TEST(TosLayout, GridsOfThirtyFourItems) {
    EXPECT_TRUE(tos_grids(0).empty());
    ASSERT_EQ(tos_grids(34).size(), 1u);
    ASSERT_EQ(tos_grids(35).size(), 2u);
    EXPECT_EQ(tos_grids(35)[1].first_item, 35);
    EXPECT_EQ(tos_grids(35)[1].columns, 1);
    ASSERT_EQ(tos_grids(100).size(), 3u);
    EXPECT_EQ(tos_grids(100)[2].first_item, 69);
    EXPECT_EQ(tos_grids(100)[2].columns, 32);
}

TEST(TosOpen, LaysOutTheGridsForTheEditorsCountAndKeepsWhatWasTyped) {
    ProgramState state;
    state.editor.items = "5";
    tos_open_dialog(state);
    ASSERT_EQ(state.tos_form.item_cells.size(), 6u);
    EXPECT_EQ(state.tos_form.item_cells[5], "5");
    state.tos_form.area_cells[2] = "1";

    tos_open_dialog(state);
    EXPECT_EQ(state.tos_form.area_cells[2], "1");

    state.editor.items = "40";
    tos_open_dialog(state);
    ASSERT_EQ(state.tos_form.level_cells.size(), 41u);
    EXPECT_EQ(state.tos_form.item_cells[40], "40");
    EXPECT_EQ(state.tos_form.area_cells[2], "1");
    EXPECT_EQ(state.tos_form.area_cells[40], "");

    state.editor.items = "101";  // never more cells than items the arrays hold
    tos_open_dialog(state);
    EXPECT_EQ(state.tos_form.area_cells.size(), 101u);
}

TEST(TosDefaults, TenItemsInQuartersAndHalves) {
    ProgramState state;
    tos_reset(state, 10);
    tos_use_default_set(state);
    std::string areas, levels;
    for (std::size_t item = 1; item <= 10; ++item) {
        areas += state.tos_form.area_cells[item];
        levels += state.tos_form.level_cells[item];
    }
    EXPECT_EQ(areas, "1111122222");
    EXPECT_EQ(levels, "1122211122");
    EXPECT_EQ(state.tos_form.txt_content[2], "Chapter 2");
    EXPECT_EQ(state.tos_form.txt_skill[2], "Beyond Recall");
    EXPECT_FALSE(tos_ok(state).refused);
    EXPECT_EQ(state.data.item_tos[9].content_area, 2);
    EXPECT_EQ(state.data.item_tos[9].cognitive_level, 2);
}

TEST(TosDefaults, EachGridIsSplitOnItsOwn) {
    ProgramState state;
    tos_reset(state, 38);  // grids of 34 and 4 items
    tos_use_default_set(state);
    EXPECT_EQ(state.tos_form.area_cells[35], "1");
    EXPECT_EQ(state.tos_form.level_cells[35], "1");
    EXPECT_EQ(state.tos_form.area_cells[36], "1");
    EXPECT_EQ(state.tos_form.level_cells[36], "2");
    EXPECT_EQ(state.tos_form.area_cells[38], "2");
}

TEST(TosTaxonomies, SelectLevelsAndNames) {
    ProgramState state;
    tos_reset(state, 5);
    tos_use_taxonomy(state, Taxonomy::bloom);
    EXPECT_EQ(state.data.num_cognitive_levels, 6);
    EXPECT_EQ(state.tos_form.txt_skill[6], "Evaluation");
    tos_use_taxonomy(state, Taxonomy::popham);
    EXPECT_EQ(state.data.num_cognitive_levels, 2);
    EXPECT_EQ(state.tos_form.txt_skill[2], "Beyond Recall");
    EXPECT_EQ(state.tos_form.txt_skill[3], "");
    tos_use_taxonomy(state, Taxonomy::oosterhof);
    EXPECT_EQ(state.tos_form.txt_skill[5], "Complex Skills");
    tos_use_taxonomy(state, Taxonomy::gagne);
    EXPECT_EQ(state.tos_form.txt_skill[1], "Verbal Information");
}

}  // namespace
}  // namespace kor
